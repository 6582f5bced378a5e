// The Sun, the Moon and the planets, Pluto first and the Moon last, after their labels. On screen
// the Moon is its phase picture, the Sun a rayed disc and each planet a small coloured disc; on
// paper they are outlines in the surface's current pen and brush.

#include "chart/LabelPlacement.h"
#include "chart/Layers.h"
#include "chart/MoonPictures.h"
#include "chart/Projection.h"
#include "chart/SymbolTables.h"

namespace {

// Bodies from Pluto down to the Moon.
template <typename Fn> void ForEachBodyPlutoFirst(Fn fn) {
    for (std::size_t b = kBodyCount; b-- > 0;) {
        fn(b);
    }
}

void DrawScreenBody(const LayerContext& ctx, std::size_t b, int x, int y) {
    DrawSurface& surface = ctx.surface;
    switch (b) {
    case kBodyMoon: {
        const BodyTable& bodies = ctx.sky.m_bodies;
        const std::size_t k = MoonPictureIndex(bodies[kBodyMoon].cosPhaseAngle);
        const MoonPlacement box =
            PlaceMoonPicture(x, y, bodies[kBodySun].ra, bodies[kBodyMoon].ra, ctx.northernMoon);
        surface.DrawIcon(MoonPictures()[k], box.left, box.top, box.width, box.height);
        return;
    }
    case kBodySun: {
        ScopedSurfaceState keep(surface);
        surface.SelectPen(Pen{PenStyle::Solid, 1, kSunPenColour});
        surface.SelectBrush(Brush{BrushStyle::Solid, kSunBrushColour});
        surface.Line(x - 16, y, x + 16, y);
        surface.Line(x, y - 16, x, y + 16);
        surface.Line(x - 10, y - 10, x + 10, y + 10);
        surface.Line(x - 10, y + 10, x + 10, y - 10);
        surface.Ellipse(x - 8, y - 8, x + 8, y + 8);
        return;
    }
    default:
        break;
    }
    if (b == kBodySaturn) {
        ScopedSurfaceState keep(surface);
        surface.SelectPen(Pen{PenStyle::Solid, 1, kSaturnRingColour});
        surface.Line(x - 5, y, x + 6, y);
    }
    const Rgb colour = PlanetDiscColour(b);
    for (const PixelOffset& o : PlanetDiscOffsets()) {
        surface.SetPixel(x + o.dx, y + o.dy, colour);
    }
    if (b == kBodyMars) {
        surface.SetPixel(x, y - 3, kWhite);
        surface.SetPixel(x, y + 2, kWhite);
    } else if (b == kBodyJupiter) {
        constexpr Rgb kBand{255, 0, 0};
        surface.SetPixel(x, y + 1, kBand);
        surface.SetPixel(x + 1, y + 1, kBand);
    }
}

void DrawPrintedBody(DrawSurface& surface, std::size_t b, int x, int y) {
    constexpr int kMoonHalf = 32;
    constexpr int kPlanetHalf = 10;
    switch (b) {
    case kBodyMoon:
        surface.Ellipse(x - kMoonHalf, y - kMoonHalf, x + kMoonHalf, y + kMoonHalf);
        return;
    case kBodySun:
        surface.Line(x - 64, y, x + 64, y);
        surface.Line(x, y - 64, x, y + 64);
        surface.Line(x - 40, y - 40, x + 40, y + 40);
        surface.Line(x - 40, y + 40, x + 40, y - 40);
        surface.Ellipse(x - kMoonHalf, y - kMoonHalf, x + kMoonHalf, y + kMoonHalf);
        return;
    case kBodySaturn:
        surface.Line(x - 24, y, x + 24, y);
        break;
    default:
        break;
    }
    surface.Ellipse(x - kPlanetHalf, y - kPlanetHalf, x + kPlanetHalf, y + kPlanetHalf);
}

} // namespace

void DrawSolarSystemLabels(const LayerContext& ctx) {
    DrawSolarSystemLabels(ctx, BodyLabelClearance{});
}

void DrawSolarSystemLabels(const LayerContext& ctx, const BodyLabelClearance& clearance) {
    const ChartState& chart = ctx.chart;
    if (!chart.m_bSolarSystem || !chart.m_bSolSysLabels || chart.m_nLevel < 1) {
        return;
    }
    DrawSurface& surface = ctx.surface;
    const bool printed = ctx.Printing();
    ScopedSurfaceState keep(surface);
    if (printed) {
        surface.SetBackgroundColour(kWhite);
        surface.SelectFont(LabelFont(38, 500));
    } else {
        surface.SelectFont(LabelFont(12, 500));
        surface.SetTextColour(kBodyLabelColour);
        surface.SetBackgroundMode(BackgroundMode::Transparent);
        ctx.SelectLabelBackdrop();
    }
    ForEachBodyPlutoFirst([&](std::size_t b) {
        const SolarSystemBody& body = ctx.sky.m_bodies[b];
        const auto projected =
            ctx.projector.Project(static_cast<float>(body.ra), static_cast<float>(body.dec));
        if (!projected) {
            return;
        }
        const PixelPoint p = *projected;
        if (!printed && !ctx.projector.InsideClient(p.x, p.y)) {
            return;
        }
        DrawLabel(surface, BodyLabelOrigin(p.x + clearance[b], p.y, printed), kBodyNames[b],
                  printed);
    });
}

void DrawSolarSystem(const LayerContext& ctx) {
    const ChartState& chart = ctx.chart;
    if (!chart.m_bSolarSystem) {
        return;
    }
    DrawSolarSystemLabels(ctx);
    ScopedSurfaceState keep(ctx.surface);
    ForEachBodyPlutoFirst([&](std::size_t b) {
        const SolarSystemBody& body = ctx.sky.m_bodies[b];
        const auto projected =
            ctx.projector.Project(static_cast<float>(body.ra), static_cast<float>(body.dec));
        if (!projected) {
            return;
        }
        const PixelPoint p = *projected;
        ctx.picks.bodies[b] = p;
        if (ctx.Printing()) {
            DrawPrintedBody(ctx.surface, b, p.x, p.y);
        } else {
            DrawScreenBody(ctx, b, p.x, p.y);
        }
    });
}
