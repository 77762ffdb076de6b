#!/usr/bin/env bash
# The start command brings the learner's files from the folder where the program ran before to a
# new program folder: checked copies, the progress counts following their dictionaries, the
# originals left alone, and only once: a program folder with learner files of its own is left as
# it is.
# Usage: bringalong.sh <build folder> <bring-along script>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/program-folder.sh"

build=$1
bring_along=$2

cmake --install "$build" --prefix "$work/old" > /dev/null
cmake --install "$build" --prefix "$work/new" > /dev/null
old="$work/old/lib/vocadrill"
new="$work/new/lib/vocadrill"
start_once "$old/vocadrill" "$work"
write_learner_files "$old"
cp -a "$old" "$work/before"

"$bring_along" "$old" "$new" > "$work/said" || fail "bringing along failed"
grep -q "copied from $old to $new" "$work/said" || fail "the terminal was not told"
diff -r --no-dereference "$work/before" "$old" || fail "the originals were changed"
for f in Vocadrill Data/DataFile Data/BGName.txt Data/TxtName.txt Data/Backgrounds Data/Backups; do
    diff -r --no-dereference "$old/$f" "$new/$f" || fail "$f was not copied whole"
done
printf '\xef\xbb\xbf[Learnt]\r\n%s=7\r\n' "$new/Vocadrill/500 common words.txt" |
    cmp -s - "$new/Data/LearntNumbers.ini" || fail "the progress counts do not name the copies"
[ -z "$(find "$new" -name '.bringing-along.*')" ] || fail "the staging folder was left behind"

# Only once: the program folder now holds learner files, and a changed original is not copied.
printf 'changed' > "$old/Data/DataFile"
"$bring_along" "$old" "$new" > "$work/said" 2> /dev/null || fail "the second run failed"
[ ! -s "$work/said" ] || fail "the second run copied again"
cmp -s "$work/before/Data/DataFile" "$new/Data/DataFile" || fail "the second run overwrote a file"

# A program folder that never saw the old one's learner files, beside an old folder with none.
rm -rf "$old/Vocadrill" "$old/Data/DataFile" "$old/Data/LearntNumbers.ini" "$old/Data/BGName.txt" \
       "$old/Data/TxtName.txt" "$old/Data/Backgrounds" "$old/Data/Backups"
cmake --install "$build" --prefix "$work/empty" > /dev/null
"$bring_along" "$old" "$work/empty/lib/vocadrill" > "$work/said" || fail "an empty old folder failed"
[ ! -e "$work/empty/lib/vocadrill/Vocadrill" ] || fail "something was brought from an empty folder"
