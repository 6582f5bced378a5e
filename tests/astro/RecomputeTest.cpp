#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "AstroTestSupport.h"
#include "astro/Angles.h"
#include "astro/Ephemeris.h"
#include "astro/Instant.h"
#include "astro/Recompute.h"
#include "catalog/CatalogStore.h"

namespace {

constexpr double kSentinel = -777.0;

struct Fixture {
    std::unique_ptr<CatalogStore> catalog = std::make_unique<CatalogStore>();
    SkyState sky;

    Fixture() {
        for (auto& body : sky.m_bodies) {
            body = {kSentinel, kSentinel, kSentinel, kSentinel, kSentinel, kSentinel};
        }
        sky.m_dLongitude = sky.m_dLatitude = sky.m_dSinLat = sky.m_dCosLat = kSentinel;
        for (auto& point : catalog->m_outlinePoints) {
            point = {-7.0f, -7.0f};
        }
    }
};

const Observer kKrakow = MakeObserver(19, 55, "E", 50, 2, "N", 1.0f);

TEST(RecomputeSky, FirstUpdateFillsEverything) {
    Fixture f;
    const SkyDate date{2003, 8, 27, 22, 30, 0};
    const RecomputeOutcome outcome =
        RecomputeSky(RecomputeForm::FirstUpdate, SkyModelFor(SkyModelKind::Classic), date,
                     PlaceOf(kKrakow), f.sky, *f.catalog);
    EXPECT_FALSE(outcome.stopAnimation);
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        EXPECT_NE(f.sky.m_bodies[i].ra, kSentinel) << i;
        EXPECT_TRUE(std::isfinite(f.sky.m_bodies[i].dec)) << i;
    }
    EXPECT_DOUBLE_EQ(f.sky.m_dLongitude, -(19.0 + 55.0 / 60.0));
    EXPECT_DOUBLE_EQ(f.sky.m_dLatitude, 50.0 + 2.0 / 60.0);
    EXPECT_DOUBLE_EQ(f.sky.m_dSinLat, std::sin(f.sky.m_dLatitude * 0.017453293));
    EXPECT_DOUBLE_EQ(f.sky.m_dCosLat, std::cos(f.sky.m_dLatitude * 0.017453293));
    EXPECT_DOUBLE_EQ(f.sky.m_dGST, GreenwichSiderealAngle(InstantOf(date, ZoneOf(kKrakow)).ut));
    EXPECT_DOUBLE_EQ(f.sky.m_dLST, f.sky.m_dGST - f.sky.m_dLongitude);
    // The horizon ring is the sky's; the catalogue's tables stay as they were.
    for (const OutlinePoint& p : f.catalog->m_outlinePoints) {
        EXPECT_EQ(p.ra, -7.0f);
    }
    EXPECT_NEAR(f.sky.m_horizon[0].dec, -(90.0 - f.sky.m_dLatitude), 1e-4);
}

TEST(RecomputeSky, LocalSiderealAngleIsNotWrapped) {
    // Far east (L = -179.5): every sidereal angle above 180.5 gives an LST above 360.
    Fixture f;
    const Observer east = MakeObserver(179, 30, "E", 10, 0, "N", 0.0f);
    bool seen = false;
    for (int hour = 0; hour < 24 && !seen; ++hour) {
        RecomputeSky(RecomputeForm::FirstUpdate, SkyModelFor(SkyModelKind::Classic),
                     {2001, 5, 5, hour, 0, 0}, PlaceOf(east), f.sky, *f.catalog);
        if (f.sky.m_dGST > 181.0) {
            EXPECT_GT(f.sky.m_dLST, 360.0);
            EXPECT_DOUBLE_EQ(f.sky.m_dLST, f.sky.m_dGST + 179.5);
            seen = true;
        }
    }
    EXPECT_TRUE(seen);
}

TEST(RecomputeSky, LocationChangeKeepsThePlanets) {
    Fixture f;
    const RecomputeOutcome outcome =
        RecomputeSky(RecomputeForm::LocationChanged, SkyModelFor(SkyModelKind::Classic),
                     {2003, 8, 27, 22, 30, 0}, PlaceOf(kKrakow), f.sky, *f.catalog);
    EXPECT_FALSE(outcome.stopAnimation);
    EXPECT_NE(f.sky.m_bodies[kBodyMoon].ra, kSentinel);
    EXPECT_NE(f.sky.m_bodies[kBodySun].ra, kSentinel);
    for (std::size_t i = kBodyMercury; i <= kBodyPluto; ++i) {
        EXPECT_EQ(f.sky.m_bodies[i].ra, kSentinel) << i;
    }
    EXPECT_DOUBLE_EQ(f.sky.m_dLongitude, -(19.0 + 55.0 / 60.0));
    EXPECT_DOUBLE_EQ(f.sky.m_dLST, f.sky.m_dGST - f.sky.m_dLongitude);
}

TEST(RecomputeSky, DateChangeKeepsThePlaceFields) {
    for (RecomputeForm form : {RecomputeForm::DateTimeChanged, RecomputeForm::AnimationStep}) {
        Fixture f;
        RecomputeSky(form, SkyModelFor(SkyModelKind::Classic), {2003, 8, 27, 22, 30, 0},
                     PlaceOf(kKrakow), f.sky, *f.catalog);
        EXPECT_EQ(f.sky.m_dLongitude, kSentinel);
        EXPECT_EQ(f.sky.m_dLatitude, kSentinel);
        EXPECT_EQ(f.sky.m_dSinLat, kSentinel);
        // The local angle is derived from the longitude already held by the chart.
        EXPECT_DOUBLE_EQ(f.sky.m_dLST, f.sky.m_dGST - kSentinel);
        for (std::size_t i = 0; i < kBodyCount; ++i) {
            EXPECT_NE(f.sky.m_bodies[i].ra, kSentinel) << i;
        }
    }
}

TEST(RecomputeSky, AnimationStopsOutsideItsYears) {
    struct Case {
        int year;
        bool stop;
    } cases[] = {{1900, true}, {1901, false}, {2000, false}, {2099, false}, {2100, true}};
    for (const auto& c : cases) {
        Fixture f;
        const SkyDate date{c.year, 1, 15, 0, 0, 0};
        EXPECT_EQ(RecomputeSky(RecomputeForm::AnimationStep, SkyModelFor(SkyModelKind::Classic),
                               date, PlaceOf(kKrakow), f.sky, *f.catalog)
                      .stopAnimation,
                  c.stop)
            << c.year;
        // The sky is still computed for the date reached.
        EXPECT_NE(f.sky.m_bodies[kBodyPluto].ra, kSentinel);
        // Only the animation form reports it.
        EXPECT_FALSE(RecomputeSky(RecomputeForm::DateTimeChanged,
                                  SkyModelFor(SkyModelKind::Classic), date, PlaceOf(kKrakow), f.sky,
                                  *f.catalog)
                         .stopAnimation);
    }
}

TEST(RecomputeSky, SameInstantSameSkyWhateverTheZone) {
    // 12:00 at zone +1 and 11:00 at zone 0 are the same instant for the Sun and the Moon; the
    // planets follow the clock hour and therefore differ.
    Fixture a, b;
    RecomputeSky(RecomputeForm::FirstUpdate, SkyModelFor(SkyModelKind::Classic),
                 {2010, 3, 1, 12, 0, 0}, PlaceOf(MakeObserver(19, 55, "E", 50, 2, "N", 1.0f)),
                 a.sky, *a.catalog);
    RecomputeSky(RecomputeForm::FirstUpdate, SkyModelFor(SkyModelKind::Classic),
                 {2010, 3, 1, 11, 0, 0}, PlaceOf(MakeObserver(19, 55, "E", 50, 2, "N", 0.0f)),
                 b.sky, *b.catalog);
    EXPECT_NEAR(a.sky.m_bodies[kBodySun].ra, b.sky.m_bodies[kBodySun].ra, 1e-12);
    EXPECT_NEAR(a.sky.m_bodies[kBodyMoon].dec, b.sky.m_bodies[kBodyMoon].dec, 1e-10);
    EXPECT_NEAR(a.sky.m_dGST, b.sky.m_dGST, 1e-9);
    EXPECT_NE(a.sky.m_bodies[kBodyMars].ra, b.sky.m_bodies[kBodyMars].ra);
}

} // namespace
