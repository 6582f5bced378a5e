// The constellation tables built into the program: the abbreviation labels drawn with the
// boundaries, and the full names with the position the constellation search centres on.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct ConstellationLabel {
    double ra;                     // hours
    std::int32_t dec;              // whole degrees
    std::string_view abbreviation; // "And", ...
};

struct ConstellationName {
    double ra;             // hours
    std::int32_t dec;      // whole degrees
    std::string_view name; // "Andromeda", ...
};

// 89 labels: Serpens has one for each of its two parts.
extern const std::array<ConstellationLabel, 89> ConstellationLabelTable;
// 88 names in the search list's order.
extern const std::array<ConstellationName, 88> ConstellationNameTable;

// The row whose name equals the text exactly, or nullptr.
const ConstellationName* FindConstellation(std::string_view name);
