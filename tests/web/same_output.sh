#!/usr/bin/env bash
# Runs the desktop's and the page's build of the same program and compares
# what they print: the first lines that differ are shown.
set -euo pipefail
native=$1 wasm=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$native" > "$scratch/native.txt"
node "$wasm" > "$scratch/wasm.txt"
if ! diff -u "$scratch/native.txt" "$scratch/wasm.txt" > "$scratch/diff.txt"; then
    echo "FAIL: the page's build computes differently from the desktop's:"
    head -n 20 "$scratch/diff.txt"
    exit 1
fi
echo "PASS: $(wc -l < "$scratch/native.txt") lines of digests and values are the same"
