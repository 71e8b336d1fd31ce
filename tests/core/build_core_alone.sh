#!/usr/bin/env bash
# Configures and builds the core on its own, with Qt made impossible to find:
# the board, the chalk, the handlers and the window-system model need the
# standard library only.
set -euo pipefail
source=$1 scratch=$2
rm -rf "$scratch"
cmake -S "$source" -B "$scratch" -G Ninja -DPB_CORE_ONLY=ON -DPB_WERROR=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >/dev/null
cmake --build "$scratch" --target parallelboard-core
