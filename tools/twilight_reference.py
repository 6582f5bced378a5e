#!/usr/bin/python3
"""Independent times of the Sun crossing the horizon and the three twilight altitudes, and of the
Moon's rise and set, for the night tests: the Sun and the Moon placed by python3-erfa exactly as
tools/riseset_reference.py places them (epv00 / moon98 carried to the observer by atco13, no
refraction), each crossing searched every minute and halved to 0.1 s. The Sun's horizon is its
upper limb with refraction (-50'); the twilights are the centre at -6, -12 and -18 degrees.

    tools/twilight_reference.py LON_DEG_EAST LAT_DEG YYYY-MM-DDTHH:MM HOURS
prints, for the HOURS after the instant (UT), the first downward and the first upward crossing
of each altitude and the Moon's first rise and set, in UT ("-" when there is none)."""
import math
import sys

import erfa

from riseset_reference import place, search


def main():
    lon, lat, when, hours = sys.argv[1:5]
    elong, phi = math.radians(float(lon)), math.radians(float(lat))
    date, time = when.split("T")
    y, m, d = (int(x) for x in date.split("-"))
    hh, mm = (int(x) for x in time.split(":"))
    start = sum(erfa.cal2jd(y, m, d)) + (hh + mm / 60.0) / 24.0
    span = float(hours) / 24.0
    rows = [("sun", "Sun", None), ("civil", "Sun", -6.0), ("nautical", "Sun", -12.0),
            ("astronomical", "Sun", -18.0), ("moon", "Moon", None)]
    for label, body, altitude in rows:
        def above(t, body=body, altitude=altitude):
            alt, standard, _ = place(body, t, elong, phi)
            return alt - (standard if altitude is None else altitude)
        out = []
        for upward in (False, True):
            jd = search(above, start, upward, span)
            if jd is None:
                out.append("-")
                continue
            y, m, d, f = erfa.jd2cal(jd, 0.0)
            s = f * 86400.0
            out.append("%04d-%02d-%02dT%02d:%02d:%02d" % (y, m, d, s // 3600, s % 3600 // 60,
                                                          s % 60))
        print(label, "down", out[0], "up", out[1])


if __name__ == "__main__":
    main()
