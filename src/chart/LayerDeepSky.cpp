// The deep-sky symbols: Messier objects from M110 down to M1, then the other objects in catalogue
// order, each as its type's icon (screen) or one-bit picture (paper); then their labels.

#include "catalog/CatalogStore.h"
#include "chart/DeepSkyIcons.h"
#include "chart/Layers.h"
#include "chart/Projection.h"
#include "chart/SymbolTables.h"

namespace {

constexpr int kScreenIconHalf = kDeepSkyIconSize / 2;
constexpr int kPrintedIconSize = 30;
constexpr int kPrintedIconHalf = kPrintedIconSize / 2;

// Draws the object at `index` when it passes the filter; `icon` carries the icon of the object
// drawn before, for unknown type letters.
void DrawDeepSkyObject(const LayerContext& ctx, std::size_t index, int& icon) {
    const ChartState& chart = ctx.chart;
    const DeepSkyRecord& object = ctx.catalog.m_deepSky[index];
    if (!(object.magnitude <= chart.m_dDeepSkyLimit)) {
        return;
    }
    PixelPoint p;
    if (!ProjectSymbolPoint(ctx, object.ra, object.dec, ctx.memo ? &ctx.memo->deepSky : nullptr,
                            index, p)) {
        return;
    }
    ctx.picks.deepSky[index] = p;
    icon = DeepSkyIconIndex(object.type, icon);
    const auto which = static_cast<std::size_t>(icon);
    if (ctx.Printing()) {
        ctx.surface.DrawMonoBitmap(DeepSkyPrintBitmaps()[which], p.x - kPrintedIconHalf,
                                   p.y - kPrintedIconHalf, kPrintedIconSize, kPrintedIconSize);
    } else {
        ctx.surface.DrawIcon(DeepSkyIcons()[which], p.x - kScreenIconHalf, p.y - kScreenIconHalf,
                             kDeepSkyIconSize, kDeepSkyIconSize);
    }
}

} // namespace

void DrawDeepSky(const LayerContext& ctx) {
    if (!ctx.chart.m_bDeepSky) {
        return;
    }
    {
        ScopedSurfaceState keep(ctx.surface);
        int icon = 0;
        for (std::size_t i = kMessierCount; i-- > 0;) {
            DrawDeepSkyObject(ctx, i, icon);
        }
        for (std::size_t i = kNgcFirst; i < kDeepSkyCount; ++i) {
            DrawDeepSkyObject(ctx, i, icon);
        }
    }
    if (ctx.Printing()) {
        DrawOtherDeepSkyLabels(ctx);
        DrawMessierLabels(ctx);
    } else {
        DrawMessierLabels(ctx);
        DrawOtherDeepSkyLabels(ctx);
    }
}
