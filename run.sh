#!/usr/bin/env bash
# Installs what is missing, builds, and opens the board.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Only the program: the tests, the benchmarks and the page wait for ./test.sh.
PB_TARGETS=parallel-board "$root/scripts/setup.sh"
exec "$root/build/parallel-board"
