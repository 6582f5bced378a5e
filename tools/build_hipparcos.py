#!/usr/bin/env python3
"""Build data/hipparcos.bin, the faint-star catalogue, from d3-celestial's stars.14.json.

    python3 tools/build_hipparcos.py PATH/TO/stars.14.json            # write data/hipparcos.bin
    python3 tools/build_hipparcos.py PATH/TO/stars.14.json --check    # compare with the committed file

stars.14.json (d3-celestial 0.7.35, data/ folder; see data/sources/README.md for how to fetch it)
holds the Hipparcos stars to V 14: number, V, B-V, J2000 position. Only the stars that the bright-
star catalogue (data/bsc5.big) does not already draw are kept: a Hipparcos star is the same star as
a bsc5.big star when it lies within 0.1 degree of it and their V differ by at most 1 magnitude
(the two catalogues' positions differ by proper motion over at most a few decades, well under
0.1 degree, and double stars are listed once in one and twice in the other, so the magnitudes may
differ somewhat). Python 3 standard library only; the output depends only on the two inputs.

File layout (little-endian):
  header  8 bytes "VNHIP1\\0\\0", uint32 star count, uint32 cell count (36 x 72)
  index   cell count + 1 uint32: the first star of each cell, then the star count
  stars   16 bytes each: int32 HIP number, float RA (hours), float Dec (degrees),
          int16 V x 100, int16 B-V x 1000 (-32768: unknown)
Cells are 5 x 5 degrees: cell = zone * 72 + raCell, zone = floor((Dec + 90) / 5) (89.9.. in the
last), raCell = floor(RA degrees / 5). Within a cell the stars go brightest first (then by number),
so a chart can skip the cells off screen and stop a cell at its magnitude limit.
"""

import argparse
import json
import math
import struct
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
ZONES, RA_CELLS = 36, 72
MATCH_DEGREES, MATCH_MAGNITUDES = 0.1, 1.0


def bright_stars():
    data = (ROOT / "data" / "bsc5.big").read_bytes()
    stars = []
    for i in range(len(data) // 28):
        _, _, ra, dec, mag = struct.unpack_from("<12sifff", data, i * 28)
        stars.append((ra * 15.0, dec, mag))
    return stars


def cell_of(ra_deg, dec):
    zone = min(ZONES - 1, int((dec + 90.0) // 5.0))
    return zone * RA_CELLS + min(RA_CELLS - 1, int(ra_deg // 5.0))


def separation(a_ra, a_dec, b_ra, b_dec):
    ra1, d1, ra2, d2 = map(math.radians, (a_ra, a_dec, b_ra, b_dec))
    c = math.sin(d1) * math.sin(d2) + math.cos(d1) * math.cos(d2) * math.cos(ra1 - ra2)
    return math.degrees(math.acos(max(-1.0, min(1.0, c))))


def build(source):
    features = json.loads(Path(source).read_text())["features"]
    # Bright stars by 1-degree declination band, for the neighbour search.
    bands = {}
    for ra, dec, mag in bright_stars():
        bands.setdefault(int(math.floor(dec)), []).append((ra, dec, mag))
    kept, matched = [], 0
    for f in features:
        hip = int(f["id"])
        mag = f["properties"].get("mag")
        if mag is None:
            continue
        lon, dec = f["geometry"]["coordinates"]
        ra = lon % 360.0
        same = False
        for band in range(int(math.floor(dec)) - 1, int(math.floor(dec)) + 2):
            for bra, bdec, bmag in bands.get(band, ()):
                if abs(bmag - mag) <= MATCH_MAGNITUDES and \
                        separation(ra, dec, bra, bdec) <= MATCH_DEGREES:
                    same = True
                    break
            if same:
                break
        if same:
            matched += 1
            continue
        try:
            bv = int(round(float(f["properties"].get("bv", "")) * 1000))
        except ValueError:
            bv = -32768
        kept.append((cell_of(ra, dec), round(mag * 100), hip, ra / 15.0, dec, bv))
    kept.sort(key=lambda s: (s[0], s[1], s[2]))
    cells = ZONES * RA_CELLS
    index, n = [], 0
    for c in range(cells):
        index.append(n)
        while n < len(kept) and kept[n][0] == c:
            n += 1
    index.append(n)
    out = bytearray(b"VNHIP1\0\0" + struct.pack("<II", len(kept), cells))
    out += struct.pack("<%dI" % len(index), *index)
    for _, mag, hip, ra, dec, bv in kept:
        out += struct.pack("<iffhh", hip, ra, dec, mag, bv)
    return bytes(out), len(features), matched, len(kept)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source", help="d3-celestial's data/stars.14.json")
    parser.add_argument("--check", action="store_true",
                        help="compare with data/hipparcos.bin instead of writing it")
    args = parser.parse_args()
    data, total, matched, kept = build(args.source)
    target = ROOT / "data" / "hipparcos.bin"
    print("hipparcos.bin %8d bytes: %d Hipparcos stars, %d in bsc5.big, %d kept"
          % (len(data), total, matched, kept))
    if args.check:
        if target.read_bytes() != data:
            print("hipparcos.bin differs from what the source makes", file=sys.stderr)
            return 1
        return 0
    target.write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
