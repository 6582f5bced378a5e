// Right-click picking: which drawn object lies under a point of the chart, from the picking
// tables of the last screen frame. There is no search for the nearest object: the tables are
// searched in a fixed order and the first entry whose box holds the point wins.
#pragma once

#include "chart/PickingTables.h"

#include <cstddef>
#include <optional>

// Half-widths of the square boxes around drawn objects, pixels.
inline constexpr int kBodyPickHalfWidth = 3;
inline constexpr int kDeepSkyPickHalfWidth = 4;
inline constexpr int kBrightStarPickHalfWidth = 3; // magnitude class -1 (and brighter)
inline constexpr int kMediumStarPickHalfWidth = 2; // magnitude class 0
inline constexpr int kFaintStarPickHalfWidth = 1;  // every other class

// The box half-width of a star of this magnitude class (its magnitude truncated toward zero).
int StarPickHalfWidth(int magnitudeClass);

enum class PickedKind {
    Body,      // index into m_bodies (0 Moon .. 9 Pluto)
    Star,      // catalogue index 0..9094
    DeepSky,   // deep-sky index 0..209
    FaintStar, // index into the faint-star table (catalog/FaintStars.h)
};

struct PickedObject {
    PickedKind kind = PickedKind::Body;
    std::size_t index = 0;
    bool operator==(const PickedObject&) const = default;
};

// The object under the client point (x, y): the bodies from Pluto down to the Moon, then the
// stars from the last catalogue entry down to the first, then the deep-sky objects from the first
// entry up; a hit is x - c <= entry.x <= x + c and the same for y, with c the half-width above.
// Entries left at (0, 0) were not drawn in the last frame and never match. nullopt on empty sky.
std::optional<PickedObject> PickObject(const PickingTables& picks, int x, int y);
