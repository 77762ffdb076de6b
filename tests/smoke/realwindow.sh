#!/usr/bin/env bash
# Starts the built program in a real X window (under xvfb-run) and drives it with xdotool: taps
# on the card screen, a chevron-up stroke that opens the card editor, an edit confirmed with
# Enter, a card learnt by a tap and one through the actions panel. Then it closes the window and
# checks the files the program wrote.
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
# A tap in the "Next" zone (upper left) shows a card; a chevron up drawn over the card screen opens
# the editor on it; a comment typed at the end of its line and Enter store the edited line first.
click 100 150
stroke() {
    xdotool mousemove --window "$window" "$1" "$2" mousedown 1
    shift 2
    while [ $# -gt 0 ]; do
        xdotool mousemove --window "$window" "$1" "$2"
        sleep 0.02
        shift 2
    done
    xdotool mouseup 1
    sleep 0.8
}
stroke 380 450 395 420 410 390 425 360 440 330 455 300 470 330 485 360 500 390 515 420 530 450
xdotool windowfocus --sync "$window" || true
xdotool key ctrl+End
xdotool type --delay 50 " // edited"
xdotool key Return
sleep 0.4
# Another tap on "Next" leaves the edited card; a tap in the "Learnt" zone (middle, bottom)
# throws the card then on screen out as learnt.
click 100 150
click 455 520
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

HOME="$work/home" env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/drive.sh" "$work/program"

lines_before=$(grep -c $'\r$' "$dictionary")
saved="$work/program/Vocadrill/Words.txt"
lines_after=$(grep -c $'\r$' "$saved")
learnt=$(grep -c $'\r$' "$work/program/Vocadrill/Learnt/Learnt.txt" || true)
progress=$(tr -d '\r' < "$work/program/Data/LearntNumbers.ini" | grep -c 'Words.txt=2$' || true)
learntfile="$work/program/Vocadrill/Learnt/Learnt.txt"
# The edited line is stored first; a later Next may draw it again and a Learnt throw it out.
edited=$(cat "$saved" "$learntfile" | grep -c ' // edited'$'\r$' || true)
first=$(head -n 1 "$saved" | tr -d '\r')
echo "dictionary lines: $lines_before -> $lines_after; learnt lines: $learnt; progress entries: $progress; edited lines: $edited; first line: $first"
[ "$lines_after" -eq $((lines_before - 2)) ] && [ "$learnt" -eq 2 ] && [ "$progress" -eq 1 ] &&
    [ "$edited" -eq 1 ] && { [[ "$first" == *" // edited" ]] || grep -q ' // edited'$'\r$' "$learntfile"; }
