"""Constellation stick figures (cnstline.bin) and boundaries (constell.bin) for the catalogue
build.  Both files are runs of FigurePoint records (RA hours, Dec degrees as float32, int32
flag):

- figures: flag 0 draws a segment to the next record, flag 1 ends a figure;
- boundaries: flag 1 draws a segment to the next record, flag 0 ends a run.
"""
import collections
import math
import struct

import catalog_geometry as geo

MATCH_RADIUS = 0.3  # degrees: a figure vertex is the catalogue star within this distance
UNMATCHED_MAG = 7.0  # magnitude given to a figure vertex with no catalogue star near it
COLLINEAR_RATIO = 0.08  # a vertex this close to the line of its neighbours (fraction of the
#                        line's length) may be dropped from a figure without changing its look
CONTRACTION_BONUS = 1.0  # magnitudes: prefer dropping such a vertex to cutting a branch tip
BEND_PENALTY = 4.0  # magnitudes per unit of deviation ratio for dropping a vertex off the line
CYCLE_PENALTY = 1.0  # magnitudes: opening a closed loop costs more than cutting a tip
FAIRNESS = 3.0  # magnitudes added for a figure that still has all its segments (pro rata)
MIN_SEGMENTS = 3  # every figure keeps at least this many segments (or all it has)


def _key(point):
    return (round(point[0], 4), round(point[1], 4))


def _ra_hours(lon):
    hours = round((lon % 360.0) / 15.0, 6)
    return 0.0 if hours >= 24.0 else hours


def _pack(lon, lat, flag):
    return struct.pack("<ffi", _ra_hours(lon), round(lat, 6) + 0.0, flag)


class _StarIndex:
    """Catalogue stars in one-degree declination bands for nearest-star lookups."""

    def __init__(self, stars):
        self.bands = collections.defaultdict(list)
        for s in stars:
            self.bands[int(math.floor(s.dec))].append(s)

    def magnitude_near(self, lon, lat):
        best = None
        for band in range(int(math.floor(lat - MATCH_RADIUS)), int(math.floor(lat + MATCH_RADIUS)) + 1):
            for s in self.bands.get(band, ()):
                d = geo.separation(lon, lat, s.ra * 15.0, s.dec)
                if d <= MATCH_RADIUS and (best is None or d < best[0]):
                    best = (d, s.mag)
        return best[1] if best else UNMATCHED_MAG


class _Figure:
    """The undirected graph of one figure (one feature of constellations.lines.json)."""

    def __init__(self, name, polylines):
        self.name = name
        self.position = {}
        self.adj = collections.defaultdict(set)
        for line in polylines:
            for p, q in zip(line, line[1:]):
                a, b = _key(p), _key(q)
                self.position.setdefault(a, (p[0], p[1]))
                self.position.setdefault(b, (q[0], q[1]))
                if a != b:
                    self.adj[a].add(b)
                    self.adj[b].add(a)

    def edge_count(self):
        return sum(len(n) for n in self.adj.values()) // 2

    def components(self):
        seen, result = set(), []
        for start in sorted(self.adj):
            if start in seen:
                continue
            comp, stack = [], [start]
            seen.add(start)
            while stack:
                v = stack.pop()
                comp.append(v)
                for w in self.adj[v]:
                    if w not in seen:
                        seen.add(w)
                        stack.append(w)
            result.append(sorted(comp))
        return result

    def point_count(self):
        """Records needed: every edge once plus one start point per chain; a connected part
        with k odd vertices needs max(1, k/2) chains."""
        chains = 0
        for comp in self.components():
            odd = sum(1 for v in comp if len(self.adj[v]) % 2)
            chains += max(1, odd // 2)
        return self.edge_count() + chains

    def remove_edge(self, a, b):
        self.adj[a].discard(b)
        self.adj[b].discard(a)
        for v in (a, b):
            if not self.adj[v]:
                del self.adj[v]

    def chains(self):
        """Cover every edge exactly once with as few polylines as possible (Hierholzer's walk
        on the graph joined through a virtual vertex to every odd vertex)."""
        result = []
        for comp in self.components():
            adj = {v: set(self.adj[v]) for v in comp}
            odd = [v for v in comp if len(adj[v]) % 2]
            virtual = ("virtual",)
            if odd:
                adj[virtual] = set(odd)
                for v in odd:
                    adj[v].add(virtual)
            start = virtual if odd else comp[0]
            stack, circuit = [start], []
            while stack:
                v = stack[-1]
                if adj[v]:
                    w = min(adj[v], key=lambda x: (x == virtual, x))
                    adj[v].discard(w)
                    adj[w].discard(v)
                    stack.append(w)
                else:
                    circuit.append(stack.pop())
            chain = []
            for v in circuit:
                if v == virtual:
                    if len(chain) > 1:
                        result.append(chain)
                    chain = []
                else:
                    chain.append(v)
            if len(chain) > 1:
                result.append(chain)
        return result


def _deviation_ratio(pa, pv, pc):
    """Distance of pv from the great circle through pa and pc, over the length of pa-pc."""
    a, v, c = geo.vector(*pa), geo.vector(*pv), geo.vector(*pc)
    n = (a[1] * c[2] - a[2] * c[1], a[2] * c[0] - a[0] * c[2], a[0] * c[1] - a[1] * c[0])
    norm = math.sqrt(sum(x * x for x in n))
    length = geo.separation(pa[0], pa[1], pc[0], pc[1])
    if norm < 1e-12 or length < 1e-9:
        return float("inf")
    off = math.degrees(math.asin(min(1.0, abs(sum(x * y for x, y in zip(n, v))) / norm)))
    # the vertex must also lie between its neighbours
    if geo.separation(pa[0], pa[1], pv[0], pv[1]) > length or \
            geo.separation(pc[0], pc[1], pv[0], pv[1]) > length:
        return float("inf")
    return off / length


def _still_connected(fig, a, b):
    """Whether a and b stay connected when the segment a-b is removed."""
    seen, stack = {a}, [a]
    while stack:
        v = stack.pop()
        for w in fig.adj[v]:
            if (v, w) in ((a, b), (b, a)) or w in seen:
                continue
            if w == b:
                return True
            seen.add(w)
            stack.append(w)
    return False


def _candidates(fig, mags, deviation):
    """Simplification steps of one figure as (score, action, vertex, other vertices); the
    higher the score, the less the figure loses."""
    for v in sorted(fig.adj):
        nbrs = sorted(fig.adj[v])
        if len(nbrs) == 1:
            yield mags[v], "cut", v, nbrs
        elif len(nbrs) == 2 and nbrs[1] not in fig.adj[nbrs[0]]:
            ratio = deviation(fig, nbrs[0], v, nbrs[1])
            bonus = CONTRACTION_BONUS if ratio <= COLLINEAR_RATIO else -BEND_PENALTY * ratio
            yield mags[v] + bonus, "join", v, nbrs
        for w in nbrs:
            if w > v and len(fig.adj[w]) > 1 and len(nbrs) > 1 and _still_connected(fig, v, w):
                yield max(mags[v], mags[w]) - CYCLE_PENALTY, "open", v, [w]


def simplify_figures(lines_json, stars, count):
    """Stick figures of every constellation within count records.

    The d3-celestial figures need far more records than there are, so they are simplified one
    step at a time.  A step either cuts off a branch tip (a star with one line), or drops a
    star with two lines and joins its neighbours directly (cheap when it lies almost on their
    line, dearer the more it bends the figure), or opens a closed loop by removing one of its
    segments.  Each step is scored by the faintness of the star it loses, plus a share for
    how much of its figure is still left, so that every figure is thinned in turn and the
    brightest outlines stay.  Every figure keeps at least MIN_SEGMENTS segments (or all it has)."""
    index = _StarIndex(stars)
    figures = [_Figure(f["id"], f["geometry"]["coordinates"]) for f in lines_json["features"]]
    mags = {}
    for fig in figures:
        for key, pos in fig.position.items():
            if key not in mags:
                mags[key] = index.magnitude_near(*pos)
    deviations = {}

    def deviation(fig, a, v, c):
        key = (a, v, c)
        if key not in deviations:
            deviations[key] = _deviation_ratio(fig.position[a], fig.position[v], fig.position[c])
        return deviations[key]

    original_edges = [f.edge_count() for f in figures]
    original = sum(f.point_count() for f in figures)
    total = original
    while total > count:
        best = None
        for fi, fig in enumerate(figures):
            edges = fig.edge_count()
            if edges <= min(MIN_SEGMENTS, original_edges[fi]):
                continue
            share = FAIRNESS * edges / original_edges[fi]
            for score, action, v, others in _candidates(fig, mags, deviation):
                key = (score + share, fi, v, others)
                if best is None or key > best[0]:
                    best = (key, fi, action, v, others)
        if best is None:
            raise ValueError("figures cannot be simplified to %d records" % count)
        _, fi, action, v, others = best
        fig = figures[fi]
        before = fig.point_count()
        if action == "join":
            fig.remove_edge(v, others[0])
            fig.remove_edge(v, others[1])
            fig.adj[others[0]].add(others[1])
            fig.adj[others[1]].add(others[0])
        else:
            fig.remove_edge(v, others[0])
        total += fig.point_count() - before
    return figures, original


def build_figures(lines_json, stars, count):
    """cnstline.bin: the simplified figures, each as its fewest polylines; spare records
    end a figure at once."""
    figures, original = simplify_figures(lines_json, stars, count)
    out = bytearray()
    last = None
    segments = 0
    for fig in figures:
        for chain in fig.chains():
            for i, v in enumerate(chain):
                lon, lat = fig.position[v]
                out += _pack(lon, lat, 1 if i == len(chain) - 1 else 0)
                last = (lon, lat)
            segments += len(chain) - 1
    used = len(out) // 12
    if used > count:
        raise ValueError("figures use %d records" % used)
    # spare records end a figure at once (flag 1) and sit on the last point
    for _ in range(count - used):
        out += _pack(last[0], last[1], 1)
    info = "%d figures, %d segments in %d records (+%d spare); the sources need %d" % (
        len(figures), segments, used, count - used, original)
    return bytes(out), info


def _border_runs(borders_json):
    """Border lines of constellations.borders.json, each drawn once, joined end to start
    where one line continues another."""
    lines = []
    for feature in borders_json["features"]:
        for line in feature["geometry"]["coordinates"]:
            lines.append([(p[0], p[1]) for p in line])
    runs = []
    for line in lines:
        if runs and _key(runs[-1][-1]) == _key(line[0]):
            runs[-1].extend(line[1:])
        else:
            runs.append(list(line))
    return runs


def _parallel_length(p, q):
    """Length on the sky (degrees) of the segment p-q when it follows a parallel of B1875
    declination (the IAU boundaries run along parallels and hour circles of 1875), else 0."""
    a, b = geo.to_b1875(*p), geo.to_b1875(*q)
    if abs(a[1] - b[1]) > 0.002:
        return 0.0
    dra = abs((b[0] - a[0] + 180.0) % 360.0 - 180.0)
    return dra * math.cos(math.radians(a[1]))


def _pieces(length, step):
    return max(1, int(math.ceil(length / step - 1e-9)))


def _interpolated(p, q, pieces):
    """Interior points of p-q along the B1875 parallel, in J2000."""
    a, b = geo.to_b1875(*p), geo.to_b1875(*q)
    dra = (b[0] - a[0] + 180.0) % 360.0 - 180.0
    dec = (a[1] + b[1]) / 2.0
    return [geo.from_b1875(a[0] + dra * k / pieces, dec) for k in range(1, pieces)]


def build_boundaries(borders_json, count):
    """IAU boundaries within count records, parallels of declination curved by extra points.

    The step between interpolated points is the smallest (in steps of 0.01 degree) that fits;
    records left over repeat the last point with flag 0 and draw nothing."""
    runs = _border_runs(borders_json)
    lengths = [[_parallel_length(p, q) for p, q in zip(r, r[1:])] for r in runs]
    base = sum(len(r) for r in runs)

    def extra_points(step):
        return sum(_pieces(length, step) - 1 for row in lengths for length in row)

    step = 0.01
    while base + extra_points(step) > count:
        step = round(step + 0.01, 2)
    extra = extra_points(step)
    out = bytearray()
    for run, row in zip(runs, lengths):
        points = [run[0]]
        for p, q, length in zip(run, run[1:], row):
            points.extend(_interpolated(p, q, _pieces(length, step)))
            points.append(q)
        for i, (lon, lat) in enumerate(points):
            out += _pack(lon, lat, 0 if i == len(points) - 1 else 1)
    used = len(out) // 12
    last = points[-1]
    for _ in range(count - used):
        out += _pack(last[0], last[1], 0)
    info = "%d runs, %d source points + %d on parallels (step %.2f deg) = %d records (+%d spare)" % (
        len(runs), base, extra, step, used, count - used)
    return bytes(out), info
