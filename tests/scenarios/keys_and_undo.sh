#!/usr/bin/env bash
# Learning by keys: Right draws a card, Enter learns it, Ctrl+Z brings it back with its counts;
# a second card learnt by keys stays learnt through the close.
source "$(dirname "$0")/harness.sh"

install_program
write_dictionary Words "one = один" "two = два" "three = три"
remember_dictionary Words

start_program
press Right Return ctrl+z
press Right Return
close_program
check "cards left in the dictionary" 2 "$(card_count "$dictionaries/Words.txt")"
check "cards in the learnt list" 1 "$(card_count "$learnt_list")"
check "progress entry" Words.txt=1 "$(progress_entry Words)"
finish
