#!/usr/bin/env bash
# Installs the Debian packages the board needs, and any named as arguments
# (only those missing, with sudo when not root), then configures and builds
# into build/: everything, or only the targets named in PB_TARGETS. A command
# named as command=package is looked for on the path instead, so a node
# installed some other way is used as it is.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wanted=(cmake ninja-build g++ qt6-base-dev libbenchmark-dev fonts-ipafont-gothic "$@")

missing=()
for item in "${wanted[@]}"; do
    case "$item" in
    *=*)
        command -v "${item%%=*}" >/dev/null || missing+=("${item#*=}")
        ;;
    *)
        dpkg-query -W -f='${Status}' "$item" 2>/dev/null | grep -q 'install ok installed' || missing+=("$item")
        ;;
    esac
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPB_WERROR=ON -DPB_WEB="${PB_WEB:-AUTO}"
targets=()
for target in ${PB_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$root/build" "${targets[@]}"
