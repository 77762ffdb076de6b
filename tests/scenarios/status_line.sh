#!/usr/bin/env bash
# The status line is no tap zone: single clicks at the centres of its drawn texts leave the
# card, the dictionary and the learnt list alone; a double click on the learnt count sets it
# back to 0 and touches nothing else.
source "$(dirname "$0")/harness.sh"

install_program
write_dictionary Words "one = один" "two = два" "three = три"
remember_dictionary Words
start_program

# The centres of the status line's texts at 911 x 613. The line is the window's bottom 31
# pixels; its fields share the width less 6-pixel margins and 6-pixel gaps as 4:2:1:1:1, from
# the left: the dictionary's name (drawn from the left edge), the clock, the line count, the
# learnt-today count, the learnt count (each drawn centred).
status_y=597
name_x=25 clock_x=497 lines_x=649 today_x=753 learnt_x=856

click 100 150
for x in "$name_x" "$clock_x" "$lines_x" "$today_x" "$learnt_x"; do
    click "$x" "$status_y"
    sleep 0.2
done
# A tap in the "Learnt" zone throws the card on screen out: the learnt count is 1. Then a
# double click, well after the single click, on the learnt count.
click 455 520
sleep 0.5
click "$learnt_x" "$status_y" 2
close_program

check "cards left in the dictionary (three less the one thrown out)" 2 \
    "$(card_count "$dictionaries/Words.txt")"
check "cards in the learnt list" 1 "$(card_count "$learnt_list")"
entry=$(progress_entry Words)
check "progress entry after the double click on the learnt count" "Words.txt=0" \
    "${entry:-Words.txt=0}"
finish
