#!/usr/bin/env bash
# Runs one scenario in a fresh temporary folder on a virtual X screen of its own, whose
# framebuffer the scenario can read for pixel colours.
# Usage: run.sh <scenario script> <folder of the built program>
set -euo pipefail

scenario=$1
export PROGRAM_BUILT=$2
export WORK
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/screen"

TMPDIR=$WORK env -u QT_QPA_PLATFORM -u XDG_CONFIG_HOME -u XDG_DOCUMENTS_DIR \
    xvfb-run -a -s "-screen 0 1280x1024x24 -fbdir $WORK/screen" bash "$scenario"
