#!/usr/bin/env bash
# Builds the .deb, has Debian's lintian check it, unpacks it into a scratch
# root and checks that the files land where the desktop menu finds them,
# valid, with the dependencies a machine needs to run the board, and that the
# page it carries is the committed one.
set -euo pipefail
build=$1 source=$2
id=org.parallelboard.ParallelBoard
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/*.deb)
dpkg -x "$deb" "$scratch/root"

status=0
need() { if [ -e "$scratch/root/$1" ]; then echo "PASS: $1"; else echo "FAIL: missing $1"; status=1; fi; }
# Errors and warnings fail; lintian's informational tags do not.
if findings=$(lintian --fail-on error,warning "$deb" 2>&1); then
    echo "PASS: lintian finds no error and no warning"
else
    echo "FAIL: lintian:"; echo "$findings"; status=1
fi

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
