// The line and outline layers: Milky Way, Magellanic Clouds, ecliptic, constellation boundaries
// and figures, coordinate grid, horizon with its compass letters.

#include "astro/Transforms.h"
#include "catalog/CatalogStore.h"
#include "chart/Layers.h"
#include "chart/Projection.h"

#include <array>
#include <cstddef>
#include <vector>

namespace {

constexpr Rgb kEclipticColour{0, 0, 255};
constexpr Rgb kBoundaryColour{225, 0, 0};
constexpr Rgb kFigureColour{0, 225, 0};
constexpr Rgb kGridColour{198, 198, 198};
constexpr Rgb kHorizonDeepColour{255, 128, 0};
constexpr Rgb kHorizonPureColour{255, 255, 0};
constexpr Rgb kCloudEdgeDeepColour{0, 0, 77};
constexpr int kCloudEdgeWidth = 4;

const Pen kPrintedOutlinePen{PenStyle::Dash, 1, kBlack};

struct ProjectedPoint {
    bool visible = false;
    PixelPoint pt;
};

ProjectedPoint ProjectPoint(const Projector& projector, float ra, float dec) {
    const auto p = projector.Project(ra, dec);
    if (!p) {
        return {};
    }
    return {true, *p};
}

// The segment rule: both ends visible and, on screen, at least one end strictly inside the
// client area.
bool SegmentShown(const LayerContext& ctx, const ProjectedPoint& a, const ProjectedPoint& b) {
    if (!a.visible || !b.visible) {
        return false;
    }
    if (ctx.Printing()) {
        return true;
    }
    return ctx.projector.InsideClient(a.pt.x, a.pt.y) || ctx.projector.InsideClient(b.pt.x, b.pt.y);
}

// Draws the segments i -> i + 1 for i = 0 .. count - 2 whose `starts(i)` holds, by the segment
// rule. `point(i)` gives (ra, dec) of point i, which is entry `memoFirst + i` of `memo` (none: no
// memo). Each point is projected at most once; on screen a segment whose ends both lie surely
// outside the client area is skipped before either is projected.
template <typename PointFn, typename StartsFn>
void DrawChain(const LayerContext& ctx, std::size_t count, PointFn point, StartsFn starts,
               PointMemo* memo, std::size_t memoFirst) {
    const bool screenMemo = memo != nullptr && !ctx.Printing();
    auto offClient = [&](std::size_t i) {
        const auto [ra, dec] = point(i);
        return ctx.projector.SurelyOffClient(
            memo->DirectionOf(memoFirst + i, static_cast<float>(ra), static_cast<float>(dec)));
    };
    ProjectedPoint previous;
    std::size_t previousIndex = count; // none yet
    auto projected = [&](std::size_t i) {
        if (i == previousIndex) {
            return previous;
        }
        const auto [ra, dec] = point(i);
        if (memo != nullptr) {
            ProjectedPoint p;
            p.visible = ctx.projector.Project(static_cast<float>(ra), static_cast<float>(dec),
                                              *memo, memoFirst + i, p.pt);
            return p;
        }
        return ProjectPoint(ctx.projector, static_cast<float>(ra), static_cast<float>(dec));
    };
    for (std::size_t i = 0; i + 1 < count; ++i) {
        if (!starts(i)) {
            continue;
        }
        if (screenMemo && offClient(i) && offClient(i + 1)) {
            continue;
        }
        const ProjectedPoint a = projected(i);
        const ProjectedPoint b = projected(i + 1);
        if (SegmentShown(ctx, a, b)) {
            ctx.surface.MoveTo(a.pt.x, a.pt.y);
            ctx.surface.LineTo(b.pt.x, b.pt.y);
        }
        previous = b;
        previousIndex = i + 1;
    }
}

struct RaDec {
    double ra;
    double dec;
};

// Outline point `index` (ecliptic, horizon ring, Milky Way, Magellanic Clouds) on the chart.
std::optional<PixelPoint> ProjectOutlinePoint(const LayerContext& ctx, std::size_t index) {
    const OutlinePoint& p = ctx.catalog.m_outlinePoints[index];
    if (ctx.memo) {
        PixelPoint pixel;
        if (ctx.projector.Project(p.ra, p.dec, ctx.memo->outlinePoints, index, pixel)) {
            return pixel;
        }
        return std::nullopt;
    }
    return ctx.projector.Project(p.ra, p.dec);
}

// A run of consecutive outline points, drawn as an open chain.
void DrawOutlineChain(const LayerContext& ctx, std::size_t first, std::size_t count) {
    const auto& points = ctx.catalog.m_outlinePoints;
    DrawChain(
        ctx, count,
        [&](std::size_t i) {
            const OutlinePoint& p = points[first + i];
            return RaDec{p.ra, p.dec};
        },
        [](std::size_t) { return true; }, ctx.memo ? &ctx.memo->outlinePoints : nullptr, first);
}

// Figure or boundary points first..first+count-1; a segment leaves a point whose flag says so.
void DrawFigureChain(const LayerContext& ctx, std::size_t first, std::size_t count,
                     bool segmentWhenFlagSet) {
    const auto& points = ctx.catalog.m_figurePoints;
    DrawChain(
        ctx, count,
        [&](std::size_t i) {
            const FigurePoint& p = points[first + i];
            return RaDec{p.ra, p.dec};
        },
        [&](std::size_t i) { return (points[first + i].flag != 0) == segmentWhenFlagSet; },
        ctx.memo ? &ctx.memo->figurePoints : nullptr, first);
}

// Selects `pen` on screen; on paper the layer draws with the surface's current pen.
void SelectScreenPen(const LayerContext& ctx, Rgb colour) {
    if (!ctx.Printing()) {
        ctx.surface.SelectPen(Pen{PenStyle::Solid, 1, colour});
    }
}

// --- Milky Way

// Polygon n of the band joins outline A from kBandA[n + 1] down to kBandA[n] with outline B from
// kBandB[n] up to kBandB[n + 1].
constexpr std::array<std::size_t, 9> kBandB = {0, 48, 100, 135, 260, 295, 350, 372, 387};
constexpr std::array<std::size_t, 9> kBandA = {0, 25, 50, 83, 100, 130, 157, 188, 223};
// A band is filled only when more than this many points of each outline are visible.
constexpr int kBandMinimumPoints = 8;

} // namespace

std::vector<std::vector<PixelPoint>> MilkyWayBandPolygons(const LayerContext& ctx) {
    std::vector<std::vector<PixelPoint>> bands;
    std::vector<PixelPoint> polygon;
    for (std::size_t n = 0; n + 1 < kBandA.size(); ++n) {
        polygon.clear();
        int fromA = 0;
        int fromB = 0;
        for (std::size_t i = kBandA[n + 1] + 1; i-- > kBandA[n];) {
            if (const auto pixel = ProjectOutlinePoint(ctx, kMilkyWayFirstFirst + i)) {
                polygon.push_back(*pixel);
                ++fromA;
            }
        }
        for (std::size_t i = kBandB[n]; i <= kBandB[n + 1]; ++i) {
            if (const auto pixel = ProjectOutlinePoint(ctx, kMilkyWaySecondFirst + i)) {
                polygon.push_back(*pixel);
                ++fromB;
            }
        }
        if (fromA > kBandMinimumPoints && fromB > kBandMinimumPoints) {
            bands.push_back(polygon);
        }
    }
    return bands;
}

namespace {

void DrawMilkyWayBands(const LayerContext& ctx) {
    ctx.surface.SelectPen(Pen{PenStyle::Solid, 1, ctx.skyFillColour});
    ctx.surface.SelectBrush(Brush{BrushStyle::Solid, ctx.skyFillColour});
    for (const std::vector<PixelPoint>& band : MilkyWayBandPolygons(ctx)) {
        ctx.surface.Polygon(band);
    }
}

void DrawMilkyWayOutlines(const LayerContext& ctx) {
    ctx.surface.SelectPen(kPrintedOutlinePen);
    DrawOutlineChain(ctx, kMilkyWayFirstFirst, kMilkyWayFirstCount);
    DrawOutlineChain(ctx, kMilkyWaySecondFirst, kMilkyWaySecondCount);
}

// A cloud is drawn only when every point of its outline is visible.
void DrawCloud(const LayerContext& ctx, std::size_t first, std::size_t count) {
    std::vector<PixelPoint> polygon;
    polygon.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto pixel = ProjectOutlinePoint(ctx, first + i);
        if (!pixel) {
            return;
        }
        polygon.push_back(*pixel);
    }
    ctx.surface.Polygon(polygon);
}

// --- horizon

Rgb HorizonColour(const LayerContext& ctx) {
    if (ctx.natural) {
        return Rgb{168, 124, 70};
    }
    return ctx.deepColour ? kHorizonDeepColour : kHorizonPureColour;
}

// The horizon ring of the computed sky, drawn as an open chain; its projection memo entries are
// the ring's slot of the outline table.
void DrawHorizonRing(const LayerContext& ctx) {
    const HorizonPoints& ring = ctx.sky.m_horizon;
    DrawChain(
        ctx, ring.size(),
        [&](std::size_t i) {
            return RaDec{ring[i].ra, ring[i].dec};
        },
        [](std::size_t) { return true; }, ctx.memo ? &ctx.memo->outlinePoints : nullptr,
        kHorizonFirst);
}

struct CompassLetter {
    const char* text;
    std::size_t point; // horizon point index
    int screenDx;      // screen text offset left of the point
};
// Drawn in this order: east, west, north, south.
constexpr std::array<CompassLetter, 4> kCompassLetters = {{
    {"E", 54, 4},
    {"W", 18, 7},
    {"N", 36, 5},
    {"S", 72, 4},
}};

void DrawCompassLetters(const LayerContext& ctx) {
    DrawSurface& surface = ctx.surface;
    const bool printed = ctx.Printing();
    for (const CompassLetter& letter : kCompassLetters) {
        const OutlinePoint& p = ctx.sky.m_horizon[letter.point];
        const auto pixel = ctx.projector.Project(p.ra, p.dec);
        if (!pixel) {
            continue;
        }
        const int x = pixel->x;
        const int y = pixel->y;
        if (printed) {
            surface.Text(x - 14, y + 4, letter.text);
            surface.Ellipse(x - 10, y - 10, x + 10, y + 10);
        } else {
            surface.Text(x - letter.screenDx, y + 2, letter.text);
            surface.Ellipse(x - 3, y - 3, x + 3, y + 3);
        }
    }
}

} // namespace

void DrawMilkyWay(const LayerContext& ctx) {
    if (!ctx.chart.m_bMilkyWay) {
        return;
    }
    ScopedSurfaceState keep(ctx.surface);
    if (ctx.Printing()) {
        DrawMilkyWayOutlines(ctx);
    } else {
        DrawMilkyWayBands(ctx);
    }
}

void DrawMagellanicClouds(const LayerContext& ctx) {
    if (!ctx.chart.m_bDeepSky) {
        return;
    }
    ScopedSurfaceState keep(ctx.surface);
    if (ctx.Printing()) {
        ctx.surface.SelectPen(kPrintedOutlinePen);
    } else {
        const Rgb edge = ctx.deepColour ? kCloudEdgeDeepColour : ctx.skyFillColour;
        ctx.surface.SelectPen(Pen{PenStyle::Solid, kCloudEdgeWidth, edge});
        ctx.surface.SelectBrush(Brush{BrushStyle::Solid, ctx.skyFillColour});
    }
    DrawCloud(ctx, kLargeCloudFirst, kLargeCloudCount);
    DrawCloud(ctx, kSmallCloudFirst, kSmallCloudCount);
}

void DrawEcliptic(const LayerContext& ctx) {
    if (!ctx.chart.m_bEcliptic) {
        return;
    }
    ScopedSurfaceState keep(ctx.surface);
    SelectScreenPen(ctx, ctx.ScreenColour(kEclipticColour, Rgb{96, 84, 40}));
    DrawOutlineChain(ctx, kEclipticFirst, kEclipticCount);
}

void DrawBoundaries(const LayerContext& ctx) {
    if (!ctx.chart.m_bBoundaries) {
        return;
    }
    {
        ScopedSurfaceState keep(ctx.surface);
        SelectScreenPen(ctx, ctx.ScreenColour(kBoundaryColour, Rgb{78, 46, 52}));
        DrawFigureChain(ctx, kBoundaryPointFirst, kBoundaryPointCount, true);
    }
    DrawConstellationNames(ctx);
}

void DrawConstellationFigures(const LayerContext& ctx) {
    if (!ctx.chart.m_bConstelations) {
        return;
    }
    ScopedSurfaceState keep(ctx.surface);
    SelectScreenPen(ctx, ctx.ScreenColour(kFigureColour, Rgb{48, 88, 118}));
    DrawFigureChain(ctx, kFigurePointFirst, kFigurePointCount, false);
}

void DrawGrid(const LayerContext& ctx) {
    if (!ctx.chart.m_bCoordinations) {
        return;
    }
    // The top of an hour circle and the last point of a parallel start no segment.
    constexpr int kHourCircleTop = 80;
    constexpr double kParallelLastStep = 23.666667;
    ScopedSurfaceState keep(ctx.surface);
    SelectScreenPen(ctx, ctx.ScreenColour(kGridColour, Rgb{58, 66, 84}));
    const auto& grid = GridPoints();
    DrawChain(
        ctx, grid.size(),
        [&](std::size_t i) {
            return RaDec{grid[i].ra, double(grid[i].dec)};
        },
        [&](std::size_t i) {
            return grid[i].dec != kHourCircleTop && grid[i].ra < kParallelLastStep;
        },
        ctx.memo ? &ctx.memo->gridPoints : nullptr, 0);
}

void DrawHorizon(const LayerContext& ctx) {
    if (!ctx.chart.m_bHorizon) {
        return;
    }
    ScopedSurfaceState keep(ctx.surface);
    if (!ctx.Printing()) {
        const Rgb colour = HorizonColour(ctx);
        ctx.surface.SelectPen(Pen{PenStyle::Solid, 1, colour});
        DrawHorizonRing(ctx);
        // The letters keep the surface's current font.
        ctx.surface.SetBackgroundMode(BackgroundMode::Opaque);
        ctx.surface.SetBackgroundColour(ctx.skyColour);
        ctx.surface.SetTextColour(colour);
        ctx.surface.SelectBrush(Brush{BrushStyle::Solid, ctx.skyColour});
    } else {
        DrawHorizonRing(ctx);
    }
    DrawCompassLetters(ctx);
}
