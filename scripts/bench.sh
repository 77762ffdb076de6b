#!/usr/bin/env bash
# Builds the program and its benchmarks (installing what is missing), makes the workloads in a
# temporary folder and runs every benchmark. Prints one table: each figure beside its floor,
# measured in the same run, and their ratio. The benchmarks' own reports go to
# build/bench/bench.log. Exits with 1 when a target is missed.
set -euo pipefail
# The build's messages go to stderr, so that stdout holds the table alone.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" >&2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/tests/fixtures/corpus/make_big.py" "$work" > /dev/null
for entries in 1000 10000; do
    python3 "$root/tests/fixtures/corpus/make_big.py" "$work" --sizes "" --phonetic-size "$entries" > /dev/null
done
python3 "$root/tests/fixtures/corpus/make_big.py" "$work/plain" --sizes 100000 --phonetic-size 0 --no-brackets \
    > /dev/null

log="$build/bench/bench.log"
: > "$log"
status=0
for program in bench_dictionary bench_sort bench_phonetic bench_next bench_startup bench_stall; do
    "$build/bench/$program" --benchmark_color=false "$work" >> "$work/table" 2>> "$log" || status=1
done
# Each program prints the table's header; it is shown once.
awk 'NR <= 2 || !/^\| Work |^\|---/' "$work/table"
exit "$status"
