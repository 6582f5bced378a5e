#include "chart/Centering.h"

#include "astro/Angles.h"
#include "astro/Transforms.h"

#include <cstdlib>

void SnapCentre(ChartState& chart) {
    if (chart.m_nLevel != 0) {
        return;
    }
    chart.m_nTurnY = 15 * RoundHalfTowardZero(chart.m_nTurnY / 15.0);
    chart.m_nTilt = std::abs(chart.m_nTurnY);
    chart.m_dTurnX = RoundHalfTowardZero(chart.m_dTurnX);
}

void CenterOn(ChartState& chart, const SkyState& sky, double ra, double dec) {
    if (chart.m_bHorizonView == kChartEquatorial) {
        const int decWhole = static_cast<int>(dec); // truncated toward zero
        if (chart.SouthernObserver()) {
            chart.m_dTurnX = ra - 24.0;
            chart.m_nTurnY = -decWhole;
        } else {
            chart.m_dTurnX = -ra;
            chart.m_nTurnY = decWhole;
        }
    } else {
        const HorizontalPosition h =
            EquatorialToHorizontal(ra, dec, sky.m_dGST, sky.m_dLongitude, sky.m_dLatitude);
        chart.m_dTurnX = (h.compassAzimuth - 180.0) / 15.0;
        chart.m_nTurnY = static_cast<int>(h.altitude);
    }
    chart.m_nTilt = std::abs(chart.m_nTurnY);
    SnapCentre(chart);
    // Right ascension 0 on a southern chart gives -24, and the snap to whole hours can reach
    // -24 as well: the same turn as 0, kept inside the open interval -24..24 that the profile
    // and the pan wrap expect.
    if (chart.m_dTurnX <= -24.0) {
        chart.m_dTurnX += 24.0;
    }
    if (chart.m_dTurnX == 0.0) {
        chart.m_dTurnX = 0.0; // no negative zero in the saved profile
    }
}
