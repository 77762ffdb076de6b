#!/usr/bin/env bash
# The portable bundle on a machine without Qt: unpacked into a minimal Debian root (see
# minimal-root.sh), started there in its own mount namespace with only the X server's socket
# from outside, on an Xvfb display of this machine. Its window must come up, and its first start
# must lay out its data beside it.
# Usage: unpacked.sh <bundle .tar.gz>   (as root)
set -euo pipefail

bundle=$(realpath "$1")
here=$(dirname "${BASH_SOURCE[0]}")
root=$("$here/minimal-root.sh")

work=$(mktemp -d)
fail() { echo "FAIL: $*"; [ -f "$work/log" ] && cat "$work/log"; exit 1; }

[ -z "$(find "$root" -name 'libQt6*' -not -path "$root/tmp/*")" ] || fail "the root has Qt"

place=$(mktemp -d "$root/tmp/bundle.XXXXXX")
cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "${jail_pid:-}" ] && wait "$jail_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work" "$place"
}
trap cleanup EXIT
tar -C "$place" -xzf "$bundle"
program=$(find "$place" -mindepth 2 -maxdepth 2 -name vocadrill -type f)
[ -n "$program" ] || fail "the bundle holds no program"
inside=${program#"$root"}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
display=":$(cat "$work/display")"

# The root sees this machine's X socket, /proc (Qt finds the program's folder there) and /dev.
unshare --mount --propagation private bash -c '
    root=$1 inside=$2 display=$3 pidfile=$4
    mkdir -p "$root/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    chroot "$root" env -i DISPLAY="$display" HOME=/root PATH=/usr/bin:/bin LANG=C.UTF-8 \
        "$inside" &
    echo $! > "$pidfile"
    wait
' jail "$root" "$inside" "$display" "$work/pid" > "$work/log" 2>&1 &
jail_pid=$!
for _ in $(seq 50); do [ -s "$work/pid" ] && break; sleep 0.1; done
program_pid=$(cat "$work/pid")

DISPLAY=$display timeout 30 xdotool search --sync --onlyvisible --name '^Vocadrill [0-9.]+$' \
    > /dev/null || fail "no window came up"

folder=$(dirname "$program")
[ -f "$folder/Vocadrill/500 common words.txt" ] || fail "the first start copied no dictionary"
[ -d "$folder/Vocadrill/Learnt" ] || fail "no learnt folder"
for mode in 0 1 2; do
    [ -d "$folder/Data/Backgrounds/$mode" ] || fail "no backgrounds folder $mode"
done
kill -0 "$program_pid" 2>/dev/null || fail "the program ended"
# The root has an ICU of its own (its OpenGL needs one): the program must use the bundled one.
grep -q "$folder/lib/libicuuc" "/proc/$program_pid/maps" || fail "the bundled ICU is not used"
! grep -E 'libQt6|libicu' "/proc/$program_pid/maps" | grep -v "$folder/lib/" ||
    fail "the program uses Qt or ICU from outside the bundle"
echo "The bundle started in $root and laid out its data."
