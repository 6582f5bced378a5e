// The precise sky model's recompute: fills the same sky state as the classic one (bodies,
// sidereal angles, place, horizon ring) from ERFA, and carries the catalogue to the date.
// RecomputeSky (Recompute.h) hands over to it when the sky state asks for the precise model.
#pragma once

#include "astro/RecomputeStart.h"

struct CatalogStore;

// Universal time comes from the engine's own Julian day of the clock time and zone; the
// sidereal angle is the apparent one; every form recomputes every body (in this model the
// planets depend on universal time, so on the zone too).
RecomputeOutcome PreciseRecomputeSky(RecomputeForm form, const SkyDate& skyDate,
                                     const Observer& observer, SkyState& sky,
                                     CatalogStore& catalog);

// Greenwich apparent sidereal angle (degrees [0, 360)) of the clock time and zone.
double PreciseSiderealAngle(const SkyDate& skyDate, const Observer& observer);
