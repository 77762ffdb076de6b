#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (AddressSanitizer and UndefinedBehavior-
# Sanitizer on) into build-fuzz/, then runs each target for a bounded time, starting from its
# kept inputs in fuzz/corpus/<target>. New inputs go to build-fuzz/corpus/<target>; an input
# that breaks the code is written to build-fuzz/crashes/<target>/, to be mended and then kept
# in fuzz/corpus/<target> as a regression case.
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target ...]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(cardline textdecode settingsrecord progressstore phonetictable strokerecogniser)

packages=(clang-14 libclang-rt-14-dev cmake ninja-build qt6-base-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++-14 -DVOCADRILL_FUZZ=ON \
        -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
fi

# Only the targets that exist in this tree are built and run.
available=()
for t in "${targets[@]}"; do
    [ -f "$root/fuzz/fuzz_$t.cpp" ] && available+=("$t")
done
cmake --build "$build" --parallel 2 --target "${available[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
printf '%-18s %14s %10s %s\n' target executions seconds result
status=0
for t in "${available[@]}"; do
    mkdir -p "$build/corpus/$t" "$build/crashes/$t"
    log="$build/crashes/$t.log"
    if "$build/fuzz/fuzz_$t" "$build/corpus/$t" "$root/fuzz/corpus/$t" \
        -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$build/crashes/$t/" > "$log" 2>&1; then
        result=clean
    else
        result="FAILED, see $log"
        status=1
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
    printf '%-18s %14s %10s %s\n' "$t" "$runs" "$seconds" "$result"
done
exit $status
