#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test without a screen:
# the suite (the real window under Xvfb and the page in chromium, firefox
# and WebKitGTK among it), the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a minute of fuzzing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export PB_WEB=ON
"$root/scripts/setup.sh" clang libclang-rt-14-dev xvfb xdotool desktop-file-utils appstream dpkg-dev \
    lintian qemu-user emscripten chromium firefox-esr webkit2gtk-driver xauth node=nodejs npm=npm

echo "== the browser driver for the page's test (puppeteer-core, as the lockfile pins it) =="
PUPPETEER_SKIP_DOWNLOAD=1 npm ci --prefix "$root/tests/web" --no-audit --no-fund --loglevel=error

echo "== a second build has nothing to do =="
again=$(cmake --build "$root/build")
if [ "$again" != "ninja: no work to do." ]; then
    echo "FAIL: a build right after a full build still ran:"; echo "$again"; exit 1
fi

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure

echo "== sanitized build (clang, AddressSanitizer + UndefinedBehaviorSanitizer) =="
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-san" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPB_WERROR=ON -DPB_SANITIZE=ON -DPB_FUZZ=ON -DPB_WEB=OFF
cmake --build "$root/build-san"
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizer/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== fuzzing the board's event handlers for ${FUZZ_SECONDS:-60} s =="
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
"$root/build-san/tests/fuzz_board" -max_total_time="${FUZZ_SECONDS:-60}" -print_final_stats=1 \
    -artifact_prefix="$root/build-san/" "$found" "$root/tests/fuzz/corpus" 2>&1 | tail -n 12

echo "== the suite under the sanitizers =="
ctest --test-dir "$root/build-san" --output-on-failure
