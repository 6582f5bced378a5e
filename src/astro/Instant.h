// The instant the sky is computed for, in the two time scales the models read: universal time
// and terrestrial time, as Julian days. Made once from the observer's clock time and zone
// (InstantOf) and handed to everything that needs a Julian day of the chart's clock time.
#pragma once

#include "astro/Place.h"
#include "astro/SkyDate.h"

struct Instant {
    double ut = 0.0; // Julian day, universal time
    double tt = 0.0; // Julian day, terrestrial time (ut + delta T, PreciseTime.h)
};

// Julian day in universal time of the clock time `clock` read with `zoneHours` (universal time =
// clock time - zone). The Gregorian calendar applies after 1582.79 (decimal year), the Julian
// before; January and February count as months 13 and 14 of the year before. The day with its
// fraction may fall below 1 or past the month's end when the zone moves the time across midnight,
// which the formula carries correctly.
double JulianDayOfClockTime(const SkyDate& clock, float zoneHours);

// The instant of the place's clock time, read with the offset of `zone` in force then (the fixed
// hours, or the named zone's offset, ClockTime.h).
Instant InstantOf(const SkyDate& clock, const ZoneRule& zone);

// The instant of a Julian day in universal time.
Instant InstantOfUniversal(double jdUt);
