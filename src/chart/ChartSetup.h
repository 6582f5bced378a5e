// The chart's set-up before its first frame, which needs both the chart state and the scale rules
// of the projection.
#pragma once

#include "chart/ChartState.h"

// The initial update of the view, before the first frame: computes the sky for the settings'
// date and place (the first-update form of RecomputeSky: bodies, horizon ring, observer and
// sidereal angles), the base radius and radius from the full-screen client height, and the grid
// points. The client size is set too when the chart has none yet.
void InitialUpdate(ChartState& chart, CatalogStore& catalog, const AppSettings& settings,
                   int fullScreenWidth, int fullScreenHeight);
