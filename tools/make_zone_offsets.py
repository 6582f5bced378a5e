#!/usr/bin/env python3
"""Write data/sources/zone_offsets.tab: the standard UTC offset of every zone of zone.tab.

The catalogue build must not depend on the time-zone database of the machine it runs on, so
the offsets are computed once with this script and the resulting table is committed.  Run it
again only when zone.tab is replaced.

Standard offset of a zone = the smaller of its UTC offsets on 15 January and 15 July 2024.
Summer time always moves clocks forward, so the smaller offset is the standard (winter) one
for both hemispheres.  (utcoffset - dst is not used: zones such as Europe/Dublin mark their
winter time as a negative daylight saving, which would give the summer offset.)
"""
import datetime
import os
import sys
import zoneinfo

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCES = os.path.join(HERE, "..", "data", "sources")


def standard_offset_minutes(zone_name):
    """Standard offset of a zone east of Greenwich, whole minutes."""
    zone = zoneinfo.ZoneInfo(zone_name)
    offsets = []
    for month in (1, 7):
        instant = datetime.datetime(2024, month, 15, 12, 0, tzinfo=datetime.timezone.utc)
        offsets.append(instant.astimezone(zone).utcoffset())
    return int(min(offsets).total_seconds()) // 60


def main():
    zones = []
    with open(os.path.join(SOURCES, "zone.tab"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            zones.append(line.rstrip("\n").split("\t")[2])
    out = [
        "# Standard (non-summer) UTC offset of each zone of zone.tab, minutes east of Greenwich.",
        "# Derived with tools/make_zone_offsets.py from the IANA time-zone database"
        " (Debian tzdata 2025b): the smaller of the",
        "# offsets on 2024-01-15 and 2024-07-15, 12:00 UTC.  Public domain like its source.",
    ]
    for name in zones:
        out.append("%s\t%d" % (name, standard_offset_minutes(name)))
    with open(os.path.join(SOURCES, "zone_offsets.tab"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
