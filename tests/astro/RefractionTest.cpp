#include "astro/Refraction.h"

#include <gtest/gtest.h>

#include <cmath>

// Standard refraction (10 °C, 1010 hPa) for an apparent altitude, in arcminutes, as tabulated from
// Bennett (1982, Journal of Navigation 35) in Meeus, Astronomical Algorithms, ch. 16: 34.5' at the
// horizon, 9.9' at 5°, 5.3' at 10°, 1.7' at 30°, 0.6' at 60°, none at the zenith.
TEST(Refraction, MatchesThePublishedTableAndInvertsItself) {
    const struct {
        double apparent;
        double arcmin;
    } table[] = {{0.0, 34.5}, {5.0, 9.9}, {10.0, 5.3}, {30.0, 1.7}, {60.0, 0.6}, {90.0, 0.0}};
    for (const auto& row : table) {
        const double geometric = GeometricAltitude(row.apparent);
        EXPECT_NEAR((row.apparent - geometric) * 60.0, row.arcmin, 0.3) << row.apparent;
        EXPECT_NEAR(ApparentAltitude(geometric), row.apparent, 0.01 / 60.0) << row.apparent;
    }
}

TEST(Refraction, LiftsMonotonicallyAndNothingFarBelowTheHorizon) {
    double previous = -1e9;
    for (double h = -10.0; h <= 90.0; h += 0.01) {
        const double apparent = ApparentAltitude(h);
        EXPECT_GT(apparent, previous) << h;
        EXPECT_GE(RefractionDeg(h), 0.0) << h;
        previous = apparent;
    }
    EXPECT_EQ(RefractionDeg(-6.0), 0.0);
}
