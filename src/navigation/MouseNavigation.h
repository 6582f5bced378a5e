// The mouse wheel and the left drag on the chart: the wheel zooms one level per notch and keeps
// the sky point under the pointer where it is; a drag turns the chart so that the sky point
// grabbed stays under the pointer; a press and release without movement centres on the point
// (ClickToCentre of Navigation.h). Both chart modes, both hemispheres.
//
// What the chart's own rules allow is kept: the centre's declination (altitude) is a whole
// degree, so vertical movement goes in whole degrees; it stops at +90 / -90 (no turning over a
// pole); at the widest level the centre snaps to whole hours and 15 degrees (SnapCentre), as
// after every centring; the zoom levels and automatic magnitude limits are those of ZoomIn and
// ZoomOut.
#pragma once

#include "chart/Projection.h"

#include <limits>
#include <optional>

struct ChartState;

// A position in the chart's own frame: what Unproject gives, with the southern observer's
// turned equatorial chart kept turned (the frame that m_dTurnX and m_nTurnY describe).
ChartPosition FramePosition(const ChartState& chart, const ChartPosition& sky);

// Turns the chart (m_dTurnX, m_nTurnY) so that the frame position `grabbed` lies under the
// client pixel (x, y), as nearly as whole degrees of m_nTurnY allow; of several such centres the
// nearest to the present one. Returns true when the centre changed. Nothing changes when (x, y)
// is off the sphere, or when the chart cannot show the point there (a point near a pole on the
// north-up chart stays close to the centre's meridian). With a finite maxStepDegrees (a drag)
// only centres that near are taken, and a point carried over a pole leaves the centre on the
// pole, turning about it.
bool KeepUnderPointer(ChartState& chart, const ChartPosition& grabbed, int x, int y,
                      double maxStepDegrees = std::numeric_limits<double>::infinity());

// One wheel notch at client pixel (x, y): zoomIn one level in, else one level out, then the sky
// under the pointer is put back under it (when the pointer was on the sphere), then SnapCentre
// at level 0. Returns true when the chart changed and must be redrawn (false at level 11 / 0).
bool WheelZoom(ChartState& chart, int autoMode, bool zoomIn, int x, int y);

// A left button press, held until release.
class ChartDrag {
public:
    // Movement below this many pixels from the press point is a click, not a drag.
    static constexpr int kClickSlop = 3;

    // The press at client pixel (x, y).
    ChartDrag(const ChartState& chart, int x, int y);

    // The pointer moved to (x, y) with the button held: once it has left the click slop, the
    // chart follows it. Returns true when the chart changed.
    bool MoveTo(ChartState& chart, int x, int y);

    // The release: a press that never became a drag centres on the press point (ClickToCentre).
    // Returns true when the chart changed.
    bool Release(ChartState& chart);

    bool Dragging() const { return m_dragging; }

private:
    std::optional<ChartPosition> m_grabbed; // frame position under the press, none off the sky
    int m_x = 0;
    int m_y = 0;
    bool m_dragging = false;
};
