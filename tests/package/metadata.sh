#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators; the metainfo names the
# desktop entry that is installed, the binary, and the screenshot kept in data/screenshots. The
# desktop entry claims no file types: a planetarium offered under "Open With" for every photo is
# wrong (its picture viewer stays reachable from File > Open).
# $1 = the vesperanova executable, $2 = the source directory.
set -u
src="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
id=org.vesperanova.Vesperanova
metainfo="$src/data/metainfo/$id.metainfo.xml"
desktop="$src/data/$id.desktop"

desktop-file-validate "$desktop" || fail "desktop-file-validate"
! grep -q '^MimeType=' "$desktop" || fail "the desktop entry claims file types: $(grep '^MimeType=' "$desktop")"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "launchable"
grep -q "<binary>vesperanova</binary>" "$metainfo" || fail "provides binary"
# Every screenshot (the classic chart and the natural one) is kept here, at the size it says.
shots=0
while read -r shot size; do
    shots=$((shots + 1))
    [ -f "$src/data/screenshots/$shot" ] || fail "screenshot $shot not in data/screenshots"
    real="$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$src/data/screenshots/$shot")"
    [ "$size" = "$real" ] || fail "screenshot $shot is $real, metainfo says $size"
done < <(sed -n 's#.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/\([^/<]*\)</image>.*#\3 \1x\2#p' "$metainfo")
[ "$shots" -ge 2 ] || fail "the metainfo shows $shots screenshots, not the classic and the natural one"
grep -q "release version=\"$("$1" --version | cut -d' ' -f2)\"" "$metainfo" ||
    fail "no release entry for $("$1" --version)"
echo "metadata ok"
