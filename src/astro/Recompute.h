// RecomputeSky: the sequence that turns the chart's date, time and place into the computed sky.
// It runs after every change of date, time or place, in one of four forms.
#pragma once

#include <cstddef>

#include "astro/Observer.h"
#include "astro/RecomputeStart.h"
#include "astro/SkyDate.h"
#include "astro/SkyState.h"

struct CatalogStore;

// The model is the sky state's (m_bPrecise): the precise one hands over to PreciseRecomputeSky
// (PreciseRecompute.h); the classic one first writes the catalogue's loaded positions back if
// the precise model had carried them to a date.
//
// Recomputes `sky` and the horizon ring (entries 73..145 of outline points) of `catalog` for the
// clock time `skyDate` at `observer`. The date/time and animation forms derive the local sidereal
// angle from the longitude already in `sky`; the first-update and location forms set it first.
RecomputeOutcome RecomputeSky(RecomputeForm form, const SkyDate& skyDate, const Observer& observer,
                              SkyState& sky, CatalogStore& catalog);
