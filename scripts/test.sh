#!/usr/bin/env bash
# Builds the program and its tests (installing what is missing) and runs every test, then does
# the same in a sanitizer build (build-asan/).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2
# The same suite once more, built with AddressSanitizer and UndefinedBehaviorSanitizer.
"$root/scripts/sanitizers.sh"
