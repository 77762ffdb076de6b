#!/usr/bin/env bash
# A mode chosen in the mode list rules the very next card, before the choice is saved; and
# once it is chosen, neither the Down arrow nor a wheel turn over the list changes the mode.
source "$(dirname "$0")/harness.sh"
source "$scenarios/settings_record.sh"

install_program
write_dictionary Words "one = один" "two = два" "three = три"
remember_dictionary Words

# A first run writes the settings file, left in "Learning". Then "Repeating" is made to count
# a card learnt as soon as its question was shown once; "Learning" keeps 10 shows a side.
start_program
close_program
set_mode_setting 1 MaximumForQuestions 1
set_mode_setting 1 MaximumForAnswers 0

# "Repeating", then at once (the save comes three seconds after the choice) Next shows a card's
# question and a second Next leaves the card: learnt by the rule of "Repeating".
start_program
choose_mode 0 1
click 100 150
click 100 150
# The Down arrow and a wheel turn towards the learner over the list would both move to
# "Repeating2".
press Down
wheel 60 19 5
close_program

check "cards learnt by the rule of \"Repeating\" right after the choice" 1 \
    "$(card_count "$learnt_list")"
check "the learnt card moved to the end of the dictionary" "$(card_lines "$learnt_list")" \
    "$(card_lines "$dictionaries/Words.txt" | tail -n 1)"
check "progress entry" "Words.txt=1" "$(progress_entry Words)"
check "mode stored after the Down arrow and the wheel over the list (1 is \"Repeating\")" 1 \
    "$(selected_mode)"
finish
