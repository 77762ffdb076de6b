#!/usr/bin/env bash
# Builds the program (installing what is missing) and measures how many word lists without a
# mark, in the 8-bit pages of their languages, read exactly right on an English UTF-8 locale.
# Prints a Markdown table; exits with 1 when a UTF-8 or UTF-16 list reads wrong.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" >&2
"$build/bench/encoding_accuracy" "$root/tests/fixtures"
