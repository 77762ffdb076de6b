# Shell functions shared by the scenarios, sourced by each: a copy of the built program in the
# scenario's temporary folder with a home of its own, started in a real X window, driven with
# xdotool at window coordinates as a learner drives it, and closed as a learner closes it; then
# the checks that say what was expected and what was found. run.sh sets WORK and PROGRAM_BUILT
# and provides the X display.
set -euo pipefail

scenarios=$(dirname "${BASH_SOURCE[0]}")
program=$WORK/program
dictionaries=$program/Vocadrill
learnt_list=$dictionaries/Learnt/Learnt.txt
data=$program/Data
framebuffer=$WORK/screen/Xvfb_screen0
export HOME=$WORK/home
failures=0

# The program with its data but without the shipped dictionaries: the scenario writes its own
# into the dictionary folder, so the first start copies nothing.
install_program()
{
    [ -x "$PROGRAM_BUILT/vocadrill" ] || { echo "no built program in $PROGRAM_BUILT"; exit 1; }
    mkdir -p "$program" "$dictionaries" "$HOME/Documents"
    cp "$PROGRAM_BUILT/vocadrill" "$program/"
    cp -r "$PROGRAM_BUILT/Data" "$program/"
    rm -rf "$data/OriginalDictionaries"
    mkdir -p "$data/OriginalDictionaries"
}

# write_dictionary NAME LINE...: a dictionary as the program saves one (UTF-8 mark, CR LF).
write_dictionary()
{
    local name=$1
    shift
    { printf '\xef\xbb\xbf'; printf '%s\r\n' "$@"; } >"$dictionaries/$name.txt"
}

# remember_dictionary NAME: the next start reopens this dictionary.
remember_dictionary()
{
    printf '%s' "$dictionaries/$1.txt" >"$HOME/Documents/LastDictFileName"
}

# The file name of the dictionary the next start reopens.
remembered_dictionary() { basename "$(tr -d '\r\n' <"$HOME/Documents/LastDictFileName")"; }

# card_lines FILE: the lines of a dictionary or of the learnt list, without the mark and the
# CRs (nothing for a missing file).
card_lines()
{
    [ -f "$1" ] || return 0
    sed -e '1s/^\xef\xbb\xbf//' -e 's/\r$//' "$1"
}

card_count() { card_lines "$1" | wc -l; }

# listed FILE: the same lines on one line, for a report.
listed() { card_lines "$1" | paste -sd'|' | sed 's/|/ | /g'; }

# progress_entry NAME: the dictionary's line in the progress store, CR dropped.
progress_entry()
{
    tr -d '\r' <"$data/LearntNumbers.ini" | grep -o "/$1.txt=.*" | cut -c2- || true
}

# wait_until SECONDS COMMAND...: polls until the command succeeds; fails after the deadline
# (SECONDS may have one decimal).
wait_until()
{
    local tenths=${1/./}
    [[ $1 == *.* ]] || tenths=${1}0
    local deadline=$((${EPOCHREALTIME/./} + tenths * 100000))
    shift
    until "$@"; do
        [ "${EPOCHREALTIME/./}" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

program_running() { kill -0 "$pid" 2>/dev/null; }
program_ended() { ! program_running; }

# colour X Y: the colour of the screen at window coordinates (the window sits at 0,0), #rrggbb,
# read from the X server's framebuffer file: an XWD image (a header of big-endian 32-bit fields,
# a colour map of 12-byte entries, then rows of 32-bit pixels in the server's byte order).
colour()
{
    local header pixel
    read -ra header <<<"$(od -An -v -t u4 --endian=big -N 100 "$framebuffer" | tr -s ' \n' '  ')"
    local byte_order=${header[7]} bytes_per_line=${header[12]}
    local offset=$((header[0] + 12 * header[19] + $2 * bytes_per_line + 4 * $1))
    pixel=$(od -An -t x4 --endian="$([ "$byte_order" -eq 0 ] && echo little || echo big)" \
        -j "$offset" -N 4 "$framebuffer" | tr -d ' ')
    echo "#${pixel: -6}"
}
colour_is() { [ "$(colour "$1" "$2")" == "$3" ]; }
colour_is_not() { [ "$(colour "$1" "$2")" != "$3" ]; }

window_at_origin() { xdotool getwindowgeometry "$window" | grep -q 'Position: 0,0 '; }

# Starts the program and returns once its window is at the screen's origin and painted (the
# status line's corner no longer shows the bare black screen).
start_program()
{
    "$program/vocadrill" >>"$WORK/program.log" 2>&1 &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" \
        --name '^Vocadrill 1.2.4$' | head -n 1) ||
        { echo "the program's window did not appear"; cat "$WORK/program.log"; exit 1; }
    xdotool windowmove "$window" 0 0
    wait_until 10 window_at_origin || { echo "the window did not move to 0,0"; exit 1; }
    wait_until 10 colour_is_not 3 610 '#000000' || { echo "the window was not painted"; exit 1; }
    sleep 0.3
}

# click X Y [COUNT]: left clicks at window coordinates, 80 ms apart (COUNT 2 is a double click).
click()
{
    xdotool mousemove --window "$window" "$1" "$2" click --repeat "${3:-1}" --delay 80 1
    sleep 0.3
}

# wheel X Y BUTTON: one wheel step at window coordinates (button 4 away from the learner,
# 5 towards).
wheel()
{
    xdotool mousemove --window "$window" "$1" "$2" click "$3"
    sleep 0.3
}

# press KEY...: keys typed into the main window, as the learner types them.
press()
{
    timeout 5 xdotool windowfocus --sync "$window" || true
    xdotool key --delay 80 "$@"
    sleep 0.3
}

windows_shown() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
popup_open() { [ "$(windows_shown)" -ge 2 ]; }
popup_closed() { [ "$(windows_shown)" -eq 1 ]; }

# choose_mode FROM TO: opens the mode list at the top left with a click and clicks a mode in
# it (0 "Learning", 1 "Repeating", 2 "Repeating2"). The open list lays the selected mode FROM
# over the closed list, the other modes in rows of 22 pixels above and below it.
choose_mode()
{
    click 60 19
    wait_until 5 popup_open || { echo "the mode list did not open"; exit 1; }
    click 50 $((19 + 22 * ($2 - $1)))
    wait_until 5 popup_closed || { echo "the mode list did not close"; exit 1; }
}

# A box the program shows over its window (a message or a question): waits for it, then
# clicks at its top left, on its icon or text, which gives it the keyboard.
take_box()
{
    local box
    box=$(timeout 10 xdotool search --sync --onlyvisible --pid "$pid" --name '^Vocadrill$' |
        head -n 1) || { echo "the program showed no message or question"; return 1; }
    xdotool mousemove --window "$box" 25 25 click 1
    sleep 0.3
}

# answer_yes: answers Yes to the question the program asks. No is its default button, so the
# Tab key moves to Yes and Space presses it, in every interface language.
answer_yes()
{
    take_box || return 1
    xdotool key --delay 150 Tab space
    wait_until 10 popup_closed || { echo "the question stayed open"; return 1; }
}

# dismiss_message: closes the message the program shows with its OK button, the default one.
dismiss_message()
{
    take_box || return 1
    xdotool key Return
    wait_until 10 popup_closed || { echo "the message stayed open"; return 1; }
}

# Closes the program with Escape, the back step, as often as it takes to reach the farewell
# panel and close (a tab other than the card screen or full-screen mode takes more steps), and
# waits for the process to end.
close_program()
{
    local step
    for step in 1 2 3 4 5 6; do
        program_running || break
        timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || true
        xdotool key Escape 2>/dev/null || true
        wait_until 0.5 program_ended && break
    done
    if ! wait_until 15 program_ended; then
        echo "the program did not close"
        kill "$pid"
        exit 1
    fi
    local status=0
    wait "$pid" || status=$?
    check "exit status of the program" 0 "$status"
}

# check WHAT EXPECTED FOUND: one finding of the scenario.
check()
{
    if [ "$2" == "$3" ]; then
        echo "ok: $1: $3"
    else
        echo "FAILED: $1: expected [$2], found [$3]"
        failures=$((failures + 1))
    fi
}

# Ends the scenario: fails when a check did.
finish()
{
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed; the program's output:"
        cat "$WORK/program.log"
        exit 1
    fi
    echo "all checks passed"
}
