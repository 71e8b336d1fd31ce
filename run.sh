#!/usr/bin/env bash
# Installs what is missing, builds, and opens the board.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$root/scripts/setup.sh"
exec "$root/build/parallel-board"
