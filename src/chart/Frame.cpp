#include "chart/Frame.h"

#include "astro/Transforms.h"
#include "chart/Layers.h"
#include "chart/Projection.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

// The sky colours of the background rule, deep screen first, then the 8-bit screen's.
constexpr Rgb kNight{0, 0, 0};
constexpr Rgb kAstronomicalDeep{0, 0, 80};
constexpr Rgb kAstronomicalPure{0, 0, 64};
constexpr Rgb kNauticalDeep{0, 0, 152};
constexpr Rgb kCivilDeep{0, 115, 215};
constexpr Rgb kTwilightPure{0, 0, 255};
constexpr Rgb kDayDeep{0, 191, 255};
constexpr Rgb kDayPure{0, 255, 255};

// Height of the printer's default font in screen pixels (times the printing scale).
constexpr int kPrinterFontScreenPixels = 20;

void ClearPickingTables(ChartState& chart) {
    chart.m_ptStar.fill(StarPick{});
    chart.m_ptBody.fill(PixelPoint{});
    chart.m_ptDeepSky.fill(PixelPoint{});
}

void DrawScreenLayers(const LayerContext& ctx) {
    const ChartState& chart = ctx.chart;
    if (chart.m_bMilkyWay) {
        DrawMilkyWay(ctx);
    }
    if (chart.m_bDeepSky) {
        DrawMagellanicClouds(ctx);
    }
    if (chart.m_bEcliptic) {
        DrawEcliptic(ctx);
    }
    if (chart.m_bBoundaries) {
        DrawBoundaries(ctx);
    }
    if (chart.m_bConstelations) {
        DrawConstellationFigures(ctx);
    }
    if (chart.m_bDeepSky) {
        DrawDeepSky(ctx);
    }
    if (chart.m_bCoordinations) {
        DrawGrid(ctx);
    }
    DrawStars(ctx);
    if (chart.m_bStarNames && chart.m_nLevel >= 1) {
        DrawStarNames(ctx);
    }
    if (chart.m_bSolarSystem) {
        DrawSolarSystem(ctx);
    }
    if (chart.m_bHorizon) {
        DrawHorizon(ctx);
    }
}

// The printer's order differs from the screen's only in the horizon, which comes before the
// deep-sky objects.
void DrawPrintedLayers(const LayerContext& ctx) {
    const ChartState& chart = ctx.chart;
    if (chart.m_bMilkyWay) {
        DrawMilkyWay(ctx);
    }
    if (chart.m_bDeepSky) {
        DrawMagellanicClouds(ctx);
    }
    if (chart.m_bEcliptic) {
        DrawEcliptic(ctx);
    }
    if (chart.m_bBoundaries) {
        DrawBoundaries(ctx);
    }
    if (chart.m_bConstelations) {
        DrawConstellationFigures(ctx);
    }
    if (chart.m_bHorizon) {
        DrawHorizon(ctx);
    }
    if (chart.m_bDeepSky) {
        DrawDeepSky(ctx);
    }
    if (chart.m_bCoordinations) {
        DrawGrid(ctx);
    }
    DrawStars(ctx);
    if (chart.m_bStarNames && chart.m_nLevel >= 1) {
        DrawStarNames(ctx);
    }
    if (chart.m_bSolarSystem) {
        DrawSolarSystem(ctx);
    }
}

} // namespace

SkyColours BackgroundColours(bool coloredSky, double sunAltitude, bool deepColour) {
    const Rgb astronomical = deepColour ? kAstronomicalDeep : kAstronomicalPure;
    if (!coloredSky || sunAltitude <= -18.0) {
        return SkyColours{kNight, astronomical};
    }
    Rgb sky;
    if (sunAltitude <= -12.0) {
        sky = astronomical;
    } else if (sunAltitude <= -6.0) {
        sky = deepColour ? kNauticalDeep : kTwilightPure;
    } else if (sunAltitude <= 0.0) {
        sky = deepColour ? kCivilDeep : kTwilightPure;
    } else {
        sky = deepColour ? kDayDeep : kDayPure;
    }
    return SkyColours{sky, sky};
}

double SunAltitude(const ChartState& chart) {
    const SolarSystemBody& sun = chart.m_bodies[kBodySun];
    return EquatorialToHorizontal(sun.ra, sun.dec, chart.m_dGST, chart.m_dLongitude,
                                  chart.m_dLatitude)
        .altitude;
}

FrameResult Draw(ChartState& chart, CatalogStore& catalog, const AppSettings& settings,
                 DrawSurface& surface, const FrameOptions& options) {
    ScopedSurfaceState keep(surface);
    try {
        ClearPickingTables(chart);
        LayerContext ctx{chart, catalog, settings, surface, options.target, options.deepColour};
        if (options.target == FrameTarget::Printer) {
            ctx.printingScale = ApplyPrintingScale(chart, options.pageWidth, options.pageHeight);
            // The printer's own default font, for the compass letters that select none: about
            // 12 points on a page printed at 300 pixels per inch from a 1000-pixel screen.
            Font font = DefaultFont();
            font.height = std::max(font.height,
                                   static_cast<int>(kPrinterFontScreenPixels * ctx.printingScale));
            font.weight = 400;
            surface.SelectFont(font);
            DrawPrintedLayers(ctx);
            return {};
        }
        const SkyColours colours =
            BackgroundColours(chart.m_bColoredSky != 0, SunAltitude(chart), options.deepColour);
        ctx.skyColour = colours.sky;
        ctx.skyFillColour = colours.fill;
        surface.FillRect(PixelRect{0, 0, 2 * chart.m_nCenterX, 2 * chart.m_nCenterY}, colours.sky);
        DrawScreenLayers(ctx);
        return {};
    } catch (const std::exception& e) {
        chart.m_bAnimate = 0;
        return FrameResult{false, e.what()};
    } catch (...) {
        chart.m_bAnimate = 0;
        return FrameResult{false, "unknown error while drawing the chart"};
    }
}

void DrawPageBorder(DrawSurface& surface, const PixelRect& area) {
    surface.MoveTo(area.left, area.top);
    surface.LineTo(area.right - 1, area.top);
    surface.LineTo(area.right - 1, area.bottom - 1);
    surface.LineTo(area.left, area.bottom - 1);
    surface.LineTo(area.left, area.top);
}
