#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "AstroTestSupport.h"
#include "astro/Angles.h"
#include "astro/Place.h"

namespace {

// Doubles that pass through one subtraction or multiplication: a few units in the last place.
constexpr double kArithmeticTolerance = 1e-9;

TEST(Normalize360, WrapsIntoZeroTo360) {
    struct Case {
        double in, want;
    } cases[] = {{-10.0, 350.0}, {360.0, 0.0},   {720.0, 0.0},    {-0.0001, 359.9999},
                 {0.0, 0.0},     {359.5, 359.5}, {-720.5, 359.5}, {1234567.25, 127.25}};
    for (const auto& c : cases) {
        EXPECT_NEAR(Normalize360(c.in), c.want, kArithmeticTolerance) << c.in;
    }
}

TEST(RoundHalfTowardZero, HalvesGoTowardZero) {
    struct Case {
        double in;
        int want;
    } cases[] = {{2.5, 2},   {2.51, 3},  {-2.5, -2}, {-2.51, -3}, {0.5, 0},   {1.5, 1},
                 {-1.5, -1}, {-1.6, -2}, {0.0, 0},   {7.0, 7},    {-7.49, -7}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfTowardZero(c.in), c.want) << c.in;
    }
}

TEST(RoundHalfTowardZero, OutOfRangeIsClampedNotUndefined) {
    EXPECT_EQ(RoundHalfTowardZero(1e12), 2147483647);
    EXPECT_EQ(RoundHalfTowardZero(-1e12), -2147483647 - 1);
    EXPECT_EQ(RoundHalfTowardZero(std::nan("")), 0);
}

TEST(SplitSexagesimal, SignOnlyInWholePart) {
    struct Case {
        double in, whole, minutes, seconds;
    } cases[] = {{-25.3283, -25, 19, 41.88},
                 {-0.5, 0, 30, 0},
                 {12.5, 12, 30, 0},
                 {23.999, 23, 59, 56.4},
                 {0.0, 0, 0, 0}};
    for (const auto& c : cases) {
        const Sexagesimal s = SplitSexagesimal(c.in);
        EXPECT_DOUBLE_EQ(s.whole, c.whole) << c.in; // -0.0 == 0.0: either zero is accepted
        EXPECT_DOUBLE_EQ(s.minutes, c.minutes) << c.in;
        // Seconds come out of two multiplications by 60 of a binary fraction.
        EXPECT_NEAR(s.seconds, c.seconds, 1e-8) << c.in;
    }
}

TEST(FormatFixed, FixedDecimalsRightAlignedToFour) {
    struct Case {
        double x;
        int decimals;
        const char* want;
    } cases[] = {{5.4, 2, "5.40"},   {2.54, 1, " 2.5"}, {1234.567, 1, "1234.6"},
                 {59.96, 1, "60.0"}, {1.0, 1, " 1.0"},  {18.0, 2, "18.00"},
                 {0.0, 4, "0.0000"}, {-3.0, 0, "  -3"}, {-26.7, 1, "-26.7"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFixed(c.x, c.decimals), c.want) << c.x;
    }
}

TEST(FormatFixed, NeverLongerThanThirtyCharacters) {
    EXPECT_EQ(FormatFixed(1e200, 2).size(), 30u);
}

TEST(AngleTexts, DeclinationJustBelowZeroKeepsItsSign) {
    const AngleTexts t = DeclinationTexts(-0.5);
    EXPECT_EQ(t.whole, "-0\xC2\xB0");
    EXPECT_EQ(t.minutes, "30'");
    EXPECT_EQ(t.seconds, "0\"");
    EXPECT_EQ(DeclinationTexts(-25.3283).whole, "-25\xC2\xB0");
    EXPECT_EQ(DeclinationTexts(-25.3283).seconds, "41\""); // whole seconds, truncated
    EXPECT_EQ(DeclinationTextsNoSeconds(-0.2).whole, "-0\xC2\xB0");
}

TEST(AngleTexts, RightAscensionSecondsAreBlankPaddedAndNotCarried) {
    const AngleTexts small = RightAscensionTexts(5.0 + 35.0 / 60.0 + 7.25 / 3600.0);
    EXPECT_EQ(small.whole, "5h");
    EXPECT_EQ(small.minutes, "35'");
    EXPECT_EQ(small.seconds, " 7.2\"");
    const AngleTexts carry = RightAscensionTexts(5.0 + 35.0 / 60.0 + 59.96 / 3600.0);
    EXPECT_EQ(carry.minutes, "35'");
    EXPECT_EQ(carry.seconds, "60.0\"");
}

TEST(PlaceOf, LettersAreExactAndCaseSensitive) {
    // Reference values: 19 deg 55' = 19.91666.., 50 deg 2' = 50.0333..; only "E" is east, only
    // "N" north, only "S" turns the chart.
    struct Case {
        const char* ew;
        const char* ns;
        double longitudeWest, latitudeNorth;
        bool southern;
    } cases[] = {{"E", "N", -19.916666666666668, 50.03333333333333, false},
                 {"W", "S", 19.916666666666668, -50.03333333333333, true},
                 {"e", "n", 19.916666666666668, -50.03333333333333, false},
                 {"", "", 19.916666666666668, -50.03333333333333, false},
                 {"E ", "N ", 19.916666666666668, -50.03333333333333, false}};
    for (const auto& c : cases) {
        const Place place = PlaceOf(MakeObserver(19, 55, c.ew, 50, 2, c.ns, 1.0f));
        EXPECT_NEAR(place.longitudeWest, c.longitudeWest, kArithmeticTolerance) << c.ew;
        EXPECT_NEAR(place.latitudeNorth, c.latitudeNorth, kArithmeticTolerance) << c.ns;
        EXPECT_EQ(place.southern, c.southern) << c.ns;
    }
    EXPECT_DOUBLE_EQ(PlaceOf(MakeObserver(0, 0, "E", 0, 30, "S", 0.0f)).latitudeNorth, -0.5);
    // On the equator the letter alone decides the hemisphere; the name and zone come along.
    Observer equator = MakeObserver(0, 0, "E", 0, 0, "S", -3.5f);
    equator.TimeZoneName = "America/St_Johns";
    const Place place = PlaceOf(equator);
    EXPECT_TRUE(place.southern);
    EXPECT_EQ(place.latitudeNorth, 0.0);
    EXPECT_EQ(place.name, "Test");
    EXPECT_EQ(place.zone, (ZoneRule{-3.5f, "America/St_Johns"}));
}

} // namespace
