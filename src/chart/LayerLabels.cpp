// The label layers: constellation abbreviations, star names, Messier and other deep-sky labels.
// Screen labels are boxed in the sky colour and drawn in transparent mode; printed labels are
// larger, unboxed, on a white text background.

#include "catalog/CatalogStore.h"
#include "catalog/Constellations.h"
#include "chart/LabelPlacement.h"
#include "chart/Layers.h"
#include "chart/Projection.h"

#include <iterator>
#include <string>

namespace {

constexpr Rgb kConstellationNameColour{255, 217, 62};
constexpr Rgb kStarNameColour{255, 0, 255};
constexpr Rgb kDeepSkyLabelColour{0, 255, 255};

// The Magellanic Clouds' labels sit on fixed points (CatalogStore::m_cloudLabelPoints),
// whatever the outlines do.
constexpr const char* kCloudLabels[] = {"LMC", "SMC"};

// Screen: text colour, transparent mode, box pen and brush in the sky colour. Paper: a white
// text background, the text colour left as it is.
void PrepareLabels(const LayerContext& ctx, const Font& font, Rgb screenColour) {
    DrawSurface& surface = ctx.surface;
    surface.SelectFont(font);
    if (ctx.Printing()) {
        surface.SetBackgroundColour(kWhite);
        return;
    }
    surface.SetTextColour(screenColour);
    surface.SetBackgroundMode(BackgroundMode::Transparent);
    ctx.SelectLabelBackdrop();
}

// Projects a label's point; on screen it must also lie inside the client area.
std::optional<PixelPoint> ProjectLabelPoint(const LayerContext& ctx, float ra, float dec) {
    PixelPoint p;
    if (ProjectSymbolPoint(ctx, ra, dec, nullptr, 0, p)) {
        return p;
    }
    return std::nullopt;
}

bool DeepSkyLabelsShown(const ChartState& chart) {
    return chart.m_bDeepSky && chart.m_bDeepSkyNames && chart.m_nLevel >= 1;
}

Font DeepSkyLabelFont(const LayerContext& ctx) {
    return ctx.Printing() ? LabelFont(36, 500, true) : LabelFont(14, 500, true);
}

// Labels of the deep-sky entries from `first` to `last` (either direction, both included).
void DrawDeepSkyLabelRun(const LayerContext& ctx, int first, int last, const char* prefix) {
    const bool printed = ctx.Printing();
    const bool southern = ctx.chart.SouthernObserver();
    const int step = first <= last ? 1 : -1;
    for (int i = first;; i += step) {
        const DeepSkyRecord& object = ctx.catalog.m_deepSky[static_cast<std::size_t>(i)];
        PixelPoint p;
        if (object.magnitude <= ctx.chart.m_dDeepSkyLimit &&
            ProjectSymbolPoint(ctx, object.ra, object.dec, ctx.memo ? &ctx.memo->deepSky : nullptr,
                               static_cast<std::size_t>(i), p)) {
            const PixelPoint origin =
                DeepSkyLabelOrigin(p.x, p.y, object.labelDx, object.labelDy, southern, printed);
            DrawLabel(ctx.surface, origin, prefix + std::to_string(object.number), printed);
        }
        if (i == last) {
            break;
        }
    }
}

// "LMC" and "SMC", centred on their points with the extent of "LMC" for both; no client or
// magnitude test.
void DrawCloudLabels(const LayerContext& ctx) {
    const TextExtent extent = ctx.surface.MeasureText(kCloudLabels[0]);
    for (std::size_t i = 0; i < std::size(kCloudLabels); ++i) {
        const LabelPoint& point = ctx.catalog.m_cloudLabelPoints[i];
        const auto projected = ctx.projector.Project(point.ra, point.dec);
        if (!projected) {
            continue;
        }
        const PixelPoint p = *projected;
        const PixelPoint origin = CentredLabelOrigin(p.x, p.y, extent);
        if (ctx.Printing()) {
            ctx.surface.Text(origin.x, origin.y, kCloudLabels[i]);
        } else {
            DrawBoxedLabel(ctx.surface, origin, kCloudLabels[i]);
        }
    }
}

} // namespace

void DrawConstellationNames(const LayerContext& ctx) {
    if (!ctx.chart.m_bBoundaries) {
        return;
    }
    const bool printed = ctx.Printing();
    const bool zoomed = ctx.chart.m_nLevel >= 1;
    ScopedSurfaceState keep(ctx.surface);
    const Font font = printed ? LabelFont(zoomed ? 72 : 66, 500) : LabelFont(zoomed ? 20 : 16, 600);
    PrepareLabels(ctx, font, ctx.ScreenColour(kConstellationNameColour, Rgb{150, 135, 90}));
    for (std::size_t i = 0; i < kConstellationLabelCount; ++i) {
        const ConstellationLabel& label = ConstellationLabelTable[i];
        const LabelPoint& point = ctx.catalog.m_constellationLabelPoints[i];
        const auto projected = ProjectLabelPoint(ctx, point.ra, point.dec);
        if (!projected) {
            continue;
        }
        const PixelPoint p = *projected;
        const TextExtent extent = ctx.surface.MeasureText(label.abbreviation);
        const PixelPoint origin = CentredLabelOrigin(p.x, p.y, extent);
        if (printed) {
            ctx.surface.Text(origin.x, origin.y, label.abbreviation);
        } else {
            DrawBoxedLabel(ctx.surface, origin, label.abbreviation, extent);
        }
    }
}

void DrawStarNames(const LayerContext& ctx) {
    if (!ctx.chart.m_bStarNames || ctx.chart.m_nLevel < 1) {
        return;
    }
    const bool printed = ctx.Printing();
    ScopedSurfaceState keep(ctx.surface);
    PrepareLabels(ctx, printed ? LabelFont(36, 400) : LabelFont(14, 500),
                  ctx.ScreenColour(kStarNameColour, Rgb{196, 180, 150}));
    for (const StarNameRecord& name : ctx.catalog.m_starNames) {
        const auto projected = ProjectLabelPoint(ctx, name.ra, name.dec);
        if (!projected || !(name.magnitude <= ctx.chart.m_dStarLimit)) {
            continue;
        }
        const PixelPoint p = *projected;
        DrawLabel(ctx.surface, StarNameOrigin(p.x, p.y, name.labelOffset, printed),
                  FieldText(name.name), printed);
    }
}

void DrawMessierLabels(const LayerContext& ctx) {
    if (!DeepSkyLabelsShown(ctx.chart)) {
        return;
    }
    ScopedSurfaceState keep(ctx.surface);
    PrepareLabels(ctx, DeepSkyLabelFont(ctx),
                  ctx.ScreenColour(kDeepSkyLabelColour, Rgb{120, 160, 170}));
    DrawDeepSkyLabelRun(ctx, static_cast<int>(kMessierCount) - 1, 0, "M");
    DrawCloudLabels(ctx);
}

void DrawOtherDeepSkyLabels(const LayerContext& ctx) {
    if (!DeepSkyLabelsShown(ctx.chart)) {
        return;
    }
    ScopedSurfaceState keep(ctx.surface);
    PrepareLabels(ctx, DeepSkyLabelFont(ctx),
                  ctx.ScreenColour(kDeepSkyLabelColour, Rgb{120, 160, 170}));
    DrawDeepSkyLabelRun(ctx, static_cast<int>(kNgcFirst), static_cast<int>(kDeepSkyCount) - 1, "");
}
