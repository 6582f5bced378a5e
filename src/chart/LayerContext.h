// What every chart layer receives: the chart state, the computed sky, the frame's picking tables
// (which the star, deep-sky and solar-system layers fill), the projector made from the chart's
// geometry and the sky's sidereal angle and latitude, the catalogue tables, the observer's
// hemisphere as the Moon picture turns for it, the surface it draws on, whether the frame goes to
// the screen or to the printer, and the colours the frame's background step chose.
#pragma once

#include "astro/SkyState.h"
#include "chart/ChartState.h"
#include "chart/DrawSurface.h"
#include "chart/PickingTables.h"
#include "chart/Projection.h"

struct CatalogStore;

enum class FrameTarget {
    Screen,  // the off-screen image: colours, label boxes, client-area tests
    Printer, // paper: the printed forms, black on white, no client-area tests
};

struct LayerContext {
    const ChartState& chart;
    const SkyState& sky;
    PickingTables& picks;
    const CatalogStore& catalog;
    // The place's hemisphere letter is exactly "N": it turns the Moon picture (MoonPictures.h).
    bool northernMoon;
    DrawSurface& surface;
    FrameTarget target = FrameTarget::Screen;
    // The screen shows more than 8 bits per pixel (the deep colours of the background and
    // horizon rules); false picks the pure colours of an 8-bit screen.
    bool deepColour = true;
    Rgb skyColour = kBlack;         // m_crSky: background, label boxes, compass letters
    Rgb skyFillColour = {0, 0, 80}; // m_crSkyFill: Milky Way and Magellanic Cloud fill
    float printingScale = 1.0f;     // printer pixels per screen pixel (1 on screen)
    // The screen frame is drawn in the natural style: muted lines, labels with a halo instead
    // of a box (the layers' own colours are chosen by ScreenColour).
    bool natural = false;
    // The natural style's memo of the catalogue's unit vectors (the frame's memo, whose
    // classic projection the natural style does not use); none: computed afresh.
    ProjectionMemo* directionMemo = nullptr;

    // Where each point falls: the chart's geometry, or the page's while printing.
    Projector projector = Projector(chart, sky);
    // The caller's projection memo for the catalogue tables (none: every point computed afresh).
    ProjectionMemo* memo = nullptr;

    bool Printing() const { return target == FrameTarget::Printer; }
    // A layer's screen colour: the classic one, or the natural style's muted one.
    Rgb ScreenColour(Rgb classic, Rgb muted) const { return natural ? muted : classic; }
    // What lies behind a screen label: the classic box in the sky colour, or in the natural
    // style no box and a dark halo around the text.
    void SelectLabelBackdrop() const {
        if (natural) {
            surface.SelectPen(Pen{PenStyle::Solid, 1, Rgb{6, 8, 14}});
            surface.SelectBrush(Brush{BrushStyle::Null, kBlack});
        } else {
            surface.SelectPen(Pen{PenStyle::Solid, 1, skyColour});
            surface.SelectBrush(Brush{BrushStyle::Solid, skyColour});
        }
    }
};

// A symbol's or label's point: true with its pixel when it is visible and, on screen, strictly
// inside the client area. `memo` (may be none) holds the point as entry `index`.
inline bool ProjectSymbolPoint(const LayerContext& ctx, float ra, float dec, PointMemo* memo,
                               std::size_t index, PixelPoint& pixel) {
    if (memo == nullptr) {
        const auto p = ctx.projector.Project(ra, dec);
        if (p && (ctx.Printing() || ctx.projector.InsideClient(p->x, p->y))) {
            pixel = *p;
            return true;
        }
        return false;
    }
    if (ctx.Printing()) {
        return ctx.projector.Project(ra, dec, *memo, index, pixel);
    }
    return ctx.projector.ProjectInsideClient(ra, dec, *memo, index, pixel);
}
