#!/usr/bin/env bash
# Brings the learner's files from a folder where the program ran before (build/bin, where the
# start command once ran it) to the program folder, once: only when the old folder holds some and
# the program folder holds none yet. The copies are checked byte for byte before they take their
# places; the originals stay where they were.
# Usage: bring-along.sh <old program folder> <program folder>
set -euo pipefail

[ -d "$1" ] || exit 0
old=$(cd "$1" && pwd -P)
new=$(cd "$2" && pwd -P)

# What the program writes beside itself; everything else there ships with it.
learner_files=(Vocadrill Data/DataFile Data/LearntNumbers.ini Data/BGName.txt Data/TxtName.txt
               Data/Backgrounds Data/Backups)

holds_learner_files() {
    local f
    for f in "${learner_files[@]}"; do
        [ -e "$1/$f" ] && return 0
    done
    return 1
}
holds_learner_files "$old" || exit 0
if holds_learner_files "$new"; then
    echo "Note: $old still holds learner files of earlier runs; the program uses those in $new." >&2
    exit 0
fi

# The copies are made and checked beside the program first, and moved into place only when
# every one is whole: a failed copy leaves the program folder as it was.
stage=$(mktemp -d "$new/.bringing-along.XXXXXX")
trap 'rm -rf "$stage"' EXIT
for f in "${learner_files[@]}"; do
    [ -e "$old/$f" ] || continue
    mkdir -p "$stage/$(dirname "$f")"
    cp -a "$old/$f" "$stage/$f"
    if ! diff -r --no-dereference "$old/$f" "$stage/$f" > /dev/null; then
        echo "The copy of $old/$f differs from it: nothing was brought along." >&2
        exit 1
    fi
done

# The progress store names each dictionary by its full path: the counts follow the dictionaries.
store="$stage/Data/LearntNumbers.ini"
if [ -f "$store" ]; then
    from="$old/Vocadrill/" to="$new/Vocadrill/" LC_ALL=C awk '
        index($0, ENVIRON["from"]) == 1 { $0 = ENVIRON["to"] substr($0, length(ENVIRON["from"]) + 1) }
        { print }' "$old/Data/LearntNumbers.ini" > "$store"
fi

for f in "${learner_files[@]}"; do
    [ -e "$stage/$f" ] || continue
    mkdir -p "$new/$(dirname "$f")"
    mv "$stage/$f" "$new/$f"
done
echo "Your dictionaries, progress and settings were copied from $old to $new and checked;"
echo "the program now keeps them there. The originals stay in $old."
