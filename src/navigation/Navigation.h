// Folder navigation/: how the chart moves: zoom, pan and centring (here), the mouse
// (MouseNavigation), the sky point under the pointer (PointerTracking), right-click picking
// (Picking) and the time animation (Animation). No window system here.
//
// Navigation of the chart: zoom, pan, centring on a clicked point, on the four horizon points,
// on the zenith and on the nadir, the automatic magnitude limits that follow the zoom level, and
// the layer switches. Every operation changes only the chart state (never the date, time or
// place, and never the Solar System positions) and tells its caller whether the chart must be
// redrawn; the caller (the chart view) then invalidates the window without erasing it.
//
// Conventions of the chart state (see chart/ChartState.h): m_dTurnX in hours, kept inside the
// open interval -24..+24; m_nTurnY in whole degrees -90..+90 (declination in the equatorial
// chart, altitude in the local-horizon chart); m_nTilt = |m_nTurnY| after every change;
// m_nRadius = (m_nLevel + 1) * m_nBaseRadius.
//
// Centring on a searched object is CenterOn of chart/Centering.h; the rounding of the centre at
// the widest zoom level is SnapCentre of the same header. Both are used here.
#pragma once

#include "astro/SkyState.h"
#include "catalog/FaintStars.h"

#include <optional>
#include <string>

struct ChartState;
struct CatalogStore;

// ---------------------------------------------------------------------------------------------
// Automatic magnitude limits (the "Auto mode" of the magnitude-limits dialog)
// ---------------------------------------------------------------------------------------------

// Limits for one zoom level. starLimit is empty at level 4, where the star limit is left as it
// is. Levels below 0 are read as 0, levels above 11 as 11.
struct AutoMagnitudeLimits {
    std::optional<double> starLimit; // magnitudes
    double deepSkyLimit = 0.0;       // magnitudes
};
AutoMagnitudeLimits AutoLimitsForLevel(int level);

// Sets m_dStarLimit / m_dDeepSkyLimit from AutoLimitsForLevel(m_nLevel). Used by the zoom commands
// (only when AutoMode is 1) and by the magnitude-limits dialog when its Auto box is ticked.
void ApplyAutoLimits(ChartState& chart);

// ---------------------------------------------------------------------------------------------
// Zoom (commands 32771, 32772)
// ---------------------------------------------------------------------------------------------

// Zoom in one level (largest level 11). autoMode is the AutoMode setting (0 or 1): when 1 the
// magnitude limits follow the new level. Returns true when the chart changed and must be
// redrawn; at level 11 nothing changes and false is returned.
bool ZoomIn(ChartState& chart, int autoMode);

// Zoom out one level (smallest level 0), with the automatic limits as ZoomIn. Arriving at (or
// being at) level 0 snaps the centre to the coarse grid (SnapCentre). Returns true when anything
// changed (the level, or the centre by the snap) and the chart must be redrawn.
bool ZoomOut(ChartState& chart, int autoMode);

// After the faint stars are switched off: the chart zooms back out to the deepest ordinary level
// (as ZoomOut does, limits following in Auto mode) and a star limit past every bright star comes
// back to 7.5. Nothing changes while the faint stars are on.
void LeaveFaintStarLevels(ChartState& chart, int autoMode);

// The faint stars asked for (their switch on) with no faint-star catalogue to draw: the switch
// goes off, with the deep levels and limits (LeaveFaintStarLevels; before the chart's first
// layout the level is simply cut to the deepest ordinary one). Returns the warning for the user,
// or nothing when the faint stars were not asked for or are there.
std::optional<std::string> TurnOffMissingFaintStars(const FaintStarTable& faint, ChartState& chart,
                                                    int autoMode);

// ---------------------------------------------------------------------------------------------
// Pan (commands 32778 up, 32777 down, 32779 right, 32780 left)
// ---------------------------------------------------------------------------------------------

// Up/down move the centre 15 degrees at level 0 and 5 degrees at other levels, never beyond
// +90 / -90; at the limit nothing changes and false is returned.
bool PanUp(ChartState& chart);
bool PanDown(ChartState& chart);

// Right/left turn the chart by 1 hour at level 0 and 1/3 hour at other levels (m_dTurnX wraps:
// right subtracts 24 at 24 or more, left adds 24 at -24 or less); m_fTurnXDeg follows in 5
// degree steps inside -15..+15 (set to 0 at level 0). Always returns true.
bool PanRight(ChartState& chart);
bool PanLeft(ChartState& chart);

// ---------------------------------------------------------------------------------------------
// Centring
// ---------------------------------------------------------------------------------------------

// The observer's hemisphere is read through the chart state (ChartState::SouthernObserver(),
// hemisphere letter exactly "S"): the equatorial chart of such an observer is drawn turned, with
// the south pole up, and the centring rules put their target into that turned frame.

// Left button down at client pixel (x, y): centres the chart on the sky under the pointer.
// A click on the rim of the sphere or outside it (distance from the centre >= m_nRadius), or a
// pixel the inverse projection cannot map to the sky, is ignored (returns false). Otherwise the
// centre is set, SnapCentre applied, and true returned (redraw).
bool ClickToCentre(ChartState& chart, int x, int y);

// The four horizon points of the search menu (commands 32806 East, 32807 West, 32808 North,
// 32809 South). Each reads its entry of the computed sky's horizon ring (azimuth 5 * index
// degrees from the south through the west): East 54, West 18, North 36,
// South 72.
enum class HorizonPoint { East, West, North, South };
int HorizonPointIndex(HorizonPoint point); // 54, 18, 36, 72

// Centres on a horizon point. Equatorial chart: on that point's right ascension and
// declination. Local-horizon chart: turn -6 (East), -18 (West), -12 (North), 0 (South) hours
// and altitude 0. Then SnapCentre. Always returns true (redraw).
bool CentreOnHorizonPoint(ChartState& chart, const SkyState& sky, HorizonPoint point);

// Zenith (32825) and nadir (32826). Equatorial chart: centres on the sky 0.05 degrees short of
// the zenith (nadir) towards the north (south) point, computed from the sky's sidereal angle
// and place. Local-horizon chart: altitude +90 (-90), turn unchanged. Then SnapCentre. Always
// returns true (redraw).
bool CentreOnZenith(ChartState& chart, const SkyState& sky);
bool CentreOnNadir(ChartState& chart, const SkyState& sky);

// ---------------------------------------------------------------------------------------------
// Layer switches and chart mode
// ---------------------------------------------------------------------------------------------

// Inverts a layer switch: 0 becomes 1, anything else becomes 0. The caller redraws.
void ToggleSwitch(int& layerSwitch);
