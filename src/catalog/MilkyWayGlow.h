// The side file milkyglow.bin: the Milky Way's inner brightness levels (2 to 5) as closed rings
// of points, which the natural style of the chart lays over the outer band (milky.bin) as a soft
// glow. Like placezones.tab it is no catalogue: without it the program runs as before.
//
// Format: 12-byte records, little-endian: right ascension (float, hours), declination (float,
// degrees), and a 32-bit int that is the ring's level (2..5) on the first point of each ring and
// 0 on the points that follow it.
#pragma once

#include "catalog/CatalogLocator.h"
#include "catalog/CatalogStore.h"

#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kMilkyWayGlowFileName = "milkyglow.bin";

struct MilkyWayGlowResult {
    std::vector<GlowRing> rings;
    std::string warning; // "warning: ..." when the file found could not be read or is damaged
};

// The rings of the file's bytes; empty with a reason in `problem` when they are damaged (a
// length that is no whole number of records, a point that is no number or off the sphere, a
// first record that starts no ring, a level outside 2..5).
std::vector<GlowRing> DecodeMilkyWayGlow(std::string_view bytes, std::string& problem);

// The file from the first directory of the locator that has one; no rings when there is none.
MilkyWayGlowResult LoadMilkyWayGlow(const CatalogLocator& locator);
