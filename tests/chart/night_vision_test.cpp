// The night-vision palette: red only, black stays black, white becomes full red, every colour
// that is not black stays visible, and brighter colours never become dimmer reds.
#include "chart/NightVisionPalette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

} // namespace
