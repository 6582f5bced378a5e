// Where the last frame drew each pickable object: the frame fills these tables as it draws and
// hands them back in its result; the view keeps the screen frame's tables for right-click
// picking, and `--render --objects` writes them out.
#pragma once

#include "chart/ChartState.h"

#include <array>
#include <cstddef>
#include <vector>

inline constexpr std::size_t kPickStarCount = 9095;
inline constexpr std::size_t kPickBodyCount = 10;
inline constexpr std::size_t kPickDeepSkyCount = 210;

// One entry of the star table: where the star was drawn and its magnitude truncated toward zero.
// (0, 0) means "not drawn".
struct StarPick {
    int x = 0;
    int y = 0;
    int magnitude = 0;
    bool operator==(const StarPick&) const = default;
};

// A faint star drawn (catalogue/FaintStars.h): its index in the faint-star table and where it was
// drawn. Only the stars drawn have an entry.
struct FaintStarPick {
    std::size_t index = 0;
    int x = 0;
    int y = 0;
    bool operator==(const FaintStarPick&) const = default;
};

// Every entry starts at (0, 0), "not drawn"; the star table is held on the heap so that a
// frame's result moves cheaply.
struct PickingTables {
    std::vector<StarPick> stars = std::vector<StarPick>(kPickStarCount); // by catalogue index
    std::array<PixelPoint, kPickBodyCount> bodies{};                     // Moon 0 .. Pluto 9
    std::array<PixelPoint, kPickDeepSkyCount> deepSky{};                 // by deep-sky index
    std::vector<FaintStarPick> faintStars; // in drawing order; empty with the layer off
    bool operator==(const PickingTables&) const = default;
};
