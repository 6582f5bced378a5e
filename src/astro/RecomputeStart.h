// What both sky models' recompute share: its forms, its outcome, and the first step every form
// takes with the observer and the date.
#pragma once

#include "astro/Place.h"
#include "astro/SkyDate.h"
#include "astro/SkyState.h"

#include <cstddef>

enum class RecomputeForm {
    FirstUpdate,     // the chart's first update: bodies, horizon, place and sidereal angles
    AnimationStep,   // after the animation stepped the date: bodies, horizon, sidereal angles
    DateTimeChanged, // after the date/time was changed: bodies, horizon, sidereal angles
    LocationChanged, // after the place was changed: Sun, Moon, horizon, place and sidereal angles;
                     // the planets depend on neither place nor zone and keep their positions
};

struct RecomputeOutcome {
    // AnimationStep only: the year has left 1901..2099, the caller stops the animation. The sky
    // is still computed for the date reached.
    bool stopAnimation = false;
};

// What every form of both sky models does first with the place and the date: reports a year
// outside the animation's range (1901..2099, where the day count is exact) on an animation step,
// and stores the place's signed angles (and its sine and cosine) on a first update or a new
// place.
RecomputeOutcome RecomputePlaceAndRange(RecomputeForm form, const SkyDate& skyDate,
                                        const Place& place, SkyState& sky);
