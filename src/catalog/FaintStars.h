// The faint stars of hipparcos.bin (tools/build_hipparcos.py): the Hipparcos stars that the
// bright-star catalogue does not hold, grouped in 5 x 5 degree cells of the sky with the brightest
// first in each cell, so a chart skips whole cells and stops a cell at its magnitude limit. The
// file is optional: without it the table is empty and the faint-star layer unavailable.
#pragma once

#include "catalog/CatalogLocator.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct FaintStar {
    std::int32_t hip = 0; // Hipparcos number
    float ra = 0.0f;      // hours, J2000
    float dec = 0.0f;     // degrees, J2000
    float magnitude = 0.0f;
    float bv = 0.0f; // B-V colour index
    bool hasBv = false;
    char spectralClass = '?'; // the class letter that stands for B-V ('?' without it)
};

inline constexpr int kFaintZones = 36;   // 5-degree declination zones from the south pole
inline constexpr int kFaintRaCells = 72; // 5-degree right-ascension cells from 0h
inline constexpr std::size_t kFaintCellCount = kFaintZones * kFaintRaCells;

struct FaintStarTable {
    std::vector<FaintStar> stars;
    // The first star of each cell, then the star count (kFaintCellCount + 1 entries when loaded).
    std::vector<std::uint32_t> cellStart;

    bool Available() const { return !stars.empty(); }
    // The stars of one cell, brightest first.
    std::span<const FaintStar> Cell(std::size_t cell) const;
    // The star of that Hipparcos number, or nullptr.
    const FaintStar* FindHip(std::int32_t hip) const;
    // The faintest magnitude in the table (0 when empty).
    float FaintestMagnitude() const;
};

// The cell of a position.
std::size_t FaintCellOf(float raHours, float decDegrees);

// The spectral class letter that stands for a B-V colour index, for the star colours.
char SpectralClassForBv(float bv);

// Reads the file's bytes. Returns a warning when the file is damaged (bad header, index or size):
// the stars of the complete records that the index places are kept.
std::optional<std::string> ParseFaintStars(std::span<const std::byte> bytes, FaintStarTable& out);

inline constexpr const char* kFaintStarFileName = "hipparcos.bin";

// Loads hipparcos.bin through the locator. A missing file leaves the table empty and returns no
// warning (the layer is optional); a damaged one returns a warning naming it and keeps the stars
// it holds; one that cannot be read (or is far too large) returns a warning naming it and leaves
// the table empty. Never an error: the program runs without faint stars.
std::optional<std::string> LoadFaintStars(const CatalogLocator& locator, FaintStarTable& out);
