// The observer's place as signed angles, computed the same way wherever they are needed.
#pragma once

#include "astro/Observer.h"

// Longitude in degrees, positive to the west: -(LongDeg + LongMin/60) when EW is exactly "E",
// otherwise +(LongDeg + LongMin/60). The test is exact and case-sensitive: "e" counts as west.
double SignedLongitude(const Observer& observer);

// Latitude in degrees, positive to the north: +(LatDeg + LatMin/60) when NS is exactly "N",
// otherwise negative. The test is exact and case-sensitive: "n" counts as south.
double SignedLatitude(const Observer& observer);
