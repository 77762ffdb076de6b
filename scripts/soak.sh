#!/usr/bin/env bash
# The soak run: the real window, under xvfb-run, in automatic mode at 50 ms over a dictionary of
# 100,000 cards for ten minutes. It fails on any error message, on memory that grows after the
# first minute, or on files that do not hold what the window held when it closed.
# Usage: scripts/soak.sh [seconds, default 600]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
seconds=${1:-600}
cmake --build "$build" --parallel 2 --target vocadrill_soak

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/tests/fixtures/corpus/make_big.py" "$work/made" --sizes 100000 --phonetic-size 0
mkdir -p "$work/program/Vocadrill" "$work/home"
cp -r "$build/bin/Data" "$work/program/"
cp "$work/made/big_100k.txt" "$work/program/Vocadrill/Big.txt"

HOME="$work/home" xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tests/soak/vocadrill_soak" "$work/program" "$seconds" 50
