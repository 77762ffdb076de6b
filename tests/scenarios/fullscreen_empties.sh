#!/usr/bin/env bash
# Cards thrown out one by one in full-screen mode until the dictionary is empty: the program
# then leaves full-screen mode, so the "Dictionaries" tab answers clicks again.
source "$(dirname "$0")/harness.sh"

install_program
write_dictionary Alpha "one = один" "two = два" "three = три"
write_dictionary Beta "red = красный" "green = зелёный"
remember_dictionary Alpha
start_program

# At 911 x 613: a tap in the middle of the card screen switches full-screen mode on, and the
# card then covers the tab headers. (455, 520) lies in the "Learnt" zone, the bottom of the
# middle third, in both layouts: the first tap there shows a card, each further one throws the
# card on screen out; the last leaves the dictionary empty, and the program says so.
header=$(colour 187 47)
click 455 320
covered=no
wait_until 5 colour_is_not 187 47 "$header" && covered=yes
check "full-screen mode covers the tab headers" yes "$covered"
for _ in 1 2 3 4; do
    click 455 520
done
dismiss_message
# Clicks on the "Dictionaries" header and on its second row open Beta, if the tab is shown.
click 187 47
click 40 90
close_program

check "dictionary open at the end (the one the next start reopens)" Beta.txt \
    "$(remembered_dictionary)"
check "cards left in Alpha" 0 "$(card_count "$dictionaries/Alpha.txt")"
check "learnt list" "one = один | three = три | two = два" "$(listed "$learnt_list")"
finish
