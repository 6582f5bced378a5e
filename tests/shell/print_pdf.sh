#!/usr/bin/env bash
# The printed chart as a PDF file, made without a printer or a display, turned back into a
# picture by Ghostscript: a white A4 page with the black border along its edges and the chart's
# black stars and lines on it.
set -u
exe="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1
fail() { echo "FAIL: $*"; exit 1; }
command -v gs >/dev/null || fail "Ghostscript (gs) is needed to read the PDF back (tools/install-deps.sh)"

env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$tmp" "$exe" --render page.pdf \
    --date 2000-01-01T22:00 --lon 19:55E --lat 50:02N --zone 1 --profile "$tmp/none.ini" --print \
    || fail "printed PDF"
# 2480 x 3508 printer pixels at 300 per inch: an A4 page, read back at the same resolution so
# that the one-pixel border lands on whole pixels of the picture.
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pgmraw -r300 -sOutputFile=page.pgm page.pdf ||
    fail "Ghostscript could not read the PDF"
python3 - <<'PY' || fail "printed page picture"
with open("page.pgm", "rb") as f:
    data = f.read()
# Binary PGM: "P5", width, height, maximum (comment lines start with #), then one byte per
# pixel.
header, pos = [], 0
while len(header) < 4:
    end = data.index(b"\n", pos)
    line = data[pos:end]
    pos = end + 1
    if not line.startswith(b"#"):
        header += line.split()
assert header[0] == b"P5", header[0]
w, h = int(header[1]), int(header[2])
pixels = data[pos : pos + w * h]
assert abs(w - 2480) <= 1 and abs(h - 3508) <= 1, (w, h)
def dark(x, y):
    return pixels[y * w + x] < 128
# The border: the outermost rows and columns (a hairline may land on the second one).
for x in range(5, w - 5, 50):
    assert dark(x, 0) or dark(x, 1), ("top", x)
    assert dark(x, h - 1) or dark(x, h - 2), ("bottom", x)
for y in range(5, h - 5, 50):
    assert dark(0, y) or dark(1, y), ("left", y)
    assert dark(w - 1, y) or dark(w - 2, y), ("right", y)
# Inside: white paper with the chart on it.
inside = [pixels[y * w + x] for y in range(3, h - 3, 2) for x in range(3, w - 3, 2)]
black = sum(1 for p in inside if p < 128)
assert len(inside) // 2000 < black < len(inside) // 3, (black, len(inside))
assert sum(1 for p in inside if p > 240) > len(inside) // 2
PY
echo "ok: printed PDF page"
