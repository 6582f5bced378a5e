// The stars: on screen a mark by magnitude class in the colour of the spectral class, on paper a
// black disc sized by magnitude. Every star drawn gets its picking entry.

#include "astro/Angles.h"
#include "astro/CatalogueOfDate.h"
#include "catalog/CatalogStore.h"
#include "chart/Layers.h"
#include "chart/NearStars.h"
#include "chart/Projection.h"
#include "chart/SymbolTables.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace {

void DrawScreenStar(DrawSurface& surface, int x, int y, StarMark mark, Rgb classColour) {
    switch (mark) {
    case StarMark::Disc5:
        surface.Ellipse(x - 5, y - 5, x + 5, y + 5);
        break;
    case StarMark::Disc4:
        surface.Ellipse(x - 4, y - 4, x + 4, y + 4);
        break;
    case StarMark::Disc3:
        surface.Ellipse(x - 3, y - 3, x + 3, y + 3);
        break;
    case StarMark::Cross:
        surface.SetPixel(x, y, classColour);
        surface.SetPixel(x + 1, y, classColour);
        surface.SetPixel(x, y + 1, classColour);
        surface.SetPixel(x, y - 1, classColour);
        surface.SetPixel(x - 1, y, classColour);
        break;
    case StarMark::Disc2:
        surface.Ellipse(x - 2, y - 2, x + 2, y + 2);
        break;
    case StarMark::Pixel:
        surface.SetPixel(x, y, classColour);
        break;
    case StarMark::PixelLight:
        surface.SetPixel(x, y, kStarPixelLight);
        break;
    case StarMark::PixelDim:
        surface.SetPixel(x, y, kStarPixelDim);
        break;
    }
}

bool IsDisc(StarMark mark) {
    return mark == StarMark::Disc5 || mark == StarMark::Disc4 || mark == StarMark::Disc3 ||
           mark == StarMark::Disc2;
}

// The sky cells of the faint-star table as the projection's cell test takes them: the centre
// direction and a chord reaching every corner, widened by 0.03 (1.7 degrees) for the shift of
// the positions of date in the precise model.
const std::array<PointMemo::Cell, kFaintCellCount>& FaintCells() {
    static const auto cells = [] {
        std::array<PointMemo::Cell, kFaintCellCount> out{};
        auto unit = [](double raDeg, double decDeg) {
            const double a = raDeg * kDegToRad;
            const double d = decDeg * kDegToRad;
            return std::array{std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
        };
        for (int zone = 0; zone < kFaintZones; ++zone) {
            for (int r = 0; r < kFaintRaCells; ++r) {
                const double dec0 = -90.0 + 5.0 * zone;
                const double ra0 = 5.0 * r;
                const auto c = unit(ra0 + 2.5, dec0 + 2.5);
                double chord = 0.0;
                for (double dr : {0.0, 2.5, 5.0}) {
                    for (double dd : {0.0, 2.5, 5.0}) {
                        const auto p = unit(ra0 + dr, dec0 + dd);
                        chord = std::max(chord, std::hypot(p[0] - c[0], p[1] - c[1], p[2] - c[2]));
                    }
                }
                PointMemo::Cell& cell = out[static_cast<std::size_t>(zone * kFaintRaCells + r)];
                cell.x = static_cast<float>(c[0]);
                cell.y = static_cast<float>(c[1]);
                cell.z = static_cast<float>(c[2]);
                cell.chord = static_cast<float>(chord + 0.03);
            }
        }
        return out;
    }();
    return cells;
}

// The faint stars no fainter than `limit`: `place(star, ra, dec)` draws one at its position of
// the catalogue's date and returns its pixel, kept for picking, or nothing. On screen only the
// cells that may meet the client area widened by `widen` pixels; each cell holds its stars
// brightest first, so the rest of a cell is skipped at the first star past the limit. Their
// J2000 positions are carried to the date the catalogue holds (precise model) as they are drawn.
template <typename Place>
void ForFaintStars(const LayerContext& ctx, double limit, double widen, Place& place) {
    const FaintStarTable& faint = ctx.catalog.m_faintStars;
    std::optional<FastApparentPlace> ofDate;
    if (ctx.catalog.m_epoch.carried) {
        PreciseInstant instant;
        instant.tt1 = ctx.catalog.m_epoch.carriedTt1;
        instant.tt2 = ctx.catalog.m_epoch.carriedTt2;
        ofDate.emplace(ApparentPlaceFrameOf(instant));
    }
    const auto& cells = FaintCells();
    for (std::size_t cell = 0; cell < kFaintCellCount; ++cell) {
        const std::span<const FaintStar> stars = faint.Cell(cell);
        if (stars.empty() || !(stars.front().magnitude <= limit) ||
            (!ctx.Printing() && !ctx.projector.CellMayMeetClient(cells[cell], widen))) {
            continue;
        }
        const std::size_t first = faint.cellStart[cell];
        for (std::size_t k = 0; k < stars.size(); ++k) {
            const FaintStar& star = stars[k];
            if (!(star.magnitude <= limit)) {
                break;
            }
            double ra = star.ra;
            double dec = star.dec;
            if (ofDate) {
                ofDate->RaDec(UnitVectorOf(ra, dec), ra, dec);
            }
            if (const std::optional<PixelPoint> p = place(star, ra, dec)) {
                ctx.picks.faintStars.push_back(FaintStarPick{first + k, p->x, p->y});
            }
        }
    }
}

// The faint stars through the bright stars' own symbol drawing, their points kept in the memo by
// their place in the table.
template <typename DrawSymbol>
void DrawFaintStars(const LayerContext& ctx, DrawSymbol& drawSymbol) {
    const FaintStar* const table = ctx.catalog.m_faintStars.stars.data();
    PointMemo* memo = ctx.memo ? &ctx.memo->faintStars : nullptr;
    auto place = [&](const FaintStar& star, double ra, double dec) {
        return drawSymbol(static_cast<float>(ra), static_cast<float>(dec), star.magnitude,
                          star.spectralClass, memo, static_cast<std::size_t>(&star - table));
    };
    ForFaintStars(ctx, ctx.chart.m_dStarLimit, 0.0, place);
}

} // namespace

void DrawFaintStarsBy(const LayerContext& ctx, double limit, double widen,
                      const FaintStarPlacer& place) {
    ForFaintStars(ctx, limit, widen, place);
}

void DrawStars(const LayerContext& ctx) {
    const ChartState& chart = ctx.chart;
    DrawSurface& surface = ctx.surface;
    const bool printed = ctx.Printing();
    ScopedSurfaceState keep(surface);
    surface.SetBackgroundColour(kBlack);
    if (printed) {
        surface.SelectBrush(Brush{BrushStyle::Solid, kBlack});
    } else {
        // The black outline of the default pen around the discs.
        surface.SelectPen(Pen{});
    }
    int colourClass = 0; // the class of the star drawn before, for unknown spectral letters
    // Every star, bright or faint, is drawn here: its symbol by magnitude and colour class.
    // Returns where it was drawn, or nothing when it is skipped.
    auto drawSymbol = [&](float ra, float dec, float magnitude, char spectralClass, PointMemo* memo,
                          std::size_t index) -> std::optional<PixelPoint> {
        // A star too faint, on the far side or (on screen) outside the client area is skipped;
        // the cheapest test first.
        if (!(magnitude <= chart.m_dStarLimit)) {
            return std::nullopt;
        }
        PixelPoint p;
        if (!ProjectSymbolPoint(ctx, ra, dec, memo, index, p)) {
            return std::nullopt;
        }
        const int truncated = TruncatedMagnitude(magnitude);
        if (printed) {
            const int s = PrintedStarHalfSize(truncated);
            surface.Ellipse(p.x - s, p.y - s, p.x + s, p.y + s);
            return p;
        }
        colourClass =
            chart.m_bColoredStars ? StarColourClass(spectralClass, colourClass) : kStarColourOff;
        const Rgb colour = kStarColours[static_cast<std::size_t>(colourClass)];
        const StarMark mark = StarMarkForMagnitude(magnitude);
        // Only the discs fill with the brush; the pixel marks take the colour itself.
        const Brush brush{BrushStyle::Solid, colour};
        if (IsDisc(mark) && !(surface.State().brush == brush)) {
            surface.SelectBrush(brush);
        }
        DrawScreenStar(surface, p.x, p.y, mark, colour);
        return p;
    };
    auto drawStar = [&](std::size_t i) {
        const StarRecord& star = ctx.catalog.m_stars[i];
        const auto p = drawSymbol(star.ra, star.dec, star.magnitude, star.spectralClass,
                                  ctx.memo ? &ctx.memo->stars : nullptr, i);
        if (p) {
            ctx.picks.stars[i] = StarPick{p->x, p->y, TruncatedMagnitude(star.magnitude)};
        }
    };
    if (chart.m_bFaintStars) {
        DrawFaintStars(ctx, drawSymbol);
        colourClass = 0; // the bright stars start afresh, as without the faint ones
    }
    ForStarsNearClient(ctx, 0.0, drawStar);
}
