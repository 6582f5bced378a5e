#!/usr/bin/env python3
"""Content checks of the committed catalogue files in data/ (layouts, counts and known
objects).  Standard library only; run directly or through ctest (catalogs_content)."""
import math
import os
import struct
import sys
import unittest

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__

DATA = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data"))
sys.path.insert(0, os.path.join(DATA, "..", "tools"))
import catalog_geometry as geo  # noqa: E402

# Positions are compared in degrees on the sky.  The reference positions below are J2000
# values from the catalogues' usual sources rounded to 0.01 h / 0.1 deg, so 0.2 deg is ample
# while still catching a wrong star, a unit slip (hours vs degrees) or a sign error.
POSITION_TOLERANCE_DEG = 0.2
# Longest drawn segment of a figure or boundary, degrees: the widest figure steps are about
# 30 degrees; anything longer is a stray line across the sky between two unrelated runs.
LONGEST_SEGMENT_DEG = 35.0
# Float32 keeps about 7 digits: two copies of the same computed point agree to 1e-5 deg.
SAME_POINT_DEG = 1e-4


def records(name, fmt):
    with open(os.path.join(DATA, name), "rb") as f:
        data = f.read()
    size = struct.calcsize(fmt)
    if len(data) % size:
        raise AssertionError("%s: %d bytes is not a whole number of records" % (name, len(data)))
    return [struct.unpack(fmt, data[i:i + size]) for i in range(0, len(data), size)]


def text(raw):
    return raw.split(b"\0", 1)[0].decode("ascii")


def sep(ra1, dec1, ra2, dec2):
    return geo.separation(ra1 * 15.0, dec1, ra2 * 15.0, dec2)


class FileSizes(unittest.TestCase):
    def test_every_file_has_its_exact_size(self):
        sizes = {"bsc5.big": 254660, "names.bin": 3080, "cnstline.bin": 6336,
                 "constell.bin": 28140, "messier.bin": 5280, "deepsky.bin": 4800,
                 "milky.bin": 4896, "magellan.bin": 280, "location.bin": 17996}
        for name, size in sizes.items():
            with self.subTest(file=name):
                self.assertEqual(os.path.getsize(os.path.join(DATA, name)), size)


class Stars(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.stars = records("bsc5.big", "<c11sifff")
        cls.by_hr = {s[2]: s for s in cls.stars}

    def test_known_stars(self):
        cases = [  # HR, designation field, class, RA h, Dec, V
            (2491, b"  9Alp CMa", b"A", 6.752, -16.716, -1.46),  # Sirius
            (7001, b"  3Alp Lyr", b"A", 18.616, 38.784, 0.03),  # Vega
            (424, b"  1Alp UMi", b"F", 2.530, 89.264, 2.02),  # Polaris
            (2, b"          ", b"G", 0.084, -0.503, 6.29),  # type gG9: prefix g skipped
        ]
        for hr, desig, cls_, ra, dec, mag in cases:
            with self.subTest(hr=hr):
                s = self.by_hr[hr]
                self.assertEqual(s[1], desig + b"\0")
                self.assertEqual(s[0], cls_)
                self.assertLess(sep(s[3], s[4], ra, dec), POSITION_TOLERANCE_DEG)
                self.assertAlmostEqual(s[5], mag, places=3)

    def test_catalogue_order_without_the_left_out_star(self):
        hrs = [s[2] for s in self.stars]
        self.assertEqual(hrs, sorted(hrs))
        self.assertEqual(len(set(hrs)), 9095)
        self.assertNotIn(1894, self.by_hr)

    def test_ranges_and_class_letters(self):
        for s in self.stars:
            self.assertTrue(0.0 <= s[3] < 24.0 and -90.0 <= s[4] <= 90.0, s)
            self.assertTrue(s[0].isupper() or s[0] == b"p", s)  # p: Eta Car, type "pec"
            self.assertEqual(s[1][10:], b"\0")


class StarNames(unittest.TestCase):
    def test_names_sit_on_their_stars(self):
        stars = {s[2]: s for s in records("bsc5.big", "<c11sifff")}
        names = records("names.bin", "<iffif20s")
        self.assertEqual(len({text(n[5]) for n in names}), 77)
        mags = [n[4] for n in names]
        self.assertEqual(mags, sorted(mags))
        for hr, ra, dec, offset, mag, raw in names:
            with self.subTest(name=text(raw)):
                star = stars[hr]
                self.assertEqual((ra, dec, mag), (star[3], star[4], star[5]))
                self.assertLess(offset, 0)  # the name starts right of the star
                self.assertTrue(0 < len(text(raw)) <= 19)
        self.assertEqual(text(names[0][5]), "Sirius")


class Figures(unittest.TestCase):
    def segments(self, name, draws):
        points = records(name, "<ffi")
        return points, [(points[i], points[i + 1]) for i in range(len(points) - 1)
                        if draws(points[i][2])]

    def test_no_stray_segments(self):
        for name, draws in (("cnstline.bin", lambda f: f == 0), ("constell.bin", lambda f: f != 0)):
            points, segs = self.segments(name, draws)
            with self.subTest(file=name):
                self.assertTrue(all(p[2] in (0, 1) for p in points))
                longest = max(sep(a[0], a[1], b[0], b[1]) for a, b in segs)
                self.assertLess(longest, LONGEST_SEGMENT_DEG)

    def test_last_records_draw_nothing_further(self):
        figures = records("cnstline.bin", "<ffi")
        bounds = records("constell.bin", "<ffi")
        self.assertEqual(figures[-1][2], 1)
        self.assertEqual(bounds[-1][2], 0)

    def test_figures_use_their_stars(self):
        # Orion's belt: Alnitak, Alnilam, Mintaka must be figure points
        points = records("cnstline.bin", "<ffi")
        for ra, dec in ((5.679, -1.943), (5.604, -1.202), (5.533, -0.299)):
            self.assertLess(min(sep(p[0], p[1], ra, dec) for p in points), POSITION_TOLERANCE_DEG)

    def test_boundaries_are_curved_along_parallels(self):
        # the border between Cepheus/Cassiopeia region and the rest runs along long parallels;
        # with interpolation no drawn segment on a parallel spans more than a few degrees
        _, segs = self.segments("constell.bin", lambda f: f != 0)
        flat = [(a, b) for a, b in segs if abs(a[1] - b[1]) < 0.05 and abs(a[1]) < 80]
        self.assertTrue(flat)
        self.assertLess(max(sep(a[0], a[1], b[0], b[1]) for a, b in flat), 3.0)


class DeepSky(unittest.TestCase):
    FMT = "<ic3sfffii20s"

    def test_messier(self):
        rows = records("messier.bin", self.FMT)
        self.assertEqual([r[0] for r in rows], list(range(1, 111)))
        self.assertTrue(all(r[1] in b"egops" for r in rows))
        for number, code, ra, dec in ((31, b"s", 0.712, 41.27), (42, b"e", 5.588, -5.39),
                                      (13, b"g", 16.695, 36.46), (57, b"p", 18.893, 33.03),
                                      (45, b"o", 3.783, 24.12), (40, b"o", 12.37, 58.08),
                                      (73, b"o", 20.98, -12.63), (24, b"o", 18.28, -18.48)):
            with self.subTest(messier=number):
                r = rows[number - 1]
                self.assertEqual(r[1], code)
                self.assertLess(sep(r[3], r[4], ra, dec), POSITION_TOLERANCE_DEG)

    def test_ngc(self):
        rows = records("deepsky.bin", self.FMT)
        numbers = [r[0] for r in rows]
        self.assertEqual(len(set(numbers)), 100)
        self.assertTrue(all(0 < n < 10000 for n in numbers))  # shown as four digits
        for messier_ngc in (224, 1976, 6611, 5194, 650):  # M31, M42, M16, M51, M76
            self.assertNotIn(messier_ngc, numbers)
        self.assertTrue(all(r[1] in b"egops" for r in rows))
        mags = [r[5] for r in rows]
        self.assertEqual(mags, sorted(mags))
        for r in rows + records("messier.bin", self.FMT):
            name = text(r[8])
            self.assertTrue(0 < len(name) <= 19, r)
            self.assertTrue(0.0 <= r[3] < 24.0 and -90 <= r[4] <= 90, r)
        self.assertIn(5139, numbers)  # Omega Centauri
        self.assertIn(104, numbers)  # 47 Tucanae


class Outlines(unittest.TestCase):
    def test_ecliptic(self):
        with open(os.path.join(DATA, "eclip.dat"), encoding="ascii") as f:
            lines = f.read().splitlines()
        self.assertEqual(len(lines), 74)
        pts = [tuple(float(v) for v in line.split()) for line in lines]
        self.assertEqual(lines[0], lines[72])  # the 72 segments close the circle
        self.assertAlmostEqual(pts[18][0], 6.0, places=5)  # longitude 90
        self.assertAlmostEqual(pts[18][1], 23.4392911, places=5)
        self.assertAlmostEqual(pts[54][1], -23.4392911, places=5)  # longitude 270
        for a, b in zip(pts, pts[1:]):
            self.assertLess(sep(a[0], a[1], b[0], b[1]), 5.5)

    def test_milky_way_band(self):
        pts = records("milky.bin", "<ff")
        a, b = pts[:224], pts[224:]
        self.assertLess(sep(*a[0], *a[223]), SAME_POINT_DEG)
        self.assertLess(sep(*b[0], *b[387]), SAME_POINT_DEG)
        gal = lambda p: geo.to_galactic(p[0] * 15.0, p[1])
        for na, nb in zip((0, 25, 50, 83, 100, 130, 157, 188, 223),
                          (0, 48, 100, 135, 260, 295, 350, 372, 387)):
            la, ba = gal(a[na])
            lb, bb = gal(b[nb])
            with self.subTest(a=na, b=nb):
                # the two ends of each cross-section lie on one galactic meridian
                self.assertLess(abs((la - lb + 180) % 360 - 180), 0.01)
                self.assertLess(bb - ba, 45.0)
                self.assertGreater(bb, ba)  # B is the northern edge
        for p in pts:
            self.assertLess(abs(gal(p)[1]), 30.0)
        # consecutive points stay close: no jump across the sky
        for edge in (a, b):
            for p, q in zip(edge, edge[1:]):
                self.assertLess(sep(*p, *q), 15.0)

    def test_magellanic_clouds(self):
        pts = records("magellan.bin", "<ff")
        for cloud, (ra, dec), radius in ((pts[:25], (5.393, -69.76), 5.5),
                                         (pts[25:], (0.879, -72.83), 2.8)):
            for p in cloud:
                self.assertLess(sep(p[0], p[1], ra, dec), radius)


class Places(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.rows = records("location.bin", "<32sfff")
        cls.by_name = {text(r[0]): r for r in cls.rows}

    @staticmethod
    def degrees_minutes(value):
        # the location dialog's split: whole degrees and truncated minutes, sign removed
        value = abs(value)
        return int(value), int((value - int(value)) * 60)

    def test_default_place_reads_back_as_the_default_profile(self):
        _, lat, lon, zone = self.by_name["Poland:Krakow"]
        self.assertEqual(self.degrees_minutes(lat), (50, 2))
        self.assertEqual(self.degrees_minutes(lon), (19, 55))
        self.assertLess(lon, 0)  # east: negative
        self.assertEqual(zone, -1.0)  # one hour east of Greenwich stores -1

    def test_known_places(self):
        cases = [  # name, latitude, longitude (west positive), stored zone
            ("USA:New York", 40.714, 74.006, 5.0), ("Australia:Sydney", -33.867, -151.217, -10.0),
            ("India:Kolkata", 22.533, -88.367, -5.5), ("Britain:London", 51.508, 0.125, 0.0),
            ("Ireland:Dublin", 53.333, 6.25, 0.0),  # winter time, not the summer offset
        ]
        for name, lat, lon, zone in cases:
            with self.subTest(place=name):
                r = self.by_name[name]
                self.assertAlmostEqual(r[1], lat, places=2)
                self.assertAlmostEqual(r[2], lon, places=2)
                self.assertEqual(r[3], zone)

    def test_list_is_unique_sorted_and_acceptable_to_the_dialog(self):
        names = [text(r[0]) for r in self.rows]
        self.assertEqual(len(set(names)), 409)
        self.assertEqual(names, sorted(names, key=str.lower))
        for name, lat, lon, zone in self.rows:
            self.assertLessEqual(len(text(name)), 28)
            self.assertTrue(-90 <= lat <= 90 and -180 <= lon <= 180)
            self.assertTrue(-12 <= zone <= 12)


if __name__ == "__main__":
    unittest.main()
