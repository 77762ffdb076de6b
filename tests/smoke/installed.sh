#!/usr/bin/env bash
# Installs the built program into a fresh prefix, checks the layout (the executable beside its
# Data folder, the link in bin, the desktop entry and the icons), then starts the installed
# program once and checks that its first start copied the shipped dictionaries beside it.
# Usage: installed.sh <build folder>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/program-folder.sh"

build=$1
prefix="$work/prefix"
home="$prefix/lib/vocadrill"

cmake --install "$build" --prefix "$prefix" > /dev/null

[ -x "$home/vocadrill" ] || fail "no executable in $home"
[ -f "$home/Data/OriginalPhonetic/Phonetic.txt" ] || fail "no phonetic dictionary"
[ -f "$home/Data/Sound.wav" ] || fail "no sound"
[ -f "$home/Data/OriginalDictionaries/500 common words.txt" ] || fail "no shipped dictionaries"
[ "$(readlink -f "$prefix/bin/vocadrill")" = "$(readlink -f "$home/vocadrill")" ] ||
    fail "bin/vocadrill does not lead to the executable"

entry="$prefix/share/applications/vocadrill.desktop"
grep -qx "Exec=\"$home/vocadrill\"" "$entry" || fail "the desktop entry starts another file"
grep -qx "Icon=vocadrill" "$entry" || fail "the desktop entry names another icon"
for size in 16 22 24 32 48 64 128 256 512; do
    [ -f "$prefix/share/icons/hicolor/${size}x$size/apps/vocadrill.png" ] || fail "no ${size}px icon"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/vocadrill.svg" ] || fail "no scalable icon"

# The first start, through the link.
start_once "$prefix/bin/vocadrill" "$work"

[ -f "$home/Vocadrill/500 common words.txt" ] || fail "the first start copied no dictionary"
[ -f "$home/Vocadrill/More/Common words 501-665.txt" ] || fail "the subfolder was not copied"
cmp -s "$home/Data/OriginalDictionaries/Irregular verbs.txt" "$home/Vocadrill/Irregular verbs.txt" ||
    fail "a copied dictionary differs from the shipped one"
