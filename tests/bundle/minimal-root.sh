#!/usr/bin/env bash
# Makes (once) a minimal Debian 12 root with only what a desktop always has beside the program:
# the X client libraries, OpenGL, fontconfig and a font. No Qt. Prints the root's folder.
# The root is kept in /var/tmp, so the bundle's test starts quickly the next time.
# Usage: minimal-root.sh   (as root)
set -euo pipefail

root=/var/tmp/vocadrill-minimal-root
desktop=libx11-6,libx11-xcb1,libxcb1,libgl1,libegl1,libopengl0,libfontconfig1,libfreetype6,fonts-dejavu-core

# The root is made again when the list of what it holds has changed.
if [ "$(cat "$root/.complete" 2>/dev/null)" != "$desktop" ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/install-missing.sh"
    install_missing debootstrap
    rm -rf "$root"
    echo "Making a minimal Debian root in $root (once; a few minutes)" >&2
    debootstrap --variant=minbase --include="$desktop" bookworm "$root" >&2
    echo "$desktop" > "$root/.complete"
fi
echo "$root"
