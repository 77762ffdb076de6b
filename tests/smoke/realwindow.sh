#!/usr/bin/env bash
# Starts the built program in a real X window (under xvfb-run), learns one card through the
# actions panel with xdotool, closes the window, and checks the files the program wrote.
# Usage: realwindow.sh <folder of the built program> <dictionary to learn>
set -euo pipefail

bin=$1
dictionary=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/program/Data/OriginalDictionaries" "$work/home"
cp "$bin/vocadrill" "$work/program/"
cp -r "$bin/Data/." "$work/program/Data/"
rm -rf "$work/program/Data/OriginalDictionaries"
mkdir -p "$work/program/Data/OriginalDictionaries"
head -c 3 "$dictionary" | cmp -s - <(printf '\xef\xbb\xbf') || { echo "dictionary must carry a mark"; exit 1; }
cp "$dictionary" "$work/program/Data/OriginalDictionaries/Words.txt"

cat > "$work/drive.sh" <<'DRIVE'
set -euo pipefail
program=$1
"$program/vocadrill" &
pid=$!
window=$(xdotool search --sync --onlyvisible --name "^Vocadrill 1.2.4$" | head -n 1)
xdotool windowmove "$window" 0 0
sleep 1
click() { xdotool mousemove --window "$window" "$1" "$2" click --repeat "${3:-1}" --delay 80 1; sleep 0.4; echo "click $1 $2: $(kill -0 $pid 2>/dev/null && echo alive) $(xdotool getwindowname $window 2>&1)" >&2; }
# The dictionaries tab, then a double click on the first dictionary opens it on the card screen.
click 187 47
click 60 77 2
# Through the actions panel: Next, then Learnt.
click 781 19
click 140 120
click 781 19
click 459 331
# Escape shows the farewell panel, a second Escape closes the program.
xdotool windowfocus --sync "$window" || true
xdotool key Escape
sleep 0.5
kill -0 "$pid" 2>/dev/null && xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || exit 0; sleep 0.2; done
echo "the program did not close"; kill "$pid"; exit 1
DRIVE

HOME="$work/home" xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/drive.sh" "$work/program"

lines_before=$(grep -c $'\r$' "$dictionary")
saved="$work/program/Vocadrill/Words.txt"
lines_after=$(grep -c $'\r$' "$saved")
learnt=$(grep -c $'\r$' "$work/program/Vocadrill/Learnt/Learnt.txt" || true)
progress=$(tr -d '\r' < "$work/program/Data/LearntNumbers.ini" | grep -c 'Words.txt=1$' || true)
echo "dictionary lines: $lines_before -> $lines_after; learnt lines: $learnt; progress entries: $progress"
[ "$lines_after" -eq $((lines_before - 1)) ] && [ "$learnt" -eq 1 ] && [ "$progress" -eq 1 ]
