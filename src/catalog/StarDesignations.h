// How a star is named to the user: its Flamsteed and Bayer designations, spelled out from the
// ten-character designation field of its StarRecord, and its proper name from names.bin.
#pragma once

#include "catalog/CatalogStore.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A Bayer letter as the designation field abbreviates it and as the user reads it.
struct GreekLetter {
    std::string_view abbreviation; // "Alp", "Mu", ...
    std::string_view name;         // "Alpha", "Mu", ...
};

// The 24 letters in search order (Alpha to Omega).
extern const std::array<GreekLetter, 24> GreekLetterTable;

struct StarDesignations {
    std::string flamsteed; // "21 And", or empty
    std::string bayer;     // "Alpha And", "Pi 2 Ori", a bare unknown Greek part, or empty
};

// Splits the designation field: number (characters 1-3), Greek part (4-6), superscript (7),
// constellation (8-10). Flamsteed: the number without leading blanks, a blank, the constellation.
// Bayer: the Greek letter's full name, [a blank and the superscript,] a blank and the
// constellation; a Greek part that is not in the table is returned on its own.
StarDesignations DesignationsOf(const StarRecord& star);

// The proper name of the star with this HR number: the first names.bin entry with that number,
// or an empty view when it has none.
std::string_view StarNameOf(const CatalogStore& store, std::int32_t hr);
