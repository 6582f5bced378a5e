#include "chart/Frame.h"

#include "astro/Transforms.h"
#include "chart/Layers.h"
#include "chart/NaturalSky.h"
#include "chart/Projection.h"
#include "settings/AppSettings.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

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

// The frame's drawing order: each layer with the switch that shows it (none: always drawn) and
// the least zoom level it needs. The printer draws the layers in this order; the screen draws
// the one marked last on screen (the horizon) above everything else instead of before the
// deep-sky objects.
struct LayerStep {
    int ChartState::*on;
    void (*draw)(const LayerContext&);
    int minLevel = 0;
    bool lastOnScreen = false;
};

constexpr LayerStep kLayerOrder[] = {
    {&ChartState::m_bMilkyWay, DrawMilkyWay},
    {&ChartState::m_bDeepSky, DrawMagellanicClouds},
    {&ChartState::m_bEcliptic, DrawEcliptic},
    {&ChartState::m_bBoundaries, DrawBoundaries},
    {&ChartState::m_bConstelations, DrawConstellationFigures},
    {&ChartState::m_bHorizon, DrawHorizon, 0, true},
    {&ChartState::m_bDeepSky, DrawDeepSky},
    {&ChartState::m_bCoordinations, DrawGrid},
    {nullptr, DrawStars},
    {&ChartState::m_bStarNames, DrawStarNames, 1},
    {&ChartState::m_bSolarSystem, DrawSolarSystem},
};

bool Shown(const LayerStep& step, const ChartState& chart) {
    return (step.on == nullptr || chart.*step.on != 0) && chart.m_nLevel >= step.minLevel;
}

void DrawLayers(const LayerContext& ctx, bool printed) {
    for (const LayerStep& step : kLayerOrder) {
        if ((printed || !step.lastOnScreen) && Shown(step, ctx.chart)) {
            step.draw(ctx);
        }
    }
    if (!printed) {
        for (const LayerStep& step : kLayerOrder) {
            if (step.lastOnScreen && Shown(step, ctx.chart)) {
                step.draw(ctx);
            }
        }
    }
}

} // namespace

void PrepareScreenFrame(const ChartState& chart, SkySession& session) {
    constexpr int kPoleTilt = 90;
    constexpr double kPoleAltitude = 2.0;
    if (!chart.m_bHorizon || chart.m_nLevel != 0 ||
        (chart.m_nTurnY != kPoleTilt && chart.m_nTurnY != -kPoleTilt)) {
        return;
    }
    session.ShowHorizonAtAltitude(chart.m_nTurnY > 0 ? kPoleAltitude : -kPoleAltitude);
}

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

double SunAltitude(const SkyState& sky) {
    const SolarSystemBody& sun = sky.m_bodies[kBodySun];
    return EquatorialToHorizontal(sun.ra, sun.dec, sky.m_dGST, sky.m_dLongitude, sky.m_dLatitude)
        .altitude;
}

FrameResult Draw(ChartState& chart, const SkyState& sky, const CatalogStore& catalog,
                 const AppSettings& settings, DrawSurface& surface, const FrameOptions& options) {
    ScopedSurfaceState keep(surface);
    FrameResult result;
    try {
        LayerContext ctx{chart,
                         sky,
                         result.picks,
                         catalog,
                         settings.Observer.NS == "N",
                         surface,
                         options.target,
                         options.deepColour};
        ctx.memo = options.memo;
        if (options.target == FrameTarget::Printer) {
            // The page's own geometry; the chart keeps the screen's.
            const PrintedGeometry page =
                PrintingGeometry(chart, options.pageWidth, options.pageHeight);
            ctx.printingScale = page.scale;
            ctx.projector.SetGeometry(page.geometry);
            // The printer's own default font, for the compass letters that select none: about
            // 12 points on a page printed at 300 pixels per inch from a 1000-pixel screen.
            Font font = DefaultFont();
            font.height = std::max(font.height,
                                   static_cast<int>(kPrinterFontScreenPixels * ctx.printingScale));
            font.weight = 400;
            surface.SelectFont(font);
            DrawLayers(ctx, true);
            result.geometry = page.geometry;
            return result;
        }
        if (chart.m_bNaturalSky != 0) {
            // The natural style projects by its own rules, from the memo's directions.
            ctx.natural = true;
            ctx.directionMemo = ctx.memo;
            ctx.projector.UseNaturalRules(chart.m_bPreciseModel != 0);
            DrawNaturalFrame(ctx, SunAltitude(sky));
            if (options.reticle) {
                result.reticle = DrawReticle(ctx, options.reticle->ra, options.reticle->dec);
            }
            result.geometry = ctx.projector.Geometry();
            return result;
        }
        const SkyColours colours =
            BackgroundColours(chart.m_bColoredSky != 0, SunAltitude(sky), options.deepColour);
        ctx.skyColour = colours.sky;
        ctx.skyFillColour = colours.fill;
        surface.FillRect(PixelRect{0, 0, 2 * chart.m_nCenterX, 2 * chart.m_nCenterY}, colours.sky);
        DrawLayers(ctx, false);
        if (options.reticle) {
            result.reticle = DrawReticle(ctx, options.reticle->ra, options.reticle->dec);
        }
        result.geometry = ctx.projector.Geometry();
        return result;
    } catch (const std::exception& e) {
        result.error = e.what();
    } catch (...) {
        result.error = "unknown error while drawing the chart";
    }
    chart.m_bAnimate = 0;
    result.ok = false;
    return result;
}

FrameResult FailedFrame(std::string error) {
    FrameResult result;
    result.ok = false;
    result.error = std::move(error);
    return result;
}

void DrawPageBorder(DrawSurface& surface, const PixelRect& area) {
    surface.MoveTo(area.left, area.top);
    surface.LineTo(area.right - 1, area.top);
    surface.LineTo(area.right - 1, area.bottom - 1);
    surface.LineTo(area.left, area.bottom - 1);
    surface.LineTo(area.left, area.top);
}
