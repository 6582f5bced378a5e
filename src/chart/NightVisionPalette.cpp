#include "chart/NightVisionPalette.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The palette as tables: the weighted share of each channel in the luminance, and the red of
// each luminance step. A pixel then costs three look-ups, two additions and one more look-up.
struct Palette {
    std::array<std::uint32_t, 256> red{};
    std::array<std::uint32_t, 256> green{};
    std::array<std::uint32_t, 256> blue{};
    std::array<std::uint8_t, kTableSize> level{};

    Palette() {
        for (std::uint32_t v = 0; v < 256; ++v) {
            red[v] = kWeightRed * v;
            green[v] = kWeightGreen * v;
            blue[v] = kWeightBlue * v;
        }
        const double last = static_cast<double>(kTableSize - 1);
        for (std::size_t i = 0; i < kTableSize; ++i) {
            const double shown = 255.0 * std::sqrt(static_cast<double>(i) / last);
            level[i] = static_cast<std::uint8_t>(std::lround(shown));
        }
    }

    std::uint8_t Red(std::uint8_t r, std::uint8_t g, std::uint8_t b) const {
        return level[(red[r] + green[g] + blue[b]) >> kStepShift];
    }
};

const Palette& ThePalette() {
    static const Palette palette;
    return palette;
}

} // namespace

std::uint8_t NightVisionRed(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return ThePalette().Red(red, green, blue);
}

Rgb NightVisionColour(Rgb colour) {
    return Rgb{NightVisionRed(colour.r, colour.g, colour.b), 0, 0};
}

void NightVisionPixels(std::uint8_t* data, int stride, int width, int height) {
    const Palette& palette = ThePalette();
    // A pixel is one native-endian 32-bit word: alpha, red, green, blue from the top.
    const auto turn = [&palette](std::uint32_t pixel) {
        const std::uint32_t level =
            palette.Red(static_cast<std::uint8_t>(pixel >> 16),
                        static_cast<std::uint8_t>(pixel >> 8), static_cast<std::uint8_t>(pixel));
        return (pixel & 0xff000000u) | (level << 16);
    };
    // A chart is mostly large areas of one colour: pixels are taken two at a time, the last
    // pair's answer is kept, and a run of four pixels that repeat it is copied at once (or left
    // alone when the colour is its own answer, as black is).
    std::uint64_t lastIn = 0;
    std::uint64_t lastOut = 0;
    const auto turnPair = [&](std::uint8_t* at) {
        std::uint64_t pair = 0;
        std::memcpy(&pair, at, sizeof pair);
        if (pair != lastIn) {
            lastIn = pair;
            lastOut = static_cast<std::uint64_t>(turn(static_cast<std::uint32_t>(pair >> 32)))
                          << 32 |
                      turn(static_cast<std::uint32_t>(pair));
        }
        std::memcpy(at, &lastOut, sizeof lastOut);
    };
    const auto turnQuad = [&](std::uint8_t* at) {
        std::uint64_t pairs[2];
        std::memcpy(pairs, at, sizeof pairs);
        if (pairs[0] == lastIn && pairs[1] == lastIn) {
            if (lastOut != lastIn) { // black stays black: nothing to write back
                const std::uint64_t out[2] = {lastOut, lastOut};
                std::memcpy(at, out, sizeof out);
            }
        } else {
            turnPair(at);
            turnPair(at + 8);
        }
    };
    for (int y = 0; y < height; ++y) {
        std::uint8_t* pixel = data + static_cast<std::ptrdiff_t>(y) * stride;
#if defined(__SSE2__)
        // Sixteen pixels that all repeat the last pair are one test instead of four.
        std::uint8_t* const blocksEnd = pixel + 64 * static_cast<std::ptrdiff_t>(width / 16);
        for (; pixel != blocksEnd; pixel += 64) {
            const __m128i in = _mm_set1_epi64x(static_cast<long long>(lastIn));
            const auto* at = reinterpret_cast<const __m128i*>(pixel);
            const __m128i same =
                _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi32(_mm_loadu_si128(at), in),
                                            _mm_cmpeq_epi32(_mm_loadu_si128(at + 1), in)),
                              _mm_and_si128(_mm_cmpeq_epi32(_mm_loadu_si128(at + 2), in),
                                            _mm_cmpeq_epi32(_mm_loadu_si128(at + 3), in)));
            if (_mm_movemask_epi8(same) != 0xffff) {
                for (int q = 0; q < 64; q += 16) {
                    turnQuad(pixel + q);
                }
            } else if (lastOut != lastIn) {
                const __m128i out = _mm_set1_epi64x(static_cast<long long>(lastOut));
                auto* to = reinterpret_cast<__m128i*>(pixel);
                _mm_storeu_si128(to, out);
                _mm_storeu_si128(to + 1, out);
                _mm_storeu_si128(to + 2, out);
                _mm_storeu_si128(to + 3, out);
            }
        }
#endif
        std::uint8_t* const quadsEnd = data + static_cast<std::ptrdiff_t>(y) * stride +
                                       16 * static_cast<std::ptrdiff_t>(width / 4);
        for (; pixel != quadsEnd; pixel += 16) {
            turnQuad(pixel);
        }
        for (int x = width / 4 * 4; x < width; ++x, pixel += 4) {
            std::uint32_t last = 0;
            std::memcpy(&last, pixel, sizeof last);
            last = turn(last);
            std::memcpy(pixel, &last, sizeof last);
        }
    }
}
