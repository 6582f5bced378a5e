// The fixed symbol rules: magnitude classes, spectral colours, printed sizes, deep-sky icons and
// the Moon's phase pictures.
#include "chart/DeepSkyIcons.h"
#include "chart/MoonPictures.h"
#include "chart/SymbolTables.h"

#include <gtest/gtest.h>

TEST(LayerStarMark, MagnitudeClassesTruncateTowardZero) {
    struct Case {
        double magnitude;
        StarMark mark;
        int printedHalf;
    };
    const Case cases[] = {
        {-1.46, StarMark::Disc5, 15},   // Sirius: truncated -1
        {-1.0, StarMark::Disc5, 15},    //
        {-0.5, StarMark::Disc4, 12},    // truncates to 0, not -1
        {0.99, StarMark::Disc4, 12},    //
        {1.0, StarMark::Disc3, 10},     //
        {2.0, StarMark::Cross, 8},      // the five-pixel cross
        {2.99, StarMark::Cross, 8},     //
        {3.0, StarMark::Disc2, 6},      //
        {4.5, StarMark::Pixel, 4},      //
        {5.5, StarMark::PixelLight, 3}, //
        {6.5, StarMark::PixelDim, 2},   // k = 7
        {7.2, StarMark::PixelDim, 2},   // k = 8: fainter than 6.99 but within the 7.5 limit
        {-2.0, StarMark::PixelDim, 2},  // k = -1 falls under "any other"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.magnitude);
        EXPECT_EQ(StarMarkForMagnitude(c.magnitude), c.mark);
        EXPECT_EQ(PrintedStarHalfSize(TruncatedMagnitude(c.magnitude)), c.printedHalf);
    }
}

TEST(LayerStarColour, SpectralLettersAndUnknownLetterKeepsPrevious) {
    struct Case {
        char letter;
        int previous;
        int expected;
    };
    const Case cases[] = {
        {'O', 3, 0}, {'B', 3, 0}, {'A', 0, 1}, {'F', 0, 2}, {'G', 0, 2},  {'K', 0, 3},
        {'M', 0, 4}, {'C', 3, 3}, {'W', 4, 4}, {'b', 2, 2}, {'\0', 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.letter);
        EXPECT_EQ(StarColourClass(c.letter, c.previous), c.expected);
    }
}

TEST(LayerDeepSkyIcons, TypeLettersAndPictures) {
    EXPECT_EQ(DeepSkyIconIndex('s', 3), 0);
    EXPECT_EQ(DeepSkyIconIndex('g', 0), 1);
    EXPECT_EQ(DeepSkyIconIndex('o', 0), 2);
    EXPECT_EQ(DeepSkyIconIndex('e', 0), 3);
    EXPECT_EQ(DeepSkyIconIndex('p', 0), 4);
    EXPECT_EQ(DeepSkyIconIndex('x', 2), 2);

    for (std::size_t i = 0; i < kDeepSkyIconCount; ++i) {
        SCOPED_TRACE(i);
        const IconPicture& icon = DeepSkyIcons()[i];
        const MonoBitmap& mono = DeepSkyPrintBitmaps()[i];
        ASSERT_EQ(icon.width, 10);
        ASSERT_EQ(icon.height, 10);
        ASSERT_EQ(icon.pixels.size(), 100u);
        ASSERT_EQ(mono.bits.size(), 100u);
        for (int y = 0; y < 10; ++y) {
            ASSERT_EQ(kDeepSkyIconRows[i][y].size(), 10u);
            // The border rows are empty in every picture.
            if (y == 0 || y == 9) {
                EXPECT_EQ(kDeepSkyIconRows[i][y], "..........");
            }
            for (int x = 0; x < 10; ++x) {
                const std::size_t p = static_cast<std::size_t>(y * 10 + x);
                const bool coloured = kDeepSkyIconRows[i][y][x] != '.';
                EXPECT_EQ(icon.opaque[p] != 0, coloured);
                // Paper: ink wherever the screen icon has a colour, black included.
                EXPECT_EQ(mono.bits[p] != 0, coloured);
            }
        }
    }
    // Spot checks against the drawn pictures, one colour of each kind.
    EXPECT_EQ(DeepSkyIcons()[0].pixels[4 * 10 + 4], (Rgb{255, 255, 255})); // galaxy core W
    EXPECT_EQ(DeepSkyIcons()[0].pixels[1 * 10 + 6], (Rgb{192, 192, 192})); // galaxy L
    EXPECT_EQ(DeepSkyIcons()[0].pixels[3 * 10 + 0], (Rgb{0, 0, 0}));       // galaxy K, opaque
    EXPECT_EQ(DeepSkyIcons()[0].opaque[3 * 10 + 0], 1);
    EXPECT_EQ(DeepSkyIcons()[1].pixels[1 * 10 + 3], (Rgb{255, 255, 0})); // globular Y
    EXPECT_EQ(DeepSkyIcons()[2].pixels[1 * 10 + 3], (Rgb{0, 255, 255})); // open C
    EXPECT_EQ(DeepSkyIcons()[3].pixels[2 * 10 + 3], (Rgb{128, 0, 0}));   // nebula D
    EXPECT_EQ(DeepSkyIcons()[3].pixels[2 * 10 + 2], (Rgb{255, 0, 0}));   // nebula R
    EXPECT_EQ(DeepSkyIcons()[4].pixels[1 * 10 + 3], (Rgb{128, 0, 0}));   // planetary D
    EXPECT_EQ(kDeepSkyIconRows[4][4], ".RD.R.DR..");
    EXPECT_EQ(kDeepSkyIconRows[0][5], "KYKKWWYLYK");
}

TEST(LayerMoonPictures, IndexByPhaseRoundsHalvesTowardZero) {
    struct Case {
        double p;
        std::size_t k;
    };
    const Case cases[] = {
        {-1.0, 0},       {1.0, 10},       {0.0, 5}, {-0.5, 2}, // 2.5 -> 2
        {-0.49, 3},                                            // 2.55 -> 3
        {0.7, 8},                                              // 8.5 -> 8
        {1.0000001, 10}, {-1.0000001, 0}, // rounding beyond the ends stays in the set
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.p);
        EXPECT_EQ(MoonPictureIndex(c.p), c.k);
    }
}

TEST(LayerMoonPictures, LitRunOnTheMiddleRowAndDiscShape) {
    const int middle = kMoonPictureSize / 2;
    for (std::size_t k = 0; k < kMoonPictureCount; ++k) {
        SCOPED_TRACE(k);
        const IconPicture& pic = MoonPictures()[k];
        ASSERT_EQ(pic.width, 16);
        ASSERT_EQ(pic.height, 16);
        int opaque = 0;
        int white = 0;
        int firstX = -1;
        for (int x = 0; x < 16; ++x) {
            const std::size_t i = static_cast<std::size_t>(middle * 16 + x);
            if (pic.opaque[i]) {
                ++opaque;
                if (firstX < 0) {
                    firstX = x;
                }
                if (pic.pixels[i] == kMoonLit) {
                    ++white;
                    // The lit part is a run from the left limb.
                    EXPECT_EQ(x - firstX + 1, white);
                }
            }
        }
        EXPECT_EQ(opaque, kMoonDiscDiameter);
        EXPECT_EQ(white, kMoonLitRun[k]);
        // Corners lie outside the disc.
        EXPECT_EQ(pic.opaque[0], 0);
        EXPECT_EQ(pic.opaque[15 * 16 + 15], 0);
    }
}

TEST(LayerMoonPictures, PlacementMirrorsByElongationAndHemisphere) {
    struct Case {
        const char* name;
        double sunRa, moonRa;
        bool north;
        int left, width;
    };
    // Moon at (100, 50): as drawn the box is (92, 42) 16 wide; mirrored it starts at 108 with
    // width -16 (the same pixels, turned).
    const Case cases[] = {
        {"waning, north", 10.0, 4.0, true, 92, 16},   // e = 6
        {"waxing, north", 4.0, 10.0, true, 108, -16}, // e = -6
        {"waning, south", 10.0, 4.0, false, 108, -16},
        {"waxing, south", 4.0, 10.0, false, 92, 16},
        {"e = 12 exactly", 18.0, 6.0, true, 92, 16},
        {"e = -12 exactly", 6.0, 18.0, true, 108, -16},
        {"e = -13 (wrapped)", 1.0, 14.0, true, 92, 16},
        {"e = 13 (wrapped)", 14.0, 1.0, true, 108, -16},
        {"e = 0", 5.0, 5.0, true, 108, -16},
        {"e = -24", 0.0, 24.0, true, 92, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const MoonPlacement m = PlaceMoonPicture(100, 50, c.sunRa, c.moonRa, c.north);
        EXPECT_EQ(m.left, c.left);
        EXPECT_EQ(m.width, c.width);
        EXPECT_EQ(m.top, 42);
        EXPECT_EQ(m.height, 16);
    }
}
