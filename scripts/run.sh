#!/usr/bin/env bash
# Builds the program (installing what is missing) and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$build/bin/vocadrill"
