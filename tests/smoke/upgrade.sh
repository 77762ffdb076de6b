#!/usr/bin/env bash
# Installing over a program folder that a learner has used replaces what ships with the program
# and nothing else: the program is installed and started once, the learner's files are written,
# the shipped files are made stale, and after a second install the folder is the same, byte for
# byte and file for file, as before the shipped files went stale.
# Usage: upgrade.sh <build folder> <source data folder>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/program-folder.sh"

build=$1
data=$2
prefix="$work/prefix"
home="$prefix/lib/vocadrill"

cmake --install "$build" --prefix "$prefix" > /dev/null
start_once "$home/vocadrill" "$work"
write_learner_files "$home"
# Files a year old, so that the install's time check would let any shipped file at a learner
# file's place be copied over it.
find "$home" -exec touch -h -d '2001-01-01' {} +
cp -a "$home" "$work/before"

# An older version's files: every kind of shipped file changed or missing.
printf 'old help' > "$home/Data/Help.txt"
rm "$home/Data/Sound.wav" "$home/Data/OriginalPhonetic/Phonetic.txt"
printf 'old' >> "$home/Data/OriginalDictionaries/Irregular verbs.txt"
printf 'old' >> "$home/vocadrill"

cmake --install "$build" --prefix "$prefix" > /dev/null

diff -r --no-dereference "$work/before" "$home" || fail "the second install left the folder changed"
cmp -s "$data/Help.txt" "$home/Data/Help.txt" || fail "the shipped help was not replaced"
