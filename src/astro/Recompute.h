// RecomputeSky: the sequence that turns the chart's date, time and place into the computed sky.
// It runs after every change of date, time or place, in one of four forms.
#pragma once

#include <cstddef>

#include "astro/Place.h"
#include "astro/RecomputeStart.h"
#include "astro/SkyDate.h"
#include "astro/SkyModels.h"
#include "astro/SkyState.h"

struct CatalogStore;

// Recomputes `sky` (bodies, sidereal angles, horizon ring) for the clock time `skyDate` at
// `place` in `model`, and makes the catalogue hold the model's positions for that instant. The
// date/time and animation forms derive the local sidereal angle from the place already in `sky`;
// the first-update and location forms store the place first.
RecomputeOutcome RecomputeSky(RecomputeForm form, const SkyModel& model, const SkyDate& skyDate,
                              const Place& place, SkyState& sky, CatalogStore& catalog);
