#include "catalog/StarProperMotions.h"

#include <algorithm>
#include <array>

namespace {

constexpr StarProperMotion kStarProperMotions[] = {
#include "catalog/StarProperMotionTable.inc"
};

} // namespace

std::optional<StarProperMotion> ProperMotionOfStar(std::int32_t hr) {
    const auto it = std::lower_bound(
        std::begin(kStarProperMotions), std::end(kStarProperMotions), hr,
        [](const StarProperMotion& row, std::int32_t key) { return row.hr < key; });
    if (it == std::end(kStarProperMotions) || it->hr != hr) {
        return std::nullopt;
    }
    return *it;
}
