// The telescope's reticle: drawn last in a screen frame, centred where the chart projects the
// mount's position, only when there is one; and the mount's apparent place of date carried into
// the frame each sky model draws.
#include "chart/ApparentOnChart.h"
#include "chart/Frame.h"

#include "astro/PreciseEphemeris.h"
#include "astro/PreciseTime.h"
#include "layer_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using layertest::LayerFixture;
using layertest::Op;

TEST(Reticle, DrawnLastAtTheProjectedPointAndOnlyWhenGiven) {
    LayerFixture f;
    const FrameResult without = Draw(*f.chart, f.computed, *f.catalog, f.settings, f.surface);
    ASSERT_TRUE(without.ok);
    EXPECT_FALSE(without.reticle.has_value());
    const std::size_t plainCalls = f.surface.calls.size();

    f.surface.calls.clear();
    FrameOptions options;
    options.reticle = EquatorialPosition{6.1, 0.5};
    const FrameResult with = Draw(*f.chart, f.computed, *f.catalog, f.settings, f.surface, options);
    ASSERT_TRUE(with.ok);
    ASSERT_TRUE(with.reticle.has_value());
    EXPECT_EQ(*with.reticle, f.At(6.1f, 0.5f));
    // The frame as before, then the circle and its four ticks around the point.
    ASSERT_EQ(f.surface.calls.size(), plainCalls + 5);
    const auto& circle = f.surface.calls[plainCalls];
    EXPECT_EQ(circle.op, Op::Ellipse);
    EXPECT_EQ((circle.x0 + circle.x1 - 1) / 2, with.reticle->x);
    EXPECT_EQ((circle.y0 + circle.y1 - 1) / 2, with.reticle->y);
    for (std::size_t i = plainCalls + 1; i < f.surface.calls.size(); ++i) {
        EXPECT_EQ(f.surface.calls[i].op, Op::Line);
    }

    // Off the chart: nothing drawn.
    f.surface.calls.clear();
    options.reticle = EquatorialPosition{18.0, 0.0};
    EXPECT_FALSE(
        Draw(*f.chart, f.computed, *f.catalog, f.settings, f.surface, options).reticle.has_value());
    EXPECT_EQ(f.surface.calls.size(), plainCalls);
}

// The classic chart draws the catalogue as loaded (J2000): an apparent place made from a
// catalogue direction with the precise model's own apparent-place step must come back to it.
// Precession over 26 years moves a star about 20', aberration about 20", so a return within
// 0.001" shows both undone.
TEST(Reticle, ApparentPlaceGoesBackToTheCatalogueFrameForTheClassicModel) {
    constexpr double kToleranceArcsec = 0.001;
    const Instant instant = InstantOfUniversal(2461056.375); // 2026-01-15 21:00 UT
    const ApparentPlaceFrame frame = ApparentPlaceFrameOf(PreciseInstantOf(instant.ut));
    struct Case {
        const char* name;
        double ra, dec; // J2000, hours and degrees
    };
    // Betelgeuse as the Yale Bright Star Catalogue (5th ed., HR 2061) gives it; the other two are
    // directions near the south pole and just before 0h, where the angles wrap.
    const Case cases[] = {
        {"Betelgeuse", 5.919529, 7.407064},
        {"Sigma Octantis", 21.146, -88.956},
        {"near 0h", 23.999, 30.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double ra = 0.0;
        double dec = 0.0;
        RaDecOf(ApparentDirection(frame, UnitVectorOf(c.ra, c.dec)), ra, dec);
        const EquatorialPosition precise =
            ChartPositionOfApparent(ra, dec, SkyModelKind::Precise, instant);
        EXPECT_EQ(precise.ra, ra);
        EXPECT_EQ(precise.dec, dec);
        const EquatorialPosition classic =
            ChartPositionOfApparent(ra, dec, SkyModelKind::Classic, instant);
        ASSERT_TRUE(std::isfinite(classic.ra) && std::isfinite(classic.dec));
        const double dra =
            std::remainder(classic.ra - c.ra, 24.0) * 15.0 * std::cos(c.dec * 0.017453293) * 3600.0;
        EXPECT_NEAR(dra, 0.0, kToleranceArcsec);
        EXPECT_NEAR((classic.dec - c.dec) * 3600.0, 0.0, kToleranceArcsec);
    }
}

} // namespace
