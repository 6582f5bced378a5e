// The names of the 88 constellations as people type them: the IAU three-letter abbreviation,
// the IAU name, the genitive used in star designations ("Alpha Orionis"), and the spelling of
// the same constellation in the constellation search table (ConstellationNameTable), which
// holds the position the chart centres on.
#pragma once

#include <array>
#include <string_view>

struct ConstellationNaming {
    std::string_view abbreviation; // "Ori"
    std::string_view name;         // "Orion"
    std::string_view genitive;     // "Orionis"
    std::string_view searchName;   // the row name in ConstellationNameTable
};

// In alphabetical order of the abbreviation.
extern const std::array<ConstellationNaming, 88> ConstellationNamingTable;

// Index of the row of ConstellationNameTable whose name is `searchName`; 88 when none.
std::size_t ConstellationSearchRow(std::string_view searchName);
