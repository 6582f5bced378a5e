#!/usr/bin/env python3
"""Build the ten catalogue files of data/ (and the places' time zones) from the public sources in data/sources/.

    python3 tools/build_catalogs.py            rebuild every file in data/
    python3 tools/build_catalogs.py --out DIR  build into DIR instead
    python3 tools/build_catalogs.py --check    build into a temporary folder and compare the
                                               bytes with data/; exit status 1 on any difference

Standard library only.  The output depends on nothing but the files in data/sources/ (no
locale, no time-zone database, no clock): every record is packed little-endian with fixed
sizes, and computed coordinates are rounded to fixed decimals before they are packed, so the
files come out byte-identical on every run.  data/sources/README.md says where each source
comes from and which file derives from it.
"""
import argparse
import filecmp
import json
import math
import os
import re
import struct
import sys
import tempfile
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.normpath(os.path.join(HERE, "..", "data"))
SOURCES = os.path.join(DATA, "sources")
D3 = os.path.join(SOURCES, "d3-celestial")

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, HERE)
import catalog_geometry as geo  # noqa: E402  (helpers of this tool, next to it)
import catalog_figures  # noqa: E402
import catalog_milkyway  # noqa: E402

# Record counts of the files; the program reads exactly these many records.
STAR_COUNT = 9095
NAME_COUNT = 77
FIGURE_COUNT = 528
BOUNDARY_COUNT = 2345
MESSIER_COUNT = 110
NGC_COUNT = 100
ECLIPTIC_LINES = 74
MILKY_A_COUNT = 224
MILKY_B_COUNT = 388
LMC_COUNT = 25
SMC_COUNT = 10
LOCATION_COUNT = 409

NAME_FIELD = 20  # star and deep-sky names: 19 characters and the terminating zero
PLACE_FIELD = 32  # place names: zero-terminated
PLACE_NAME_MAX = 28  # the location dialog takes at most 28 characters
ZONE_LIMIT_HOURS = 12  # the location dialog accepts time zones -12 .. 12

OBLIQUITY_J2000 = 23.4392911  # mean obliquity of the ecliptic at J2000, degrees


# ---------------------------------------------------------------------------------------------
# Small helpers


def read_json(name):
    with open(os.path.join(D3, name), encoding="utf-8") as f:
        return json.load(f)


GREEK_LETTERS = {
    "α": "Alpha", "β": "Beta", "γ": "Gamma", "δ": "Delta", "ε": "Epsilon", "ζ": "Zeta",
    "η": "Eta", "θ": "Theta", "ι": "Iota", "κ": "Kappa", "λ": "Lambda", "μ": "Mu", "ν": "Nu",
    "ξ": "Xi", "ο": "Omicron", "π": "Pi", "ρ": "Rho", "σ": "Sigma", "τ": "Tau",
    "υ": "Upsilon", "φ": "Phi", "χ": "Chi", "ψ": "Psi", "ω": "Omega",
}


def ascii_text(text):
    """Plain ASCII form of a name: Greek letters spelled out, accents and odd quotes removed."""
    for letter, spelled in GREEK_LETTERS.items():
        text = text.replace(letter, spelled)
    text = text.replace("´", "'").replace("’", "'").replace("‘", "'").replace("\u2009", " ")
    text = unicodedata.normalize("NFKD", text)
    text = "".join(c for c in text if not unicodedata.combining(c))
    text = text.encode("ascii", "ignore").decode("ascii")
    return " ".join(text.split())


GENERIC_WORDS = ("Nebula", "Cluster", "Galaxy", "Complex")
DANGLING_WORDS = ("of", "the", "and", "&", "in", "a")  # never left at the end of a shortened name


def fit_name(name, width=NAME_FIELD - 1):
    """Shorten a common name to the field: drop a trailing generic word, then whole words."""
    if len(name) <= width:
        return name
    words = name.split()
    if words[-1] in GENERIC_WORDS:
        words = words[:-1]
    while len(" ".join(words)) > width and len(words) > 1:
        words = words[:-1]
    while len(words) > 1 and words[-1].lower() in DANGLING_WORDS:
        words = words[:-1]
    return " ".join(words)[:width]


def fixed(value, decimals=6):
    """Round a computed number before it becomes a float32 (see the module comment)."""
    result = round(value, decimals)
    return 0.0 if result == 0 else result


def ra_hours(lon_deg):
    """d3-celestial longitude (RA in degrees, -180..180) to right ascension in hours, 0 <= RA < 24."""
    hours = fixed((lon_deg % 360.0) / 15.0)
    return 0.0 if hours >= 24.0 else hours


def text_field(text, width):
    data = text.encode("ascii")
    if len(data) >= width:
        raise ValueError("text too long for a %d-byte field: %r" % (width, text))
    return data


# ---------------------------------------------------------------------------------------------
# Bright Star Catalogue


class Star:
    __slots__ = ("hr", "designation", "hd", "ra", "dec", "mag", "spectral")


def spectral_class(spectral_type, hr):
    """First letter of the MK class, skipping luminosity prefixes such as g, d, sd, sg, c."""
    text = spectral_type.strip()
    match = re.search(r"[A-Z]", text)
    if match:
        return match.group(0)
    if text.startswith("pec"):
        return "p"  # HR 4210 (Eta Car): "pec", no class at all
    raise ValueError("HR %d: no spectral class in %r" % (hr, spectral_type))


def read_bsc5():
    stars = []
    with open(os.path.join(SOURCES, "bsc5.dat"), "rb") as f:
        for raw in f.read().split(b"\n"):
            if not raw.strip():
                continue
            line = raw.decode("ascii").ljust(197)
            star = Star()
            star.hr = int(line[0:4])
            star.designation = line[4:14]
            hd = line[25:31].strip()
            star.hd = int(hd) if hd else None
            star.ra = int(line[75:77]) + int(line[77:79]) / 60.0 + float(line[79:83]) / 3600.0
            dec = int(line[84:86]) + int(line[86:88]) / 60.0 + int(line[88:90]) / 3600.0
            star.dec = -dec if line[83] == "-" else dec
            star.mag = float(line[102:107])
            star.spectral = spectral_class(line[127:147], star.hr)
            stars.append(star)
    return stars


def excluded_star(stars):
    """The one star left out of bsc5.big: the faintest of the catalogue."""
    return max(stars, key=lambda s: (s.mag, s.hr))


def build_bsc5(stars, leave_out):
    out = bytearray()
    for s in stars:
        if s is leave_out:
            continue
        out += struct.pack("<c11sifff", s.spectral.encode("ascii"),
                           s.designation.encode("ascii") + b"\0", s.hr, fixed(s.ra, 7),
                           fixed(s.dec, 6), s.mag)
    return bytes(out)


def name_label_offset(mag):
    """Pixels by which a star name starts left of the star: negative, so it starts just right
    of the symbol (half-sizes 5, 4 and 3 pixels for magnitudes below -1, 1 and 2)."""
    if mag <= -1.0:
        return -8
    if mag < 1.0:
        return -7
    if mag < 2.0:
        return -6
    return -5


def named_stars(stars, leave_out):
    """The NAME_COUNT brightest stars that carry an IAU proper name in starnames.json."""
    by_hd = {s.hd: s for s in stars if s.hd is not None and s is not leave_out}
    named = []
    for entry in read_json("starnames.json").values():
        name, hd = entry.get("name"), entry.get("hd")
        if not name or not hd:
            continue
        star = by_hd.get(int(hd.replace("HD", "").strip().replace("\u2009", "")))
        if star is not None:
            named.append((star.mag, star.hr, ascii_text(name), star))
    named.sort(key=lambda t: (t[0], t[1]))
    return named[:NAME_COUNT]


def build_names(named):
    out = bytearray()
    for mag, hr, name, star in named:
        out += struct.pack("<iffif20s", hr, fixed(star.ra, 7), fixed(star.dec, 6),
                           name_label_offset(mag), mag, text_field(name, NAME_FIELD))
    return bytes(out)


# ---------------------------------------------------------------------------------------------
# Deep sky

# Messier objects whose d3-celestial type is no nebula, cluster or galaxy ("pos"): all three
# are groups of stars, so they take the open-cluster code (the closest of the five symbols).
MESSIER_TYPE_OVERRIDES = {40: "o", 73: "o", 24: "o"}  # double star, asterism, star cloud

# d3-celestial object types to the program's five codes.
TYPE_CODES = {
    "g": "s", "s": "s", "s0": "s", "sd": "s", "i": "s", "e": "s",  # galaxies (e = elliptical)
    "gc": "g", "oc": "o", "pn": "p",
    "bn": "e", "en": "e", "rn": "e", "snr": "e", "sfr": "e", "dn": "e",  # nebulae
}

# Common names that read better than (or are missing from) the sources.
MESSIER_NAMES = {
    13: "Hercules Cluster", 24: "Sgr Star Cloud", 31: "Andromeda Galaxy",
    33: "Triangulum Galaxy", 73: "*", 76: "Little Dumbbell", 81: "Bode's Galaxy",
    101: "Pinwheel Galaxy", 102: "Spindle Galaxy", 104: "Sombrero Galaxy",
}
NGC_NAMES = {104: "47 Tucanae", 5139: "Omega Centauri", 3372: "Eta Carinae Nebula",
             6530: "*"}  # dsonames.json gives NGC 6530 the name of a star inside it
# NGC objects the chart shows otherwise: NGC 292 is the Small Magellanic Cloud (magellan.bin).
NGC_EXCLUDED = {292}


def messier_ngc_numbers(messier):
    """NGC numbers that belong to Messier objects ("NGC 5194/5" gives 5194 and 5195)."""
    numbers = set()
    for feature in messier:
        desig = feature["properties"]["desig"]
        match = re.match(r"NGC (\d+)(?:/(\d+))?$", desig)
        if not match:
            continue
        first = int(match.group(1))
        numbers.add(first)
        if match.group(2):
            tail = match.group(2)
            numbers.add(int(str(first)[: -len(tail)] + tail))
    return numbers


# Label positions tried in turn, (dx right, dy up) in pixels: beside the symbol, one line below,
# one line above, then the same three left of the symbol, then two lines below and above. A
# left-hand dx is -(label width + 10), so the label ends 5 pixels left of the object's point.
LEFT = None
LABEL_SLOTS = ((0, 0), (0, -12), (0, 12), (LEFT, 0), (LEFT, -12), (LEFT, 12), (0, -24), (0, 24))
# Label geometry on the default chart (zoom level 2, about 24 pixels per degree): labels are 14
# pixels high, roughly 8 pixels a character, and start 5 pixels right of the object's point.
LABEL_SCALE = 24.0
LABEL_CHAR_WIDTH = 8
LABEL_HEIGHT = 14
SYMBOL_HALF = 5
NEIGHBOURHOOD = 3.0  # degrees within which labels and symbols can meet on the default chart


def label_width(text):
    return LABEL_CHAR_WIDTH * len(text) + 2


def label_box(x, y, text, dx, dy):
    left = x + dx + 5
    top = y - dy - 7
    return (left, top, left + label_width(text), top + LABEL_HEIGHT)


def boxes_meet(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def label_offsets(objects):
    """Label offsets (dx, dy) of a list of (ra hours, dec, mag, label text), all 210 deep-sky
    objects. Objects are placed brightest first; each takes the first label position whose box,
    on the default chart, meets neither an already placed label nor another object's symbol (or,
    failing that, the position that meets the fewest), so that close groups such as M42, M43 and
    NGC 1980 get readable labels."""
    order = sorted(range(len(objects)), key=lambda i: (objects[i][2], i))
    placed = {}
    for i in order:
        ra, dec, _, text = objects[i]
        near = [j for j in range(len(objects)) if j != i and
                geo.separation(ra * 15, dec, objects[j][0] * 15, objects[j][1]) < NEIGHBOURHOOD]

        def chart_xy(j):
            # Tangent-plane pixels around object i: east to the left, north up.
            dra = ((objects[j][0] - ra) * 15 + 540) % 360 - 180
            return (-dra * math.cos(math.radians(dec)) * LABEL_SCALE,
                    -(objects[j][1] - dec) * LABEL_SCALE)

        obstacles = []
        for j in near:
            x, y = chart_xy(j)
            obstacles.append((x - SYMBOL_HALF, y - SYMBOL_HALF, x + SYMBOL_HALF, y + SYMBOL_HALF))
            if j in placed:
                obstacles.append(label_box(x, y, objects[j][3], *placed[j]))

        candidates = [(-(label_width(text) + 10) if dx is LEFT else dx, dy)
                      for dx, dy in LABEL_SLOTS]

        def clashes(slot):
            box = label_box(0.0, 0.0, text, *slot)
            return sum(1 for o in obstacles if boxes_meet(box, o))

        placed[i] = min(candidates, key=lambda slot: (clashes(slot), candidates.index(slot)))
    return [placed[i] for i in range(len(objects))]


def pack_deep_sky(rows, offsets):
    out = bytearray()
    for (number, code, ra, dec, mag, name), (dx, dy) in zip(rows, offsets):
        out += struct.pack("<ic3sfffii20s", number, code.encode("ascii"), b"\0\0\0", ra, dec,
                           mag, dx, dy, text_field(name, NAME_FIELD))
    return bytes(out)


def messier_rows():
    features = read_json("messier.json")["features"]
    rows = []
    for feature in features:
        props = feature["properties"]
        number = int(feature["id"][1:])
        code = MESSIER_TYPE_OVERRIDES.get(number) or TYPE_CODES[props["type"]]
        name = MESSIER_NAMES.get(number) or fit_name(ascii_text(props["alt"])) or "*"
        lon, lat = feature["geometry"]["coordinates"]
        rows.append((number, code, ra_hours(lon), fixed(lat), float(props["mag"]), name))
    rows.sort(key=lambda r: r[0])
    if [r[0] for r in rows] != list(range(1, MESSIER_COUNT + 1)):
        raise ValueError("messier.json does not hold M1..M110")
    return rows, messier_ngc_numbers(features)


def ngc_rows(messier_ngc):
    """The NGC_COUNT brightest NGC objects of dsos.14.json that are no Messier object, with a
    known magnitude and one of the program's types (galaxy clusters are left out)."""
    names = read_json("dsonames.json")
    candidates = []
    for feature in read_json("dsos.14.json")["features"]:
        match = re.match(r"NGC (\d+)$", feature["id"])
        if not match:
            continue
        number = int(match.group(1))
        props = feature["properties"]
        mag = float(props["mag"])
        if number in messier_ngc or number in NGC_EXCLUDED or mag >= 999 or props["type"] not in TYPE_CODES:
            continue
        name = NGC_NAMES.get(number)
        if name is None:
            name = fit_name(ascii_text(names.get(feature["id"], {}).get("name", ""))) or "*"
        lon, lat = feature["geometry"]["coordinates"]
        candidates.append((mag, number, TYPE_CODES[props["type"]], ra_hours(lon), fixed(lat), name))
    candidates.sort(key=lambda c: (c[0], c[1]))
    seen, rows = set(), []
    for mag, number, code, ra, dec, name in candidates:
        if number in seen:
            continue
        seen.add(number)
        rows.append((number, code, ra, dec, mag, name))
        if len(rows) == NGC_COUNT:
            break
    return rows


# ---------------------------------------------------------------------------------------------
# Ecliptic, Magellanic Clouds


def build_ecliptic():
    """74 lines: the ecliptic every 5 degrees of longitude from 0 to 365.  Entries 0 and 72
    (longitude 0 and 360) are the same point, so the 72 drawn segments close the circle; the
    74th line (longitude 365) only fills the slot that the horizon ring overwrites."""
    eps = math.radians(OBLIQUITY_J2000)
    lines = []
    for k in range(ECLIPTIC_LINES):
        lam = math.radians((5 * k) % 360)
        ra = math.degrees(math.atan2(math.sin(lam) * math.cos(eps), math.cos(lam))) % 360.0
        dec = math.degrees(math.asin(math.sin(eps) * math.sin(lam)))
        ra_h = fixed(ra / 15.0)
        lines.append("%f %f" % (0.0 if ra_h >= 24.0 else ra_h, fixed(dec) + 0.0))
    return ("\n".join(lines) + "\n").encode("ascii")


def build_magellan():
    """Ellipses around the centres of lg.json with its sizes, major axis east-west."""
    clouds = {f["id"]: f for f in read_json("lg.json")["features"] if f["id"] in ("LMC", "SMC")}
    out = bytearray()
    for cloud, count in (("LMC", LMC_COUNT), ("SMC", SMC_COUNT)):
        feature = clouds[cloud]
        lon, lat = feature["geometry"]["coordinates"]
        major, minor = (float(v) / 60.0 for v in feature["properties"]["dim"].split("x"))
        for k in range(count):
            angle = 2 * math.pi * k / count
            east = major / 2 * math.cos(angle)
            north = minor / 2 * math.sin(angle)
            ra, dec = geo.offset_point(lon, lat, east, north)
            out += struct.pack("<ff", ra_hours(ra), fixed(dec))
    return bytes(out)


# ---------------------------------------------------------------------------------------------
# Places

# Country names of iso3166.tab shortened so that "Country:City" fits the dialog's 28 characters.
COUNTRY_SHORT = {
    "Bosnia & Herzegovina": "Bosnia", "Britain (UK)": "Britain",
    "Central African Rep.": "C. African Rep.", "Congo (Dem. Rep.)": "Congo DR",
    "Congo (Rep.)": "Congo", "Dominican Republic": "Dominican Rep.",
    "Eswatini (Swaziland)": "Eswatini", "French Southern & Antarctic Lands": "French S. Lands",
    "Korea (North)": "North Korea", "Korea (South)": "South Korea",
    "Micronesia": "Micronesia", "Northern Mariana Islands": "N. Mariana Is.",
    "Papua New Guinea": "Papua N. Guinea", "Sao Tome & Principe": "Sao Tome",
    "South Georgia & the South Sandwich Islands": "South Georgia",
    "St Pierre & Miquelon": "St Pierre", "Svalbard & Jan Mayen": "Svalbard",
    "Turks & Caicos Is": "Turks & Caicos", "United Arab Emirates": "UAE",
    "United States": "USA", "US minor outlying islands": "US Minor Is.",
    "British Indian Ocean Territory": "Brit. Indian Ocean", "Cocos (Keeling) Islands": "Cocos Is.",
    "Virgin Islands (UK)": "Virgin Is. (UK)", "Virgin Islands (US)": "Virgin Is. (US)",
    "Antigua & Barbuda": "Antigua", "Trinidad & Tobago": "Trinidad",
    "Equatorial Guinea": "Eq. Guinea", "St Kitts & Nevis": "St Kitts",
    "Marshall Islands": "Marshall Is.", "French Polynesia": "Fr. Polynesia",
    "Falkland Islands": "Falkland Is.", "Christmas Island": "Christmas Is.",
    "Samoa (American)": "American Samoa", "St Maarten (Dutch)": "St Maarten",
    "St Martin (French)": "St Martin",
}

# US zones named region/city (America/Indiana/Knox) keep their state: "USA:Knox, IN".
STATE_ABBREVIATIONS = {"Indiana": "IN", "Kentucky": "KY", "North_Dakota": "ND"}

# The default place of the program; zone.tab names Europe/Warsaw for Poland.
KRAKOW = ("Poland:Krakow", 50 + 2 / 60.0, 19 + 55 / 60.0, 60,
          "Europe/Warsaw")  # name, lat N, lon E, standard offset minutes, zone


def dms(text, degree_digits):
    """zone.tab coordinate (+-DDMM[SS] or +-DDDMM[SS]) in degrees."""
    sign = -1 if text[0] == "-" else 1
    digits = text[1:]
    deg = int(digits[:degree_digits])
    minutes = int(digits[degree_digits:degree_digits + 2])
    seconds = int(digits[degree_digits + 2:] or 0)
    return sign * (deg + minutes / 60.0 + seconds / 3600.0)


def float32_away_from_zero(value):
    """The float32 nearest to value that is not smaller in magnitude, so that splitting the
    stored value into whole degrees and minutes (truncating) gives back the minutes."""
    stored = struct.unpack("<f", struct.pack("<f", value))[0]
    if abs(stored) >= abs(value):
        return stored
    bits = struct.unpack("<I", struct.pack("<f", stored))[0] + 1
    return struct.unpack("<f", struct.pack("<I", bits))[0]


def read_places():
    countries = {}
    with open(os.path.join(SOURCES, "iso3166.tab"), encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#") and line.strip():
                code, name = line.rstrip("\n").split("\t")[:2]
                countries[code] = ascii_text(COUNTRY_SHORT.get(name, name))
    offsets = {}
    with open(os.path.join(SOURCES, "zone_offsets.tab"), encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#") and line.strip():
                zone, minutes = line.split("\t")
                offsets[zone] = int(minutes)
    places = []
    with open(os.path.join(SOURCES, "zone.tab"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, coords, zone = line.rstrip("\n").split("\t")[:3]
            split = max(coords.rfind("+"), coords.rfind("-"))
            lat = dms(coords[:split], 2)
            lon = dms(coords[split:], 3)
            parts = zone.split("/")
            city = ascii_text(parts[-1].replace("_", " "))
            if len(parts) == 3 and parts[1] in STATE_ABBREVIATIONS:
                city += ", " + STATE_ABBREVIATIONS[parts[1]]
            places.append(("%s:%s" % (countries[code], city), lat, lon, offsets[zone], zone))
    return places


def select_places(places):
    """Every zone of zone.tab whose standard offset the location dialog accepts (-12..12 h),
    plus Krakow; then the southernmost ones (Antarctic stations) are dropped to leave 409."""
    kept = [p for p in places if abs(p[3]) <= ZONE_LIMIT_HOURS * 60]
    dropped_offset = [p[0] for p in places if abs(p[3]) > ZONE_LIMIT_HOURS * 60]
    if not any(p[0] == KRAKOW[0] for p in kept):
        kept.append(KRAKOW)
    kept.sort(key=lambda p: (p[1], p[0]))
    dropped_south = [p[0] for p in kept[: len(kept) - LOCATION_COUNT]]
    kept = kept[len(kept) - LOCATION_COUNT:]
    kept.sort(key=lambda p: p[0].lower())
    return kept, dropped_offset, dropped_south


def build_locations(places):
    out = bytearray()
    for name, lat, lon, minutes, _zone in places:
        if len(name) > PLACE_NAME_MAX:
            raise ValueError("place name longer than %d characters: %r" % (PLACE_NAME_MAX, name))
        out += struct.pack("<32sfff", text_field(name, PLACE_FIELD), float32_away_from_zero(lat),
                           float32_away_from_zero(-lon), -minutes / 60.0)
    return bytes(out)


def build_place_zones(places):
    """placezones.tab: the IANA time zone of each place of location.bin, one line per place in
    the file's order, "name<TAB>zone"; location.bin itself keeps only the standard offset."""
    lines = ["# Time zone of each place of location.bin (IANA names, from data/sources/zone.tab).",
             "# Written by tools/build_catalogs.py: place name, a tab, the zone name."]
    lines += ["%s\t%s" % (name, zone) for name, _lat, _lon, _minutes, zone in places]
    return ("\n".join(lines) + "\n").encode("ascii")


# ---------------------------------------------------------------------------------------------
# Build and check


def build_all(out_dir):
    """Write the ten files into out_dir; return the summary lines."""
    stars = read_bsc5()
    leave_out = excluded_star(stars)
    named = named_stars(stars, leave_out)
    messier, messier_ngc = messier_rows()
    ngc = ngc_rows(messier_ngc)
    offsets = label_offsets([(r[2], r[3], r[4], "M%d" % r[0]) for r in messier] +
                            [(r[2], r[3], r[4], "%d" % r[0]) for r in ngc])
    places, dropped_offset, dropped_south = select_places(read_places())
    figures, figure_info = catalog_figures.build_figures(
        read_json("constellations.lines.json"), stars, FIGURE_COUNT)
    bounds, bound_info = catalog_figures.build_boundaries(
        read_json("constellations.borders.json"), BOUNDARY_COUNT)
    milky, milky_info = catalog_milkyway.build_milky_way(
        read_json("mw.json"), MILKY_A_COUNT, MILKY_B_COUNT)
    glow, glow_info = catalog_milkyway.build_milky_glow(read_json("mw.json"))

    files = {
        "bsc5.big": build_bsc5(stars, leave_out),
        "names.bin": build_names(named),
        "cnstline.bin": figures,
        "constell.bin": bounds,
        "messier.bin": pack_deep_sky(messier, offsets[:MESSIER_COUNT]),
        "deepsky.bin": pack_deep_sky(ngc, offsets[MESSIER_COUNT:]),
        "eclip.dat": build_ecliptic(),
        "milky.bin": milky,
        "milkyglow.bin": glow,
        "magellan.bin": build_magellan(),
        "location.bin": build_locations(places),
        "placezones.tab": build_place_zones(places),
    }
    expected = {
        "bsc5.big": STAR_COUNT * 28, "names.bin": NAME_COUNT * 40,
        "cnstline.bin": FIGURE_COUNT * 12, "constell.bin": BOUNDARY_COUNT * 12,
        "messier.bin": MESSIER_COUNT * 48, "deepsky.bin": NGC_COUNT * 48,
        "milky.bin": (MILKY_A_COUNT + MILKY_B_COUNT) * 8,
        "magellan.bin": (LMC_COUNT + SMC_COUNT) * 8, "location.bin": LOCATION_COUNT * 44,
    }
    for name, size in expected.items():
        if len(files[name]) != size:
            raise ValueError("%s: %d bytes, expected %d" % (name, len(files[name]), size))
    if files["eclip.dat"].count(b"\n") != ECLIPTIC_LINES:
        raise ValueError("eclip.dat: wrong line count")
    os.makedirs(out_dir, exist_ok=True)
    for name, content in files.items():
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(content)

    summary = [
        "bsc5.big     %6d bytes, %d stars; left out HR %d (%s, V %.2f, the faintest)"
        % (len(files["bsc5.big"]), STAR_COUNT, leave_out.hr, leave_out.designation.strip(),
           leave_out.mag),
        "names.bin    %6d bytes, %d names, %s (V %.2f) .. %s (V %.2f)"
        % (len(files["names.bin"]), len(named), named[0][2], named[0][0], named[-1][2],
           named[-1][0]),
        "cnstline.bin %6d bytes, %s" % (len(figures), figure_info),
        "constell.bin %6d bytes, %s" % (len(bounds), bound_info),
        "messier.bin  %6d bytes, %d objects" % (len(files["messier.bin"]), len(messier)),
        "deepsky.bin  %6d bytes, %d NGC objects, V %.1f .. %.1f"
        % (len(files["deepsky.bin"]), len(ngc), ngc[0][4], ngc[-1][4]),
        "eclip.dat    %6d bytes, %d lines" % (len(files["eclip.dat"]), ECLIPTIC_LINES),
        "milky.bin    %6d bytes, %s" % (len(milky), milky_info),
        "milkyglow.bin %5d bytes, %s" % (len(glow), glow_info),
        "magellan.bin %6d bytes, LMC %d + SMC %d points"
        % (len(files["magellan.bin"]), LMC_COUNT, SMC_COUNT),
        "location.bin %6d bytes, %d places; offset beyond 12 h: %s; southernmost dropped: %s"
        % (len(files["location.bin"]), len(places), ", ".join(dropped_offset),
           ", ".join(dropped_south)),
        "placezones.tab %4d bytes, the time zone of each place"
        % len(files["placezones.tab"]),
    ]
    return summary, sorted(files)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="rebuild into a temporary folder and compare with data/")
    parser.add_argument("--out", default=DATA, help="output folder (default: data/)")
    args = parser.parse_args()
    if args.check:
        with tempfile.TemporaryDirectory() as tmp:
            summary, names = build_all(tmp)
            differ = [n for n in names
                      if not os.path.exists(os.path.join(DATA, n))
                      or not filecmp.cmp(os.path.join(tmp, n), os.path.join(DATA, n),
                                         shallow=False)]
        if differ:
            print("catalogue files differ from a fresh build: " + ", ".join(differ))
            return 1
        print("all %d catalogue files match a fresh build" % len(names))
        return 0
    summary, _ = build_all(args.out)
    print("\n".join(summary))
    return 0


if __name__ == "__main__":
    sys.exit(main())
