#!/usr/bin/env bash
# Builds the .deb, has Debian's lintian check it, unpacks it into a scratch
# root and checks that the files land where the desktop menu finds them,
# valid, with the dependencies a machine needs to run the board, and that the
# page it carries is the committed one; that it is hardened and reproducible,
# the same bytes on every build machine.
set -euo pipefail
build=$1 source=$2
id=org.parallelboard.ParallelBoard
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

unset SOURCE_DATE_EPOCH # the package takes the commit's time itself
(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/*.deb)
dpkg -x "$deb" "$scratch/root"

status=0
check() { # what, then the command that must succeed
    local what=$1; shift
    if "$@"; then echo "PASS: $what"; else echo "FAIL: $what"; status=1; fi
}
need() { if [ -e "$scratch/root/$1" ]; then echo "PASS: $1"; else echo "FAIL: missing $1"; status=1; fi; }
# Errors and warnings fail; lintian's informational tags do not, but those
# that tell of a program built without Debian's hardening do.
if findings=$(lintian --pedantic -I --fail-on error,warning "$deb" 2>&1); then
    echo "PASS: lintian finds no error and no warning"
else
    echo "FAIL: lintian:"; echo "$findings"; status=1
fi
lacks() { ! grep -q "$@"; }
check "built with Debian's hardening (lintian names no hardening tag)" lacks hardening- <<<"$findings"

# The same commit packs into the same bytes at any time, from any folder and
# on any CPU: packed again a second later from inputs touched since, the .deb
# is the same, and so it is packed on an older CPU (qemu's Nehalem: no AVX)
# where the toolkit's routines differ; the program names neither the source
# nor the build folder, not even in its debug information; the files are
# packed in a fixed order; the icons are the source's files as they are (no
# CPU draws them at build time).
sleep 1
find "$build/parallel-board" "$build/doc" -exec touch {} +
(cd "$build" && cpack -G DEB -B "$scratch/again" >/dev/null)
check "packed again later, the .deb is the same file" cmp -s "$deb" "$scratch"/again/*.deb
(cd "$build" && qemu-x86_64 -cpu Nehalem "$(command -v cpack)" -G DEB -B "$scratch/nehalem" >/dev/null)
check "packed on another CPU (qemu-x86_64 -cpu Nehalem), the .deb is the same file" cmp -s "$deb" "$scratch"/nehalem/*.deb
check "the program names neither the folder it was built from nor the one it was built in" \
    lacks -aF -e "$(cd "$source" && pwd)" -e "$(cd "$build" && pwd)" "$build/parallel-board"
sorted() { dpkg-deb --fsys-tarfile "$1" | tar -t | LC_ALL=C sort -c; }
check "the package's files are in a fixed order" sorted "$deb"
for size in 16 32 48 256; do
    check "the ${size} px icon is data/icons/board-${size}.png, byte for byte" \
        cmp -s "$scratch/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" "$source/data/icons/board-${size}.png"
done

need usr/bin/parallel-board
need usr/share/man/man1/parallel-board.1.gz
need usr/share/doc/parallel-board/changelog.gz
need usr/share/doc/parallel-board/copyright
need usr/share/applications/$id.desktop
need usr/share/metainfo/$id.metainfo.xml
need usr/share/icons/hicolor/scalable/apps/$id.svg
for size in 16 32 48 256; do need usr/share/icons/hicolor/${size}x${size}/apps/$id.png; done

if readelf -S "$scratch/root/usr/bin/parallel-board" | grep -q '\.debug_\|\.symtab'; then
    echo "FAIL: the packaged program still carries its symbols"; status=1
else
    echo "PASS: the packaged program is stripped"
fi

desktop-file-validate "$scratch/root/usr/share/applications/$id.desktop" && echo "PASS: desktop entry valid" || status=1
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/$id.metainfo.xml" >/dev/null \
    && echo "PASS: metainfo valid" || { echo "FAIL: metainfo invalid"; status=1; }

if cmp -s "$scratch/root/usr/share/parallel-board/parallel-board.html" "$source/dist/parallel-board.html"; then
    echo "PASS: the installed page is the committed one"
else
    echo "FAIL: usr/share/parallel-board/parallel-board.html is not dist/parallel-board.html"; status=1
fi

depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-ipafont-gothic libqt6widgets6 libqt6gui6 libc6; do
    case "$depends" in *"$dep"*) echo "PASS: depends on $dep" ;; *) echo "FAIL: no dependency on $dep ($depends)"; status=1 ;; esac
done
exit $status
