#!/usr/bin/env bash
# The Down arrow in the dictionary list moves the highlight to the next dictionary; "Delete"
# then deletes the highlighted dictionary, not the one opened before by a click.
source "$(dirname "$0")/harness.sh"

install_program
for name in Alpha Beta Gamma; do
    write_dictionary "$name" "$name one = один" "$name two = два"
done
start_program

# At 911 x 613: the "Dictionaries" tab header, the first row of its list (rows are 14 pixels
# apart), the "Delete" button, third in the column of buttons at the right.
click 187 47
click 40 76
press Down
# The highlighted row is the one not drawn white.
highlighted=none
for row in 0 1 2; do
    colour_is 300 $((76 + 14 * row)) '#ffffff' || highlighted=$row
done
check "row highlighted after the Down arrow (0 Alpha, 1 Beta, 2 Gamma)" 1 "$highlighted"
click 789 135
answer_yes
close_program

check "dictionaries left after deleting the highlighted Beta" "Alpha.txt Gamma.txt" \
    "$(cd "$dictionaries" && echo *.txt)"
finish
