#!/usr/bin/python3
"""Independent rise, transit and set times for the rise/set tests, computed with python3-erfa
(Debian package python3-erfa, ERFA 2.0): Sun and planets from erfa.epv00 / erfa.plan94, the
Moon from erfa.moon98, all carried to the observer by erfa.atco13 without refraction; a star as
the chart places it (fixed J2000 position turned by erfa.gmst82). Events are found by sampling
every minute and halving to 0.1 s; standard altitudes as in Meeus, Astronomical Algorithms,
ch. 15 (-34', Sun -50', Moon 0.7275 parallax - 34').

    tools/riseset_reference.py BODY|RA_HOURS,DEC_DEG LON_DEG_EAST LAT_DEG YYYY-MM-DDTHH:MM
prints the next rise after the instant (UT), the transit and the set that follow it, in UT."""
import math
import sys

import erfa

AU_KM = 149597870.7
EARTH_RADIUS_KM = 6378.14
PLANETS = {"Mercury": 1, "Venus": 2, "Mars": 4, "Jupiter": 5, "Saturn": 6, "Uranus": 7,
           "Neptune": 8}


def tt_of(jd_ut):
    y, m, d, f = erfa.jd2cal(jd_ut, 0.0)
    dat = erfa.dat(y, m, d, f)
    return jd_ut + (dat + 32.184) / 86400.0


def direction(vec):
    ra, dec = erfa.c2s(vec)
    return erfa.anp(ra), dec


def place(obj, jd_ut, elong, phi):
    """(altitude, standard altitude, hour angle) in degrees, geocentric apparent."""
    if isinstance(obj, tuple):
        ra, dec = math.radians(obj[0] * 15.0), math.radians(obj[1])
        ha = erfa.gmst82(jd_ut, 0.0) + elong - ra
        az, el = erfa.hd2ae(ha, dec, phi)
        return math.degrees(el), -34.0 / 60.0, math.degrees(ha)
    tt = tt_of(jd_ut)
    pvh, pvb = erfa.epv00(tt, 0.0)
    earth = pvh[0]
    standard = -34.0 / 60.0
    if obj == "Sun":
        geo = -earth
        standard = -50.0 / 60.0
    elif obj == "Moon":
        geo = erfa.moon98(tt, 0.0)[0]
        parallax = math.degrees(math.asin(EARTH_RADIUS_KM / (math.sqrt(sum(geo * geo)) * AU_KM)))
        standard = 0.7275 * parallax - 34.0 / 60.0
    else:
        geo = None
        tau = 0.0
        for _ in range(3):  # light time
            pv = erfa.plan94(tt - tau, 0.0, PLANETS[obj])
            geo = pv[0] - earth
            tau = math.sqrt(sum(geo * geo)) * 499.004784 / 86400.0
    ra, dec = direction(geo)
    aob, zob, hob, dob, rob, eo = erfa.atco13(ra, dec, 0, 0, 0, 0, jd_ut, 0.0, 0.0, elong, phi,
                                              0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.5)
    return 90.0 - math.degrees(zob), standard, math.degrees(hob)


def signed(h):
    h = math.fmod(h, 360.0)
    return h - 360.0 if h > 180.0 else (h + 360.0 if h <= -180.0 else h)


def search(f, start, upward, span=1.1):
    step = 1.0 / 1440.0
    t, a = start, f(start)
    while t < start + span:
        b = f(t + step)
        if (a <= 0 < b) if upward else (a > 0 >= b):
            lo, hi = t, t + step
            while hi - lo > 0.1 / 86400.0:
                mid = 0.5 * (lo + hi)
                if (f(mid) > 0) == (f(hi) > 0):
                    hi = mid
                else:
                    lo = mid
            return 0.5 * (lo + hi)
        t, a = t + step, b
    return None


def main():
    name, lon, lat, when = sys.argv[1:5]
    obj = tuple(float(x) for x in name.split(",")) if "," in name else name
    elong, phi = math.radians(float(lon)), math.radians(float(lat))
    date, time = when.split("T")
    y, m, d = (int(x) for x in date.split("-"))
    hh, mm = (int(x) for x in time.split(":"))
    start = sum(erfa.cal2jd(y, m, d)) + (hh + mm / 60.0) / 24.0
    above = lambda t: (lambda p: p[0] - p[1])(place(obj, t, elong, phi))
    rise = search(above, start, True)
    transit = search(lambda t: signed(place(obj, t, elong, phi)[2]), rise, True) if rise else None
    set_ = search(above, rise, False) if rise else None
    for label, jd in (("rise", rise), ("transit", transit), ("set", set_)):
        if jd is None:
            print(label, "-")
            continue
        y, m, d, f = erfa.jd2cal(jd, 0.0)
        s = f * 86400.0
        print("%s %04d-%02d-%02d %02d:%02d:%04.1f UT" % (label, y, m, d, s // 3600, s % 3600 // 60,
                                                        s % 60))


if __name__ == "__main__":
    main()
