// The night-vision palette: red only, black stays black, white becomes full red, every colour
// that is not black stays visible, and brighter colours never become dimmer reds.
#include "chart/NightVisionPalette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace {

double Luminance(Rgb c) {
    return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
}

// The palette takes the BT.709 weights in steps of 1/65536 and the luminance in steps of 1/64
// of a level; colours whose exact luminance differs by less than this may share a red.
constexpr double kLuminanceResolution = 1.0 / 64.0 + 3.0 * 255.0 / 65536.0; // levels

struct PaletteCase {
    const char* name;
    Rgb colour;
    int red;
};

// Expected reds from 255 * sqrt(Y / 255) with the BT.709 luminance Y.
const PaletteCase kPaletteCases[] = {
    {"black", {0, 0, 0}, 0},
    {"white", {255, 255, 255}, 255},
    {"pure red", {255, 0, 0}, 118},
    {"pure green", {0, 255, 0}, 216},
    {"pure blue", {0, 0, 255}, 69},
    {"Milky Way fill on a deep screen", {0, 0, 80}, 38},
    {"twilight sky", {0, 115, 215}, 158},
    {"daylight sky", {0, 191, 255}, 199},
    {"mid grey", {128, 128, 128}, 181},
    {"dimmest blue", {0, 0, 1}, 4},
};

TEST(NightVisionPalette, KnownColoursBecomeTheirRed) {
    for (const PaletteCase& c : kPaletteCases) {
        const Rgb shown = NightVisionColour(c.colour);
        EXPECT_NEAR(shown.r, c.red, 1) << c.name; // one level: rounding of the table
        EXPECT_EQ(shown.g, 0) << c.name;
        EXPECT_EQ(shown.b, 0) << c.name;
    }
}

TEST(NightVisionPalette, EveryColourButBlackStaysVisible) {
    for (int v = 1; v < 256; ++v) {
        const auto level = static_cast<std::uint8_t>(v);
        EXPECT_GT(NightVisionRed(level, 0, 0), 0) << v;
        EXPECT_GT(NightVisionRed(0, level, 0), 0) << v;
        EXPECT_GT(NightVisionRed(0, 0, level), 0) << v;
    }
}

TEST(NightVisionPalette, BrighterColoursNeverGiveADimmerRed) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> channel(0, 255);
    std::vector<Rgb> colours;
    for (int i = 0; i < 20000; ++i) {
        colours.push_back(Rgb{static_cast<std::uint8_t>(channel(random)),
                              static_cast<std::uint8_t>(channel(random)),
                              static_cast<std::uint8_t>(channel(random))});
    }
    // Dim colours, where a mapping is most likely to crush differences.
    for (int r = 0; r < 16; ++r) {
        for (int g = 0; g < 16; ++g) {
            for (int b = 0; b < 16; ++b) {
                colours.push_back(Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                      static_cast<std::uint8_t>(b)});
            }
        }
    }
    std::sort(colours.begin(), colours.end(),
              [](Rgb a, Rgb b) { return Luminance(a) < Luminance(b); });
    for (size_t i = 1; i < colours.size(); ++i) {
        const Rgb dimmer = colours[i - 1];
        const Rgb brighter = colours[i];
        if (Luminance(brighter) - Luminance(dimmer) > kLuminanceResolution) {
            ASSERT_LE(NightVisionRed(dimmer.r, dimmer.g, dimmer.b),
                      NightVisionRed(brighter.r, brighter.g, brighter.b))
                << int(dimmer.r) << "," << int(dimmer.g) << "," << int(dimmer.b) << " vs "
                << int(brighter.r) << "," << int(brighter.g) << "," << int(brighter.b);
        }
    }
}

TEST(NightVisionPalette, GreyRampRisesStrictlyAtTheDimEnd) {
    // Faint stars and outlines are dim greys and blues: each step up must show as a brighter red
    // there, where the eye needs the difference most.
    for (int v = 1; v < 64; ++v) {
        const auto lower = static_cast<std::uint8_t>(v - 1);
        const auto upper = static_cast<std::uint8_t>(v);
        EXPECT_LT(NightVisionRed(lower, lower, lower), NightVisionRed(upper, upper, upper)) << v;
    }
}

// The whole-image pass must give every pixel exactly the palette's red, keep its top byte, and
// leave the bytes past the given width alone: every colour once (one red level per image), then
// runs of repeated colours of every length, black among them, which the pass copies (or leaves
// alone) instead of looking up.
TEST(NightVisionPalette, ImagePassGivesEveryPixelItsRed) {
    const auto expected = [](std::uint32_t in) {
        const std::uint32_t red =
            NightVisionRed(static_cast<std::uint8_t>(in >> 16), static_cast<std::uint8_t>(in >> 8),
                           static_cast<std::uint8_t>(in));
        return (in & 0xff000000u) | (red << 16);
    };
    const auto check = [&](std::vector<std::uint32_t> pixels, int width, int stride) {
        const std::vector<std::uint32_t> before = pixels;
        const int height = static_cast<int>(pixels.size()) / stride;
        NightVisionPixels(reinterpret_cast<std::uint8_t*>(pixels.data()), stride * 4, width,
                          height);
        std::size_t wrong = 0;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const bool inside = static_cast<int>(i % stride) < width;
            wrong += pixels[i] == (inside ? expected(before[i]) : before[i]) ? 0 : 1;
        }
        EXPECT_EQ(wrong, 0u) << "pixels wrong in an image of width " << width;
    };
    std::vector<std::uint32_t> colours(256 * 256);
    for (std::uint32_t red = 0; red < 256; ++red) {
        for (std::uint32_t gb = 0; gb < colours.size(); ++gb) {
            colours[gb] = (gb % 2 == 0 ? 0xff000000u : 0x5a000000u) | red << 16 | gb;
        }
        check(colours, 256, 256);
    }
    std::mt19937 random(20261208);
    std::vector<std::uint32_t> runs;
    for (int length = 1; runs.size() < 1003 * 40; length = length % 40 + 1) {
        const std::uint32_t colour = static_cast<std::uint32_t>(random());
        runs.insert(runs.end(), length, length % 3 == 0 ? 0xff000000u : colour); // black too
    }
    runs.resize(1003 * 40);
    check(runs, 1001, 1003); // odd width, two pixels of padding per row
}

} // namespace
