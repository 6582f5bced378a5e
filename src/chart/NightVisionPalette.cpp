#include "chart/NightVisionPalette.h"

#include <array>
#include <cmath>

namespace {

// BT.709 luminance weights scaled to sum to exactly 65536, so white has a luminance of
// 255 * 65536 and the integer sum never overflows 32 bits.
constexpr std::uint32_t kWeightRed = 13933;   // 0.2126
constexpr std::uint32_t kWeightGreen = 46871; // 0.7152
constexpr std::uint32_t kWeightBlue = 4732;   // 0.0722
static_assert(kWeightRed + kWeightGreen + kWeightBlue == 65536);

// The luminance is looked up in steps of 1024/65536 of a level: fine enough that the dimmest
// blue (weight 4732) still lands above zero, coarse enough for a small table.
constexpr int kStepShift = 10;
constexpr std::uint32_t kMaxLuminance = 255u * 65536u;
constexpr std::size_t kTableSize = (kMaxLuminance >> kStepShift) + 1;

const std::array<std::uint8_t, kTableSize>& RedTable() {
    static const std::array<std::uint8_t, kTableSize> table = [] {
        std::array<std::uint8_t, kTableSize> levels{};
        const double last = static_cast<double>(kTableSize - 1);
        for (std::size_t i = 0; i < kTableSize; ++i) {
            const double level = 255.0 * std::sqrt(static_cast<double>(i) / last);
            levels[i] = static_cast<std::uint8_t>(std::lround(level));
        }
        return levels;
    }();
    return table;
}

} // namespace

std::uint8_t NightVisionRed(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const std::uint32_t luminance = kWeightRed * red + kWeightGreen * green + kWeightBlue * blue;
    return RedTable()[luminance >> kStepShift];
}

Rgb NightVisionColour(Rgb colour) {
    return Rgb{NightVisionRed(colour.r, colour.g, colour.b), 0, 0};
}
