#include "navigation/Navigation.h"

#include "astro/Transforms.h"
#include "catalog/CatalogStore.h"
#include "chart/Centering.h"
#include "chart/ChartState.h"
#include "chart/Projection.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Pan steps: coarse at the widest level (the grid's 15-degree rows and whole hours), fine at
// every other level (5 degrees, 20 minutes of right ascension).
constexpr int kPanDegreesWide = 15;
constexpr int kPanDegreesClose = 5;
constexpr double kPanHoursWide = 1.0;
constexpr double kPanHoursClose = 0.333333333;
constexpr float kTurnXDegStep = 5.0f;
constexpr float kTurnXDegWrap = 15.0f;

// The centring on the zenith or nadir aims 0.05 degrees short of the pole of the horizon,
// towards the north point, where the transforms are well conditioned.
constexpr double kZenithAltitude = 89.95;
constexpr double kNadirAltitude = -89.95;
constexpr double kNorthChartAzimuth = 180.0;

void SetTilt(ChartState& chart) {
    chart.m_nTilt = std::abs(chart.m_nTurnY);
}

// Whole degrees toward zero, as the centre's declination is stored.
int TruncateDegrees(double degrees) {
    return static_cast<int>(std::trunc(degrees));
}

// Puts the sky point (ra hours, dec degrees) at the centre of the chart as the projection reads
// the turns: the centre lies at right ascension 24 - m_dTurnX, and a southern observer's
// equatorial chart is drawn with 24 - ra and -dec.
void SetCentre(ChartState& chart, double ra, double dec) {
    if (chart.m_bHorizonView == kChartEquatorial && chart.SouthernObserver()) {
        chart.m_dTurnX = ra - 24.0;
        chart.m_nTurnY = -TruncateDegrees(dec);
    } else {
        chart.m_dTurnX = -ra;
        chart.m_nTurnY = TruncateDegrees(dec);
    }
    // ra = 0 on a southern chart gives -24, the same turn as 0; keep the turn inside the open
    // interval -24..24 that the profile and the pan wrap expect.
    if (chart.m_dTurnX <= -24.0) {
        chart.m_dTurnX += 24.0;
    }
    if (chart.m_dTurnX == 0.0) {
        chart.m_dTurnX = 0.0; // no negative zero in the saved profile
    }
}

// Tilt and the coarse-grid snap, the end of every centring. Returns true when the snap moved
// the centre.
bool FinishCentring(ChartState& chart) {
    SetTilt(chart);
    const double turnX = chart.m_dTurnX;
    const int turnY = chart.m_nTurnY;
    SnapCentre(chart);
    // Rounding to whole hours can reach the wrap value itself (-23.6 becomes -24).
    if (chart.m_dTurnX <= -24.0) {
        chart.m_dTurnX += 24.0;
    } else if (chart.m_dTurnX >= 24.0) {
        chart.m_dTurnX -= 24.0;
    }
    return turnX != chart.m_dTurnX || turnY != chart.m_nTurnY;
}

bool CentreOnHorizonPole(ChartState& chart, const SkyState& sky, double altitudeDegrees,
                         int chartAltitude) {
    if (chart.m_bHorizonView == kChartEquatorial) {
        const EquatorialPosition pos = HorizontalToEquatorial(
            kNorthChartAzimuth, altitudeDegrees, sky.m_dGST, sky.m_dLongitude, sky.m_dLatitude);
        SetCentre(chart, pos.ra, pos.dec);
    } else {
        chart.m_nTurnY = chartAltitude;
    }
    FinishCentring(chart);
    return true;
}

} // namespace

AutoMagnitudeLimits AutoLimitsForLevel(int level) {
    switch (std::clamp(level, 0, kMaxDeepLevel)) {
    case 0:
        return {5.0, 6.0};
    case 1:
        return {5.5, 7.0};
    case 2:
        return {6.0, 8.0};
    case 3:
        return {6.5, 9.0};
    case 4:
        return {std::nullopt, 10.0};
    // The deep levels (faint stars on) go on towards the faint catalogue's limit.
    case 12:
        return {8.0, 13.0};
    case 13:
        return {8.75, 13.0};
    case 14:
        return {9.5, 13.0};
    case 15:
        return {10.25, 13.0};
    case 16:
        return {11.0, 13.0};
    case 17:
        return {12.0, 13.0};
    default:
        return {7.5, 13.0};
    }
}

void ApplyAutoLimits(ChartState& chart) {
    const AutoMagnitudeLimits limits = AutoLimitsForLevel(chart.m_nLevel);
    if (limits.starLimit) {
        chart.m_dStarLimit = *limits.starLimit;
    }
    chart.m_dDeepSkyLimit = limits.deepSkyLimit;
}

bool ZoomIn(ChartState& chart, int autoMode) {
    const unsigned base = static_cast<unsigned>(std::max(chart.m_nBaseRadius, 0));
    const bool deeper =
        chart.m_bFaintStars && chart.m_nLevel >= kMaxLevel && chart.m_nLevel < kMaxDeepLevel;
    if (base == 0 || (!deeper && chart.m_nRadius >= (kMaxLevel + 1) * base)) {
        return false;
    }
    if (deeper) {
        chart.m_nLevel += 1;
        chart.m_nRadius = LevelRadius(chart.m_nLevel, chart.m_nBaseRadius);
    } else {
        chart.m_nRadius += base;
        chart.m_nLevel += 1;
    }
    if (autoMode == 1) {
        ApplyAutoLimits(chart);
    }
    return true;
}

void LeaveFaintStarLevels(ChartState& chart, int autoMode) {
    if (chart.m_bFaintStars != 0) {
        return;
    }
    while (chart.m_nLevel > kMaxLevel && ZoomOut(chart, autoMode)) {
    }
    chart.m_dStarLimit = std::min(chart.m_dStarLimit, 7.5);
}

std::optional<std::string> TurnOffMissingFaintStars(const FaintStarTable& faint, ChartState& chart,
                                                    int autoMode) {
    if (chart.m_bFaintStars == 0 || faint.Available()) {
        return std::nullopt;
    }
    chart.m_bFaintStars = 0;
    LeaveFaintStarLevels(chart, autoMode);
    chart.m_nLevel = std::min(chart.m_nLevel, kMaxLevel);
    return std::string("warning: there are no faint stars to show (") + kFaintStarFileName +
           " is missing or holds none); the Faint Stars layer is off";
}

bool ZoomOut(ChartState& chart, int autoMode) {
    const unsigned base = static_cast<unsigned>(std::max(chart.m_nBaseRadius, 0));
    bool changed = false;
    if (base != 0 && chart.m_nLevel > kMaxLevel) {
        chart.m_nLevel -= 1;
        chart.m_nRadius = LevelRadius(chart.m_nLevel, chart.m_nBaseRadius);
        if (autoMode == 1) {
            ApplyAutoLimits(chart);
        }
        return true;
    }
    if (base != 0 && chart.m_nRadius > base) {
        chart.m_nRadius -= base;
        chart.m_nLevel -= 1;
        if (autoMode == 1) {
            ApplyAutoLimits(chart);
        }
        changed = true;
    }
    if (chart.m_nLevel == 0) {
        // A centre left between the grid rows (by a pan at level 0) is snapped even when the
        // level stays; the chart is then redrawn so that it shows the snapped centre.
        changed = FinishCentring(chart) || changed;
    }
    SetTilt(chart);
    return changed;
}

bool PanUp(ChartState& chart) {
    if (chart.m_nTurnY >= 90) {
        return false;
    }
    const int step = chart.m_nLevel == 0 ? kPanDegreesWide : kPanDegreesClose;
    chart.m_nTurnY = std::min(chart.m_nTurnY + step, 90);
    SetTilt(chart);
    return true;
}

bool PanDown(ChartState& chart) {
    if (chart.m_nTurnY <= -90) {
        return false;
    }
    const int step = chart.m_nLevel == 0 ? kPanDegreesWide : kPanDegreesClose;
    chart.m_nTurnY = std::max(chart.m_nTurnY - step, -90);
    SetTilt(chart);
    return true;
}

bool PanRight(ChartState& chart) {
    if (chart.m_nLevel == 0) {
        chart.m_dTurnX += kPanHoursWide;
        chart.m_fTurnXDeg = 0.0f;
    } else {
        chart.m_dTurnX += kPanHoursClose;
        chart.m_fTurnXDeg += kTurnXDegStep;
        if (chart.m_fTurnXDeg >= kTurnXDegWrap) {
            chart.m_fTurnXDeg -= kTurnXDegWrap;
        }
    }
    if (chart.m_dTurnX >= 24.0) {
        chart.m_dTurnX -= 24.0;
    }
    return true;
}

bool PanLeft(ChartState& chart) {
    if (chart.m_nLevel == 0) {
        chart.m_dTurnX -= kPanHoursWide;
        chart.m_fTurnXDeg = 0.0f;
    } else {
        chart.m_dTurnX -= kPanHoursClose;
        chart.m_fTurnXDeg -= kTurnXDegStep;
        if (chart.m_fTurnXDeg <= -kTurnXDegWrap) {
            chart.m_fTurnXDeg += kTurnXDegWrap;
        }
    }
    if (chart.m_dTurnX <= -24.0) {
        chart.m_dTurnX += 24.0;
    }
    return true;
}

bool ClickToCentre(ChartState& chart, int x, int y) {
    if (chart.m_nRadius == 0) {
        return false;
    }
    const double dx = static_cast<double>(x) - chart.m_nCenterX;
    const double dy = static_cast<double>(y) - chart.m_nCenterY;
    if (std::hypot(dx, dy) / chart.m_nRadius >= 1.0) {
        return false; // on the rim or outside the drawn sphere
    }
    const std::optional<ChartPosition> pos = Unproject(chart, x, y);
    if (!pos || !std::isfinite(pos->ra) || !std::isfinite(pos->dec)) {
        return false;
    }
    SetCentre(chart, pos->ra, pos->dec);
    FinishCentring(chart);
    return true;
}

int HorizonPointIndex(HorizonPoint point) {
    switch (point) {
    case HorizonPoint::East:
        return 54;
    case HorizonPoint::West:
        return 18;
    case HorizonPoint::North:
        return 36;
    case HorizonPoint::South:
        break;
    }
    return 72;
}

bool CentreOnHorizonPoint(ChartState& chart, const SkyState& sky, HorizonPoint point) {
    const int index = HorizonPointIndex(point);
    if (chart.m_bHorizonView == kChartEquatorial) {
        const OutlinePoint& entry = sky.m_horizon[static_cast<std::size_t>(index)];
        SetCentre(chart, entry.ra, entry.dec);
    } else {
        // The horizon runs through the centre; the turn in whole hours puts the point there
        // (East -6, West -18, North -12, South 0).
        chart.m_dTurnX = index % 24 == 0 ? 0.0 : -static_cast<double>((index + 24) % 24);
        chart.m_nTurnY = 0;
    }
    FinishCentring(chart);
    return true;
}

bool CentreOnZenith(ChartState& chart, const SkyState& sky) {
    return CentreOnHorizonPole(chart, sky, kZenithAltitude, 90);
}

bool CentreOnNadir(ChartState& chart, const SkyState& sky) {
    return CentreOnHorizonPole(chart, sky, kNadirAltitude, -90);
}

void ToggleSwitch(int& layerSwitch) {
    layerSwitch = layerSwitch == 0 ? 1 : 0;
}
