#!/usr/bin/env bash
# Builds the program (installing what is missing) and takes the user guide's screenshots from
# the real window, started for the first time over a copy of data/, into docs/screenshots/.
# Run it again whenever a screen changes, and commit the pictures with the change.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
out="$root/docs/screenshots"
rm -rf "$out"
QT_QPA_PLATFORM=offscreen "$build/tools/screenshots/vocadrill_screenshots" "$root/data" "$out"
