// The chart's set-up before its first frame, which needs both the chart state and the scale rules
// of the projection.
#pragma once

#include "chart/ChartState.h"

// The initial update of the view, before the first frame (the sky session has computed the sky
// already): the base radius and radius from the full-screen client height. The client size is
// set too when the chart has none yet.
void InitialUpdate(ChartState& chart, int fullScreenWidth, int fullScreenHeight);
