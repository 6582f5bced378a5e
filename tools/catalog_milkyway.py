"""Milky Way edges (milky.bin) for the catalogue build.

The chart fills the band as eight polygons; polygon n runs along edge A from A[n + 1] back to
A[n] and then along edge B from B[n] to B[n + 1].  So A and B must be the two edges of the band
traversed in the same direction, with A[n] and B[n] on the same cross-section of the band.

Source: the outermost outline (ol1) of d3-celestial's mw.json.  Its first two rings are the
band's two edges, each a closed curve once around the sky (the other rings are dark holes
inside the band and are not drawn).  In galactic coordinates both edges are cut at the same
nine galactic longitudes (the breakpoints; the first and the last are the same longitude one
turn apart), and each piece between two breakpoints is reduced to the number of points the
chart gives it by Visvalingam-Whyatt simplification, which keeps the most prominent bends.
"""
import bisect
import heapq
import math
import struct

import catalog_geometry as geo

# Breakpoint indices into outline B (388 points) and outline A (224 points) used by the chart.
BREAKS_B = (0, 48, 100, 135, 260, 295, 350, 372, 387)
BREAKS_A = (0, 25, 50, 83, 100, 130, 157, 188, 223)

# The galactic longitude of the first breakpoint is searched in steps of this many degrees for
# the start whose pieces best share the chart's point counts with the source's detail.
START_SEARCH_STEP = 1.0


def _increasing(ring):
    """The ring as a list of (l, b) with l increasing overall (reversed if needed)."""
    pts = [geo.to_galactic(p[0], p[1]) for p in ring]
    if pts[0] == pts[-1]:
        pts = pts[:-1]
    total = 0.0
    for (l1, _), (l2, _) in zip(pts, pts[1:] + pts[:1]):
        total += (l2 - l1 + 180.0) % 360.0 - 180.0
    if total < 0:
        pts.reverse()
    return pts


def _turn(pts, start):
    """One full turn of the closed ring from its first crossing of longitude start, with the
    longitudes unwrapped to start .. start + 360; the crossing points are added exactly."""
    n = len(pts)
    unwrapped = [pts[0]]
    for k in range(1, 2 * n + 1):  # twice round, so a whole turn follows any crossing
        l, b = pts[k % n]
        prev = unwrapped[-1][0]
        unwrapped.append((prev + (l - prev + 180.0) % 360.0 - 180.0, b))

    def crossing(k, target):
        (l1, b1), (l2, b2) = unwrapped[k], unwrapped[k + 1]
        return b1 + (target - l1) / (l2 - l1) * (b2 - b1)

    for k in range(n):
        l1, l2 = unwrapped[k][0], unwrapped[k + 1][0]
        target = start + 360.0 * math.ceil((l1 - start) / 360.0)
        if target == l1:
            target += 360.0
        if not l1 < target <= l2:
            continue
        shift = target - start
        turn = [(start, crossing(k, target))]
        for j in range(k + 1, 2 * n):
            if unwrapped[j + 1][0] >= target + 360.0 and unwrapped[j][0] < target + 360.0:
                turn.append((unwrapped[j][0] - shift, unwrapped[j][1]))
                turn.append((start + 360.0, crossing(j, target + 360.0)))
                return turn
            turn.append((unwrapped[j][0] - shift, unwrapped[j][1]))
        break
    raise ValueError("Milky Way edge does not make a turn from longitude %.1f" % start)


def _cut(turn, longitudes):
    """Pieces of a turn between consecutive longitudes (first crossing of each)."""
    pieces = []
    current = [turn[0]]
    targets = list(longitudes[1:-1])
    for (l1, b1), (l2, b2) in zip(turn, turn[1:]):
        while targets and l1 < targets[0] <= l2:
            t = (targets[0] - l1) / (l2 - l1)
            point = (targets[0], b1 + t * (b2 - b1))
            current.append(point)
            pieces.append(current)
            current = [point]
            targets.pop(0)
        current.append((l2, b2))
    pieces.append(current)
    if targets or len(pieces) != len(longitudes) - 1:
        raise ValueError("Milky Way edge pieces do not match the breakpoints")
    return pieces


def _simplify(piece, keep):
    """Visvalingam-Whyatt: drop interior points of least effective area until keep remain
    (ends always kept); if the piece has too few points, split its longest segments."""
    pts = list(piece)
    while len(pts) < keep:
        i = max(range(len(pts) - 1), key=lambda k: (abs(pts[k + 1][0] - pts[k][0])
                                                      + abs(pts[k + 1][1] - pts[k][1]), -k))
        mid = ((pts[i][0] + pts[i + 1][0]) / 2, (pts[i][1] + pts[i + 1][1]) / 2)
        pts.insert(i + 1, mid)
    if len(pts) == keep:
        return pts

    def area(a, b, c):
        return abs((b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1])) / 2.0

    n = len(pts)
    prev = list(range(-1, n - 1))
    nxt = list(range(1, n + 1))
    alive = [True] * n
    heap = [(area(pts[i - 1], pts[i], pts[i + 1]), i) for i in range(1, n - 1)]
    heapq.heapify(heap)
    current = {i: a for a, i in heap}
    remaining = n
    while remaining > keep:
        a, i = heapq.heappop(heap)
        if not alive[i] or current.get(i) != a:
            continue
        alive[i] = False
        remaining -= 1
        p, q = prev[i], nxt[i]
        nxt[p], prev[q] = q, p
        for j in (p, q):
            if 0 < j < n - 1 and alive[j]:
                new = max(area(pts[prev[j]], pts[j], pts[nxt[j]]), a)
                current[j] = new
                heapq.heappush(heap, (new, j))
    return [pts[i] for i in range(n) if alive[i]]


class _Density:
    """Share of a ring's source vertices that lie within a stretch of galactic longitude."""

    def __init__(self, ring):
        self.longitudes = sorted(l % 360.0 for l, _ in ring)

    def share(self, start, end):
        """Share of vertices with longitude in [start, end), 0 <= end - start <= 360."""
        ls = self.longitudes
        lo, hi = start % 360.0, (start % 360.0) + (end - start)
        count = bisect.bisect_left(ls, min(hi, 360.0)) - bisect.bisect_left(ls, lo)
        if hi > 360.0:
            count += bisect.bisect_left(ls, hi - 360.0)
        return count / len(ls)


def _breakpoint_longitudes(density_a, density_b, start):
    """Longitudes of the nine breakpoints from start: each piece gets the stretch of the band
    where, on average over both edges, the source has the same share of its points as the
    chart gives the piece."""
    longitudes = [start]
    for n in range(1, 8):
        want = (BREAKS_A[n] / BREAKS_A[-1] + BREAKS_B[n] / BREAKS_B[-1]) / 2.0
        lo, hi = longitudes[-1], start + 360.0
        for _ in range(40):
            mid = (lo + hi) / 2.0
            have = (density_a.share(start, mid) + density_b.share(start, mid)) / 2.0
            if have < want:
                lo = mid
            else:
                hi = mid
        longitudes.append(round(hi, 3))
    longitudes.append(start + 360.0)
    return longitudes


def _mismatch(density_a, density_b, longitudes):
    """How far the pieces' point counts are from the detail of the source (sum of squares)."""
    total = 0.0
    for density, breaks in ((density_a, BREAKS_A), (density_b, BREAKS_B)):
        for n in range(8):
            have = density.share(longitudes[n], longitudes[n + 1])
            want = (breaks[n + 1] - breaks[n]) / breaks[-1]
            total += (have - want) ** 2
    return total


def build_milky_way(mw_json, count_a, count_b):
    ol1 = next(f for f in mw_json["features"] if f["id"] == "ol1")
    rings = ol1["geometry"]["coordinates"][0]
    # of the two edge rings, the more detailed one gets the longer outline B
    north, south = sorted(rings[:2], key=len, reverse=True)
    ring_b, ring_a = _increasing(north), _increasing(south)
    density_a, density_b = _Density(ring_a), _Density(ring_b)
    best = None
    for k in range(int(360 / START_SEARCH_STEP)):
        start = k * START_SEARCH_STEP
        longitudes = _breakpoint_longitudes(density_a, density_b, start)
        score = _mismatch(density_a, density_b, longitudes)
        if best is None or score < best[0] - 1e-12:
            best = (score, longitudes)
    longitudes = best[1]
    start = longitudes[0]
    turn_a, turn_b = _turn(ring_a, start), _turn(ring_b, start)
    out = bytearray()
    for turn, breaks, count in ((turn_a, BREAKS_A, count_a), (turn_b, BREAKS_B, count_b)):
        pieces = _cut(turn, longitudes)
        points = []
        for n, piece in enumerate(pieces):
            simple = _simplify(piece, breaks[n + 1] - breaks[n] + 1)
            points.extend(simple if n == 0 else simple[1:])
        if len(points) != count:
            raise ValueError("Milky Way edge has %d points, expected %d" % (len(points), count))
        for l, b in points:
            lon, lat = geo.from_galactic(l % 360.0, b)
            hours = round(lon / 15.0, 6)
            out += struct.pack("<ff", 0.0 if hours >= 24.0 else hours, round(lat, 6) + 0.0)
    info = "edges A %d + B %d points from mw.json ol1, breakpoints at galactic l = %s" % (
        count_a, count_b, ", ".join("%.1f" % (l % 360.0) for l in longitudes[:-1]))
    return bytes(out), info


# The glow file (milkyglow.bin): the inner brightness levels ol2..ol5 of mw.json, which the
# natural style of the chart lays over the outer band as a soft glow.  Every ring of a level is
# kept (rings of fewer than GLOW_MIN_RING points after thinning are specks and are dropped);
# along a ring a point closer than GLOW_MIN_STEP degrees to the last one kept is dropped.
GLOW_LEVELS = ("ol2", "ol3", "ol4", "ol5")
GLOW_MIN_STEP = 0.35  # degrees
GLOW_MIN_RING = 4


def build_milky_glow(mw_json):
    """milkyglow.bin: 12-byte records <ffi>: right ascension (hours), declination (degrees), and
    the ring's level 2..5 on the first point of each ring, 0 on the points that follow it."""
    out = bytearray()
    rings_kept = 0
    for level, name in enumerate(GLOW_LEVELS, start=2):
        feature = next(f for f in mw_json["features"] if f["id"] == name)
        for polygon in feature["geometry"]["coordinates"]:
            for ring in polygon:
                points = [ring[0]]
                for p in ring[1:]:
                    last = points[-1]
                    if geo.separation(last[0], last[1], p[0], p[1]) >= GLOW_MIN_STEP:
                        points.append(p)
                if len(points) > 1 and points[-1] == points[0]:
                    points.pop()
                if len(points) < GLOW_MIN_RING:
                    continue
                rings_kept += 1
                for i, (lon, lat) in enumerate(points):
                    ra = (lon % 360.0) / 15.0
                    out += struct.pack("<ffi", ra, lat, level if i == 0 else 0)
    return bytes(out), "levels 2..5, %d rings, %d points" % (rings_kept, len(out) // 12)
