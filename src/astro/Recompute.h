// RecomputeSky: the sequence that turns the chart's date, time and place into the computed sky.
// It runs after every change of date, time or place, in one of four forms.
#pragma once

#include <cstddef>

#include "astro/Observer.h"
#include "astro/SkyDate.h"
#include "astro/SkyState.h"

struct CatalogStore;

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

// First entry of the horizon ring in the outline-point table.
inline constexpr std::size_t kHorizonRingFirstEntry = 73;

// The model is the sky state's (m_bPrecise): the precise one hands over to PreciseRecomputeSky
// (PreciseRecompute.h); the classic one first writes the catalogue's loaded positions back if
// the precise model had carried them to a date.
//
// Recomputes `sky` and the horizon ring (entries 73..145 of outline points) of `catalog` for the
// clock time `skyDate` at `observer`. The date/time and animation forms derive the local sidereal
// angle from the longitude already in `sky`; the first-update and location forms set it first.
RecomputeOutcome RecomputeSky(RecomputeForm form, const SkyDate& skyDate, const Observer& observer,
                              SkyState& sky, CatalogStore& catalog);

// What every form of both sky models does first with the observer and the date: reports a year
// outside the animation's range (1901..2099, where the day count is exact) on an animation step,
// and stores the observer's signed place (and its sine and cosine) on a first update or a new
// place.
RecomputeOutcome RecomputePlaceAndRange(RecomputeForm form, const SkyDate& skyDate,
                                        const Observer& observer, SkyState& sky);
