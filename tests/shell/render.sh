#!/usr/bin/env bash
# vesperanova --render: PNG, SVG and PDF files of one frame without a display, the picking tables
# as JSON, the printed page on white paper, exit status 2 with one line on stderr for bad
# options, and the user's profile never written.
# $1 = the vesperanova executable, $2 = the source directory.
set -u
exe="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export XDG_CONFIG_HOME="$tmp/config"
export HOME="$tmp/home"
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"
cd "$tmp" || exit 1

when=(--date 2024-03-10T22:00 --lon 19:55E --lat 50:02N --zone 1)

# Width, height and one pixel of a PNG (8-bit RGB or RGBA, not interlaced), by plain zlib.
cat >"$tmp/png.py" <<'PY'
import struct, sys, zlib
def read(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat, w, h, ctype = 8, b"", 0, 0, 0
    while pos < len(data):
        n, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + n]
        if kind == b"IHDR":
            w, h, depth, ctype = struct.unpack(">IIBB", body[:10])
            assert depth == 8 and body[12] == 0
        elif kind == b"IDAT":
            idat += body
        pos += 12 + n
    bpp = {2: 3, 6: 4}[ctype]
    raw, rows, prev = zlib.decompress(idat), [], bytearray(w * bpp)
    stride = w * bpp + 1
    for y in range(h):
        f, line = raw[y * stride], bytearray(raw[y * stride + 1:(y + 1) * stride])
        for i in range(len(line)):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if f == 1: line[i] = (line[i] + a) & 255
            elif f == 2: line[i] = (line[i] + b) & 255
            elif f == 3: line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pr = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pr) & 255
        rows.append(line)
        prev = line
    return w, h, lambda x, y: tuple(rows[y][x * bpp:x * bpp + 3])
PY

# The default chart, with its picking tables.
"$exe" --render sky.png "${when[@]}" --profile "$tmp/none.ini" --objects objects.json \
    2>err || fail "default render: $(cat err)"
[ -s err ] && fail "default render wrote to stderr: $(cat err)"
python3 - <<'PY' || fail "default picture"
import json, sys
sys.path.insert(0, ".")
from png import read
w, h, px = read("sky.png")
assert (w, h) == (1600, 1000), (w, h)
assert px(0, 0) == (0, 0, 0), px(0, 0)  # black sky
lit = sum(1 for y in range(0, h, 7) for x in range(0, w, 7) if px(x, y) != (0, 0, 0))
assert lit > 200, lit  # stars, lines and labels were drawn
d = json.load(open("objects.json"))
geometry = (d["centerX"], d["centerY"], d["radius"])
assert geometry == (800, 500, 1380), geometry
assert len(d["stars"]) > 300, len(d["stars"])
for s in d["stars"]:
    assert 0 < s["x"] < 1600 and 0 < s["y"] < 1000, s
    assert set(s) == {"index", "hr", "name", "x", "y", "magnitude"}, s
assert any(s["name"] == "Betelgeuse" for s in d["stars"])
assert all(b["name"] in ("Moon", "Sun", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
                         "Uranus", "Neptune", "Pluto") for b in d["bodies"])
assert any(o["name"] == "M 42" for o in d["deepSky"]), [o["name"] for o in d["deepSky"]]
assert "faintStars" not in d  # the layer is off
PY

# The same command draws the same picture.
"$exe" --render again.png "${when[@]}" --profile "$tmp/none.ini" || fail "second render"
cmp -s sky.png again.png || fail "two renders of the same chart differ"

# Centring on Betelgeuse (5h55m10s, +7 24'): at level 5 it lies on the centre column, below the
# centre by the truncated 0.4 degree of declination (about 20 pixels).
"$exe" --render centre.png "${when[@]}" --profile "$tmp/none.ini" --level 5 \
    --center 5.9194,7.407 --objects centre.json || fail "centred render"
python3 - <<'PY' || fail "centring"
import json
d = json.load(open("centre.json"))
b = [s for s in d["stars"] if s["name"] == "Betelgeuse"]
assert b, "Betelgeuse not drawn"
assert abs(b[0]["x"] - 800) <= 2 and 0 <= 500 - b[0]["y"] <= 25, b[0]
PY

# Faint stars at a deep level in Auto mode, centred 0.31 degree north of Barnard's star (HIP
# 87937, 17h57m48s +4 41'): every faint star drawn is within level 15's automatic limit (10.25,
# the automatic-limits table), and every star of hipparcos.bin within that limit and 0.9 degree
# of the centre (well inside the 2-degree-high field) is drawn, Barnard's star on the centre column.
printf '[Settings]\nAutoMode=1\n' >auto.ini
"$exe" --render deep.png "${when[@]}" --profile auto.ini --level 15 --layers +faintstars \
    --center 17.9635,5 --objects deep.json || fail "deep render"
python3 - "$2/data/hipparcos.bin" <<'PY' || fail "faint stars at a deep level"
import json, math, struct, sys
d = json.load(open("deep.json"))
drawn = {s["hip"]: s for s in d["faintStars"]}
assert all(s["magnitude"] <= 10.25 for s in drawn.values()), d["faintStars"]
assert abs(drawn[87937]["x"] - 800) <= 2, drawn[87937]
data = open(sys.argv[1], "rb").read()
count, cells = struct.unpack_from("<II", data, 8)
at = 16 + (cells + 1) * 4
c = (math.radians(17.9635 * 15), math.radians(5.0))
near = set()
for i in range(count):
    hip, ra, dec, v = struct.unpack_from("<iffh", data, at + 16 * i)
    a, b = math.radians(ra * 15), math.radians(dec)
    cos = math.sin(b) * math.sin(c[1]) + math.cos(b) * math.cos(c[1]) * math.cos(a - c[0])
    if v / 100 <= 10.25 and cos >= math.cos(math.radians(0.9)):
        near.add(hip)
assert 87937 in near and near <= set(drawn), sorted(near - set(drawn))
PY

# Local-horizon chart, southern observer, every layer on and a coloured sky: all drawn.
"$exe" --render horizon.png "${when[@]}" --profile "$tmp/none.ini" --mode horizon --level 0 \
    --size 800x600 || fail "horizon render"
"$exe" --render south.png "${when[@]}" --lat 33:52S --lon 151:12E --zone 10 \
    --profile "$tmp/none.ini" --colored-sky --size 640x480 \
    --layers +grid,+figures,+starnames,+boundaries,+deepsky,+deepskynames,+ecliptic,+horizon,+milkyway,+solarsystem,+solsyslabels,-coloredstars \
    || fail "southern render"
python3 - <<'PY' || fail "sizes"
import sys
sys.path.insert(0, ".")
from png import read
assert read("horizon.png")[:2] == (800, 600)
assert read("south.png")[:2] == (640, 480)
PY

# Vector files.
"$exe" --render sky.svg "${when[@]}" --profile "$tmp/none.ini" --size 400x300 || fail "svg"
head -c 200 sky.svg | grep -q "<svg" || fail "not an SVG"
"$exe" --render sky.pdf "${when[@]}" --profile "$tmp/none.ini" --print --page 600x800 ||
    fail "pdf"
head -c 5 sky.pdf | grep -q "%PDF" || fail "not a PDF"

# The printed page: white paper with its black border, the picking tables in page pixels.
"$exe" --render page.png "${when[@]}" --profile "$tmp/none.ini" --print --page 600x800 \
    --objects page.json || fail "printed render"
python3 - <<'PY' || fail "printed page"
import json, sys
sys.path.insert(0, ".")
from png import read
w, h, px = read("page.png")
assert (w, h) == (600, 800), (w, h)
assert px(0, 0) == (0, 0, 0) and px(599, 799) == (0, 0, 0), "border"
assert px(1, 1) == (255, 255, 255), px(1, 1)
d = json.load(open("page.json"))
# Level 2 of a 1000-pixel screen (base 460) on a page 600 wide: 1380 * 600 / 1000.
geometry = (d["centerX"], d["centerY"], d["radius"])
assert geometry == (300, 400, 828), geometry
PY

# Bad options: exit status 2 and one line on stderr, no file written.
bad() {
    "$exe" --render "$@" >out 2>err
    local status=$?
    [ "$status" -eq 2 ] || fail "expected status 2, got $status for: $*"
    [ "$(wc -l <err)" -eq 1 ] || fail "expected one line on stderr for $*: $(cat err)"
    [ -s out ] && fail "stdout not empty for $*"
    return 0
}
bad x.png --level 12
bad x.png --level two
bad x.png --size 10x10
bad x.png --size 800
bad x.png --size 20000x20000
bad x.png --mode sideways
bad x.png --center 25,0
bad x.png --center 5
bad x.png --layers +grid,-stars
bad x.png --page 100x100
bad x.png --bogus
bad x.png extra
bad x.jpg
bad x.png --date 2024-13-01T00:00
bad
[ -e x.png ] && fail "a failed render left a file"

# Help on stdout; the profile is never written.
"$exe" --render --help >out 2>err || fail "help"
grep -q "Usage: vesperanova --render" out || fail "help text"
[ -e "$XDG_CONFIG_HOME/vesperanova/nocta.ini" ] && fail "the profile was written"
[ -e "$tmp/none.ini" ] && fail "the named profile was written"
exit 0
