#!/usr/bin/env bash
# What a learner leaves at closing comes back at the next start and survives its close: the
# dictionary, the learnt list, the progress entry and the chosen mode.
source "$(dirname "$0")/harness.sh"
source "$scenarios/settings_record.sh"

install_program
write_dictionary Words "one = один" "two = два" "three = три"
remember_dictionary Words

# keep_state ARRAY: what the program keeps, part by part, into an associative array.
keep_state()
{
    local -n into=$1
    into=([dictionary]="$(listed "$dictionaries/Words.txt")"
        [learnt list]="$(listed "$learnt_list")"
        [progress entry]="$(progress_entry Words)"
        [mode]="$(selected_mode)")
}

# Next shows a card, a tap in the "Learnt" zone throws it out; then "Repeating" is chosen.
start_program
click 100 150
click 455 520
choose_mode 0 1
close_program
check "cards left in the dictionary" 2 "$(card_count "$dictionaries/Words.txt")"
check "cards in the learnt list" 1 "$(card_count "$learnt_list")"
check "progress entry" Words.txt=1 "$(progress_entry Words)"
check "mode stored (1 is \"Repeating\")" 1 "$(selected_mode)"
declare -A left kept
keep_state left

start_program
close_program
keep_state kept
for part in dictionary "learnt list" "progress entry" mode; do
    check "$part after a second start and close" "${left[$part]}" "${kept[$part]}"
done
finish
