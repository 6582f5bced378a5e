// One frame of the chart: the layers in their fixed order, on the screen's off-screen surface
// (with the sky background) or on the printer (the printed forms on white paper, at the printing
// scale). The frame changes nothing of the chart's geometry; where it drew each pickable object
// comes back in its result.
#pragma once

#include "astro/SkySession.h"
#include "astro/Transforms.h"
#include "chart/ChartState.h"
#include "chart/DrawSurface.h"
#include "chart/LayerContext.h"

#include <optional>
#include <string>

struct AppSettings;
struct CatalogStore;

struct FrameOptions {
    FrameTarget target = FrameTarget::Screen;
    bool deepColour = true; // more than 8 bits per pixel
    // Printer only: the page's printable size in device pixels.
    int pageWidth = 0;
    int pageHeight = 0;
    // What the projection keeps from frame to frame for the catalogue points (ProjectionMemo.h),
    // owned by the caller that draws frame after frame (the view); none: every point is
    // computed afresh, with the same pixels.
    ProjectionMemo* memo = nullptr;
    // Screen only: where the telescope points, in the chart's frame (the reticle is drawn last);
    // none while no mount is connected.
    std::optional<EquatorialPosition> reticle;
};

struct FrameResult {
    bool ok = true;
    std::string error; // what ended the frame, when !ok
    // The geometry the frame was drawn with (the page's on a printed page), in whose pixels the
    // picking tables are.
    ChartGeometry geometry;
    // Where the frame drew each pickable object (as far as it got, when !ok).
    PickingTables picks;
    // Where the reticle's centre was drawn, none when it was not.
    std::optional<PixelPoint> reticle;
};

// The result of a frame that could not be drawn at all.
FrameResult FailedFrame(std::string error);

// The colours of the sky background rule for a Sun altitude (degrees); `sky` is m_crSky and
// `fill` m_crSkyFill.
struct SkyColours {
    Rgb sky;
    Rgb fill;
};
SkyColours BackgroundColours(bool coloredSky, double sunAltitude, bool deepColour);

// The Sun's altitude in degrees for the sky's instant and place.
double SunAltitude(const SkyState& sky);

// Draws one frame on `surface`. Screen: background then the screen layers; the caller copies the
// rectangle (0, 0, 2 * m_nCenterX, 2 * m_nCenterY) to the window when the result is ok. Printer:
// sets the printing scale (the caller saves and restores the screen geometry) and draws the
// printed layers. An exception inside the frame ends it: the animation flag is cleared and the
// result says what happened (the caller stops its timer and copies nothing). The layers read the
// computed sky and the catalogue.
FrameResult Draw(ChartState& chart, const SkyState& sky, const CatalogStore& catalog,
                 const AppSettings& settings, DrawSurface& surface,
                 const FrameOptions& options = {});

// What a screen frame of a sky session does first: at the pole views of level 0, with the
// horizon switched on, the session's horizon ring gives way to the circle of altitude +2 (north
// pole) or -2 (south pole), which stays until the next recompute.
void PrepareScreenFrame(const ChartState& chart, SkySession& session);

// The printed page's border along its usable area, with the surface's current pen: (left, top)
// to (right - 1, top) to (right - 1, bottom - 1) to (left, bottom - 1) and back.
void DrawPageBorder(DrawSurface& surface, const PixelRect& area);
