// The constellation tables built into the program: the abbreviation labels drawn with the
// boundaries, and the full names with the position the constellation search centres on.
#pragma once

#include <array>
#include <cstddef>
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
inline constexpr std::size_t kConstellationLabelCount = 89;
extern const std::array<ConstellationLabel, kConstellationLabelCount> ConstellationLabelTable;
// 88 names in the search list's order.
extern const std::array<ConstellationName, 88> ConstellationNameTable;

// Where a label is written on the sky: right ascension hours, declination degrees.
struct LabelPoint {
    float ra = 0.0f;
    float dec = 0.0f;
};

// The points of the constellation abbreviations, in the order of ConstellationLabelTable.
std::array<LabelPoint, kConstellationLabelCount> ConstellationLabelPoints();

// The row whose name equals the text exactly, or nullptr.
const ConstellationName* FindConstellation(std::string_view name);
