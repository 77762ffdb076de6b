#!/usr/bin/env bash
# Builds the program and every test with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole test suite there. Any report fails the run. Called by test.sh
# after the normal build; the packages are those setup.sh installs.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-asan"
# Light optimisation and line tables only: reports still name files and lines, and the build
# takes far less time on two cores than a full debug one.
flags="-O1 -g1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Sanitizers \
        -DCMAKE_CXX_FLAGS_SANITIZERS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DVOCADRILL_TOOLS=OFF
fi
cmake --build "$build" --parallel 2

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2
