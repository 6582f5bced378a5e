#include "catalog/StarColourIndex.h"

#include <algorithm>
#include <iterator>

namespace {

struct ColourIndexRow {
    std::int32_t hr;
    std::int32_t bvHundredths;
};

constexpr ColourIndexRow kColourIndices[] = {
#include "catalog/StarColourIndexTable.inc"
};

} // namespace

std::optional<double> ColourIndexOfStar(std::int32_t hr) {
    const auto it =
        std::lower_bound(std::begin(kColourIndices), std::end(kColourIndices), hr,
                         [](const ColourIndexRow& row, std::int32_t key) { return row.hr < key; });
    if (it == std::end(kColourIndices) || it->hr != hr) {
        return std::nullopt;
    }
    return it->bvHundredths / 100.0;
}
