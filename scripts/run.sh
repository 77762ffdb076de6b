#!/usr/bin/env bash
# Builds the program (installing what is missing), lays it out with `cmake --install` in a
# program folder outside the checkout and starts it from there, so that the learner's files,
# which the program keeps beside itself, never live in build/. The install prefix is ~/.local
# (the program folder ~/.local/lib/vocadrill), or VOCADRILL_PREFIX when that is set.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

prefix=$(realpath -m "${VOCADRILL_PREFIX:-$HOME/.local}")
case "$prefix/" in
"$(realpath "$root")"/*)
    echo "The program folder must lie outside the checkout: set VOCADRILL_PREFIX elsewhere." >&2
    exit 1 ;;
esac
home="$prefix/lib/vocadrill"

# Replaces only what ships; the learner's files beside the program stay as they are.
cmake --install "$build" --prefix "$prefix" > /dev/null
"$root/scripts/bring-along.sh" "$build/bin" "$home"
exec "$home/vocadrill"
