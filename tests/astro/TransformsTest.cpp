#include <gtest/gtest.h>

#include <cmath>

#include "AstroTestSupport.h"
#include "astro/Angles.h"
#include "astro/Transforms.h"

namespace {

// Both transforms convert with 0.017453293, whose 360 degrees fall 9.9e-6 degrees short of a full
// turn; an azimuth wrapped into [0, 360) on the way therefore comes back up to about 1e-5 degrees
// off, more near the poles where the tangent amplifies it. 1e-4 degrees (0.36") is below anything
// the chart can show; a wrong sign or convention is off by degrees.
constexpr double kRoundTripToleranceDeg = 1e-4;

TEST(AzimuthConventions, NamedConversions) {
    // West: southern 90, chart 270, compass 270. East: southern 270, chart 90, compass 90.
    EXPECT_DOUBLE_EQ(ChartAzimuthFromSouthern(90.0), 270.0);
    EXPECT_DOUBLE_EQ(CompassAzimuthFromSouthern(90.0), 270.0);
    EXPECT_DOUBLE_EQ(CompassAzimuthFromSouthern(270.0), 90.0);
    EXPECT_DOUBLE_EQ(CompassAzimuthFromSouthern(180.0), 0.0); // north
    EXPECT_DOUBLE_EQ(SouthernAzimuthFromCompass(0.0), 180.0);
    EXPECT_DOUBLE_EQ(SouthernAzimuthFromChart(ChartAzimuthFromSouthern(37.5)), 37.5);
}

TEST(EquatorialToHorizontal, MeridianSouthOfZenith) {
    // H = 0: gst - L - 15 ra = 0.
    const double lat = 50.0, dec = 20.0, gst = 100.0, lon = -20.0;
    const double ra = (gst - lon) / 15.0;
    const HorizontalPosition h = EquatorialToHorizontal(ra, dec, gst, lon, lat);
    EXPECT_NEAR(h.compassAzimuth, 180.0, 1e-9);
    // 90 - lat + dec, up to the factor 0.017453293 against pi/180 (about 2e-8 relative).
    EXPECT_NEAR(h.altitude, 90.0 - lat + dec, 1e-5);
}

TEST(HorizontalToEquatorial, PointJustNorthOfZenith) {
    const double lat = 50.0, gst = 123.0, lon = -19.5;
    const EquatorialPosition e = HorizontalToEquatorial(180.0, 89.95, gst, lon, lat);
    EXPECT_NEAR(e.dec, lat + 0.05, 1e-5);
    EXPECT_NEAR(e.ra, std::fmod(gst - lon, 360.0) / 15.0, 1e-9);
}

// Equatorial -> horizontal -> equatorial over a grid of places and positions, converting the
// compass azimuth to the chart azimuth the inverse expects.
TEST(Transforms, RoundTripOverGrid) {
    const double gst = 211.7, lon = -19.9;
    int checked = 0;
    for (double lat = -75.0; lat <= 75.0; lat += 15.0) {
        for (double ra = 0.0; ra < 24.0; ra += 1.5) {
            for (double dec = -85.0; dec <= 85.0; dec += 10.0) {
                const HorizontalPosition h = EquatorialToHorizontal(ra, dec, gst, lon, lat);
                if (std::fabs(h.altitude) > 89.0) {
                    continue; // azimuth is ill-conditioned at the zenith and nadir
                }
                const double chart =
                    ChartAzimuthFromSouthern(SouthernAzimuthFromCompass(h.compassAzimuth));
                const EquatorialPosition e =
                    HorizontalToEquatorial(chart, h.altitude, gst, lon, lat);
                ASSERT_TRUE(std::isfinite(e.ra) && std::isfinite(e.dec));
                // Right ascension as an arc on the sky (it spreads near the celestial poles).
                const double raArc =
                    AngleDifference(e.ra * 15.0, ra * 15.0) * std::cos(DegToRad(dec));
                EXPECT_NEAR(raArc, 0.0, kRoundTripToleranceDeg) << lat << " " << ra << " " << dec;
                EXPECT_NEAR(e.dec, dec, kRoundTripToleranceDeg) << lat << " " << ra << " " << dec;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 3000);
}

} // namespace
