#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs (only those missing) and builds the project
# into build/ with two parallel jobs. Sourced by run.sh and test.sh.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

packages=(g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n libgl-dev libicu-dev libbenchmark-dev python3 xvfb xauth xdotool
          qt6-charts-dev
          # Speech, with the offline engines; the speech module's CMake package needs Qt's QML
          # integration from qt6-declarative-dev.
          qt6-speech-dev qt6-declarative-dev qt6-speech-flite-plugin qt6-speech-speechd-plugin
          speech-dispatcher espeak-ng)
source "$root/scripts/install-missing.sh"
install_missing "${packages[@]}"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --parallel 2
