// The bright stars a frame must look at: on screen only those of the sky's patches that may
// meet the client area, found through the frame's memo of directions; the others fall surely
// outside it.
#pragma once

#include "catalog/CatalogStore.h"
#include "chart/LayerContext.h"
#include "chart/Projection.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Calls draw(i) for each bright star, in catalogue order, that may fall within the client area
// widened by `widen` pixels; for every star when printing or without a memo.
template <typename Draw>
void ForStarsNearClient(const LayerContext& ctx, double widen, Draw&& draw) {
    if (ctx.Printing() || ctx.memo == nullptr) {
        for (std::size_t i = 0; i < kStarCount; ++i) {
            draw(i);
        }
        return;
    }
    std::vector<std::uint64_t> near;
    ctx.memo->stars.MarkPointsInCells(
        kStarCount,
        [&](std::size_t i) {
            const StarRecord& star = ctx.catalog.m_stars[i];
            return std::pair{star.ra, star.dec};
        },
        [&](const PointMemo::Cell& cell) { return ctx.projector.CellMayMeetClient(cell, widen); },
        near);
    for (std::size_t w = 0; w < near.size(); ++w) {
        for (std::uint64_t bits = near[w]; bits != 0; bits &= bits - 1) {
            draw(w * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
        }
    }
}
