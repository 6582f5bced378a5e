// The telescope's reticle: where the mount reports it points, drawn above everything else of a
// screen frame as a circle with four ticks, so the stars under its centre stay visible.

#include "chart/Layers.h"

namespace {

constexpr int kReticleRadius = 16;    // pixels, the circle
constexpr int kReticleTickInner = 6;  // pixels from the centre where a tick starts
constexpr int kReticleTickOuter = 26; // pixels from the centre where a tick ends
constexpr int kReticleWidth = 2;      // pixels
constexpr Rgb kReticleColour{255, 64, 64};

} // namespace

std::optional<PixelPoint> DrawReticle(const LayerContext& ctx, double raHours, double decDegrees) {
    const auto p =
        ctx.projector.Project(static_cast<float>(raHours), static_cast<float>(decDegrees));
    if (!p || !ctx.projector.InsideClient(p->x, p->y)) {
        return std::nullopt;
    }
    ScopedSurfaceState keep(ctx.surface);
    ctx.surface.SelectPen(Pen{PenStyle::Solid, kReticleWidth, kReticleColour});
    ctx.surface.SelectBrush(Brush{BrushStyle::Null, kBlack});
    ctx.surface.Ellipse(p->x - kReticleRadius, p->y - kReticleRadius, p->x + kReticleRadius + 1,
                        p->y + kReticleRadius + 1);
    const int x = p->x;
    const int y = p->y;
    ctx.surface.Line(x - kReticleTickOuter, y, x - kReticleTickInner, y);
    ctx.surface.Line(x + kReticleTickInner, y, x + kReticleTickOuter, y);
    ctx.surface.Line(x, y - kReticleTickOuter, x, y - kReticleTickInner);
    ctx.surface.Line(x, y + kReticleTickInner, x, y + kReticleTickOuter);
    return p;
}
