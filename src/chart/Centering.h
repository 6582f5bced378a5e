// Centring the chart on a position: used by the search dialogs, the horizon points, the zenith
// and nadir and the left click. Neither function redraws; the caller requests the redraw.
#pragma once

#include "astro/SkyState.h"
#include "chart/ChartState.h"

// Centres the chart on an equatorial position (right ascension hours, declination degrees).
// Equatorial chart: turn -ra and centre declination dec truncated toward zero; for a southern
// observer turn ra - 24 and centre -(dec truncated), the frame of the turned southern chart.
// Local-horizon chart: the position's compass azimuth Z and altitude h for the sky's instant
// and place give turn (Z - 180) / 15 and centre altitude h truncated. Then the tilt is set and
// SnapCentre applied; a turn of -24 (the same as 0) becomes 0.
void CenterOn(ChartState& chart, const SkyState& sky, double ra, double dec);

// At zoom level 0 only: the centre declination to the nearest multiple of 15 degrees and the
// turn to whole hours (halves toward zero), the tilt set again.
void SnapCentre(ChartState& chart);
