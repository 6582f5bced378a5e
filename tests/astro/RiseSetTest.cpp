// Rise, culmination and set searched on the chart's engine, against published and independent
// values. Reference sources:
//  - Meeus, Astronomical Algorithms, 2nd ed., example 15.a: Venus at Boston (71°05' W, 42°20' N)
//    on 1988 March 20: rising 12h25m26s UT, transit 19h40m18s UT, setting 2h54m40s UT.
//  - tools/riseset_reference.py (python3-erfa, ERFA 2.0: epv00 / plan94 / moon98 carried to the
//    observer by atco13; a star as the chart places it by gmst82), run as written in each row.
#include "astro/RiseSet.h"

#include "AstroTestSupport.h"
#include "astro/ClockTime.h"
#include "astro/Ephemeris.h"
#include "astro/Instant.h"
#include "astro/SkyModels.h"
#include "astro/SkySession.h"
#include "astro/SkyState.h"
#include "astro/Transforms.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace {

// Julian day of a universal time, through the engine's own calendar (zone 0).
double JdUt(int y, int mo, int d, int h, int mi, int s = 0) {
    return InstantOf(SkyDate{y, mo, d, h, mi, s}, ZoneOf(GreenwichObserver())).ut;
}

constexpr double kMinute = 1.0 / 1440.0; // days

struct Instant {
    int y, mo, d, h, mi, s;
    double Jd() const { return JdUt(y, mo, d, h, mi, s); }
};

struct EventCase {
    const char* name;
    bool body;         // a body of the engine, else a fixed position
    std::size_t index; // body index
    double ra, dec;    // fixed position, hours and degrees
    Observer observer; // zone 0
    Instant start;     // universal time
    Instant rise, transit, set;
    double toleranceMinutes; // the engine's own accuracy for the object, see each row
};

const Observer kBoston = MakeObserver(71, 5, "W", 42, 20, "N", 0.0f);
const Observer kKrakow = MakeObserver(19, 55, "E", 50, 2, "N", 0.0f);
const Observer kSydney = MakeObserver(151, 12, "E", 33, 52, "S", 0.0f);
const Observer kQuito = MakeObserver(78, 30, "W", 0, 13, "S", 0.0f);

// Tolerances: a star's place is the same model as the reference (only the search and the
// sidereal-time formula differ): 0.25 min. Sun and Moon: 1 minute, the accuracy a rise or set
// time is shown to (the Moon's shortened series is good to a few arcminutes). Planets: the engine's
// fixed 1997 orbital elements drift from the true orbits (Venus in 1988 by about 0.3°, Jupiter in
// 2024 by about 1°), so their rows allow what that drift is worth in time.
const EventCase kCases[] = {
    // Meeus example 15.a (rise and transit from March 20 0h; the set of that day follows the
    // rise of March 19, so that row starts on March 19 12h and checks the set only).
    {"Venus Boston 1988 (Meeus 15.a)",
     true,
     kBodyVenus,
     0,
     0,
     kBoston,
     {1988, 3, 20, 0, 0, 0},
     {1988, 3, 20, 12, 25, 26},
     {1988, 3, 20, 19, 40, 18},
     {1988, 3, 21, 2, 56, 35},
     3.0},
    {"Venus Boston 1988 set (Meeus 15.a)",
     true,
     kBodyVenus,
     0,
     0,
     kBoston,
     {1988, 3, 19, 12, 0, 0},
     {1988, 3, 19, 12, 26, 50},
     {1988, 3, 19, 19, 40, 15},
     {1988, 3, 20, 2, 54, 40},
     3.0},
    // riseset_reference.py Sun 19.9167 50.0333 2024-06-21T00:00
    {"Sun Krakow solstice",
     true,
     kBodySun,
     0,
     0,
     kKrakow,
     {2024, 6, 21, 0, 0, 0},
     {2024, 6, 21, 2, 30, 54},
     {2024, 6, 21, 10, 42, 15},
     {2024, 6, 21, 18, 53, 34},
     1.0},
    // riseset_reference.py Sun 151.2 -33.8667 2024-12-01T00:00
    {"Sun Sydney",
     true,
     kBodySun,
     0,
     0,
     kSydney,
     {2024, 12, 1, 0, 0, 0},
     {2024, 12, 1, 18, 37, 11},
     {2024, 12, 2, 1, 44, 37},
     {2024, 12, 2, 8, 52, 19},
     1.0},
    // riseset_reference.py Moon 19.9167 50.0333 2024-03-20T12:00
    {"Moon Krakow",
     true,
     kBodyMoon,
     0,
     0,
     kKrakow,
     {2024, 3, 20, 12, 0, 0},
     {2024, 3, 21, 12, 45, 29},
     {2024, 3, 21, 20, 33, 52},
     {2024, 3, 22, 4, 4, 48},
     1.0},
    // riseset_reference.py Moon 151.2 -33.8667 2025-01-10T00:00
    {"Moon Sydney",
     true,
     kBodyMoon,
     0,
     0,
     kSydney,
     {2025, 1, 10, 0, 0, 0},
     {2025, 1, 10, 5, 48, 17},
     {2025, 1, 10, 10, 45, 54},
     {2025, 1, 10, 15, 39, 2},
     1.0},
    // riseset_reference.py Jupiter 19.9167 50.0333 2024-03-20T00:00
    {"Jupiter Krakow",
     true,
     kBodyJupiter,
     0,
     0,
     kKrakow,
     {2024, 3, 20, 0, 0, 0},
     {2024, 3, 20, 6, 16, 55},
     {2024, 3, 20, 13, 37, 7},
     {2024, 3, 20, 20, 57, 32},
     10.0},
    // riseset_reference.py Mars -71.0833 42.3333 2020-10-13T00:00
    {"Mars Boston opposition",
     true,
     kBodyMars,
     0,
     0,
     kBoston,
     {2020, 10, 13, 0, 0, 0},
     {2020, 10, 13, 22, 12, 6},
     {2020, 10, 14, 4, 33, 45},
     {2020, 10, 14, 10, 55, 17},
     10.0},
    // riseset_reference.py Saturn -78.5 -0.2167 2023-08-27T00:00
    {"Saturn Quito",
     true,
     kBodySaturn,
     0,
     0,
     kQuito,
     {2023, 8, 27, 0, 0, 0},
     {2023, 8, 27, 23, 13, 10},
     {2023, 8, 28, 5, 14, 36},
     {2023, 8, 28, 11, 16, 2},
     10.0},
    // riseset_reference.py 5.919528,7.406944 19.9167 50.0333 2024-03-20T19:00 (Betelgeuse)
    {"Betelgeuse Krakow",
     false,
     0,
     5.919528,
     7.406944,
     kKrakow,
     {2024, 3, 20, 19, 0, 0},
     {2024, 3, 21, 9, 58, 33},
     {2024, 3, 21, 16, 36, 46},
     {2024, 3, 21, 23, 14, 58},
     0.25},
};

SkyPositionFunction PositionOf(const EventCase& c) {
    return c.body
               ? SkyModelFor(SkyModelKind::Classic).BodyPosition(c.index, PlaceOf(c.observer))
               : SkyModelFor(SkyModelKind::Classic).FixedPosition(c.ra, c.dec, PlaceOf(c.observer));
}

TEST(RiseSet, EventsMatchPublishedAndIndependentTimes) {
    LargestError largest("minutes");
    for (const EventCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const RiseSetEvents e = FindRiseSet(PositionOf(c), c.start.Jd());
        ASSERT_EQ(e.kind, RiseSetKind::Rises);
        ASSERT_TRUE(e.rise && e.culmination && e.set);
        EXPECT_NEAR(largest((*e.rise - c.rise.Jd()) / kMinute), 0.0, c.toleranceMinutes);
        EXPECT_NEAR(largest((*e.culmination - c.transit.Jd()) / kMinute), 0.0, c.toleranceMinutes);
        EXPECT_NEAR(largest((*e.set - c.set.Jd()) / kMinute), 0.0, c.toleranceMinutes);
        // The order the panels promise: a rise after the start, then culmination, then set.
        EXPECT_GT(*e.rise, c.start.Jd());
        EXPECT_LT(*e.rise, *e.culmination);
        EXPECT_LT(*e.culmination, *e.set);
    }
}

// The precise model's bodies against the same references: every body row, planets included,
// within one minute (its planets no longer drift; Meeus 15.a's own times are good to about a
// minute).
TEST(RiseSet, PreciseBodiesMatchWithinAMinute) {
    LargestError largest("minutes");
    for (const EventCase& c : kCases) {
        if (!c.body) {
            continue; // the star rows use the catalogue's year-2000 place
        }
        SCOPED_TRACE(c.name);
        const RiseSetEvents e = FindRiseSet(
            SkyModelFor(SkyModelKind::Precise).BodyPosition(c.index, PlaceOf(c.observer)),
            c.start.Jd());
        ASSERT_TRUE(e.rise && e.culmination && e.set);
        EXPECT_NEAR(largest((*e.rise - c.rise.Jd()) / kMinute), 0.0, 1.0);
        EXPECT_NEAR(largest((*e.culmination - c.transit.Jd()) / kMinute), 0.0, 1.0);
        EXPECT_NEAR(largest((*e.set - c.set.Jd()) / kMinute), 0.0, 1.0);
    }
}

// The same model of the sky as the search: at each event found the model itself must show it.
// One minute before the rise the object is below its standard altitude and one minute after
// above (the reverse for the set); at the culmination the hour angle is within 15 seconds of
// time of zero; and between the start and the rise the object did not rise (checked every minute),
// so the rise is the first one.
TEST(RiseSet, SearchFindsTheModelsOwnEvents) {
    for (const EventCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const SkyPositionFunction position = PositionOf(c);
        const auto above = [&](double jd) {
            const ObjectSkyPosition p = position(jd);
            return p.altitude > p.standardAltitude;
        };
        const RiseSetEvents e = FindRiseSet(position, c.start.Jd());
        ASSERT_TRUE(e.rise && e.culmination && e.set);
        EXPECT_FALSE(above(*e.rise - kMinute));
        EXPECT_TRUE(above(*e.rise + kMinute));
        EXPECT_TRUE(above(*e.set - kMinute));
        EXPECT_FALSE(above(*e.set + kMinute));
        const double h = std::remainder(position(*e.culmination).hourAngle, 360.0);
        EXPECT_NEAR(h, 0.0, 15.0 / 240.0); // 15 s of time in degrees
        bool wasAbove = above(c.start.Jd());
        for (double t = c.start.Jd(); t < *e.rise - kMinute; t += kMinute) {
            const bool nowAbove = above(t);
            ASSERT_FALSE(nowAbove && !wasAbove) << "rose before the reported rise";
            wasAbove = nowAbove;
        }
    }
}

// Several crossings searched on one set of samples are the crossings each search finds on its
// own, to the bit: the horizon both ways, and a fixed altitude (the Sun's -18 degrees).
TEST(RiseSet, OneSetOfSamplesFindsWhatEachSearchFinds) {
    for (const EventCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const SkyPositionFunction position = PositionOf(c);
        const double start = c.start.Jd();
        const PositionSamples samples = SamplePositions(position, start, 1.5);
        const SkyPositionFunction toMinus18 = [&](double jd) {
            ObjectSkyPosition p = position(jd);
            p.standardAltitude = -18.0;
            return p;
        };
        for (const bool upward : {true, false}) {
            EXPECT_EQ(FindCrossingIn(position, samples, upward),
                      FindCrossing(position, start, 1.5, upward));
            EXPECT_EQ(FindCrossingIn(position, samples, upward, -18.0),
                      FindCrossing(toMinus18, start, 1.5, upward));
        }
    }
}

TEST(RiseSet, CircumpolarAndNeverRising) {
    const Observer tromso = MakeObserver(18, 57, "E", 69, 39, "N", 0.0f);
    struct KindCase {
        const char* name;
        SkyPositionFunction position;
        double start;
        RiseSetKind kind;
        double culminationAltitude; // degrees: 90 - |latitude - dec| (upper transit)
    };
    const KindCase cases[] = {
        {"dec +80 at Krakow",
         SkyModelFor(SkyModelKind::Classic).FixedPosition(3.0, 80.0, PlaceOf(kKrakow)),
         JdUt(2024, 1, 1, 0, 0), RiseSetKind::Circumpolar, 90.0 - (80.0 - 50.0333)},
        {"dec -60 at Krakow",
         SkyModelFor(SkyModelKind::Classic).FixedPosition(3.0, -60.0, PlaceOf(kKrakow)),
         JdUt(2024, 1, 1, 0, 0), RiseSetKind::NeverRises, 90.0 - (50.0333 + 60.0)},
        // Midnight sun and polar night at Tromsø; the Sun's declination about ±23.44.
        {"Sun Tromso June",
         SkyModelFor(SkyModelKind::Classic).BodyPosition(kBodySun, PlaceOf(tromso)),
         JdUt(2024, 6, 21, 0, 0), RiseSetKind::Circumpolar, 90.0 - (69.65 - 23.44)},
        {"Sun Tromso December",
         SkyModelFor(SkyModelKind::Classic).BodyPosition(kBodySun, PlaceOf(tromso)),
         JdUt(2024, 12, 21, 0, 0), RiseSetKind::NeverRises, 90.0 - (69.65 + 23.44)},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RiseSetEvents e = FindRiseSet(c.position, c.start);
        EXPECT_EQ(e.kind, c.kind);
        EXPECT_FALSE(e.rise);
        EXPECT_FALSE(e.set);
        ASSERT_TRUE(e.culmination);
        EXPECT_GT(*e.culmination, c.start);
        EXPECT_LT(*e.culmination, c.start + 1.0);
        EXPECT_NEAR(e.culminationAltitude, c.culminationAltitude, 0.05);
    }
}

// The Moon's culmination altitude is the one the chart shows for it at that instant: its
// topocentric place (parallax included, about 0.7 degrees at Krakow), in each model. The sky
// of the culmination's clock time (zone 0, to the second) is what the chart draws.
TEST(RiseSet, MoonCulminatesAtTheAltitudeTheChartShows) {
    for (const SkyModelKind kind : {SkyModelKind::Classic, SkyModelKind::Precise}) {
        SCOPED_TRACE(static_cast<int>(kind));
        const RiseSetEvents e = FindRiseSet(
            SkyModelFor(kind).BodyPosition(kBodyMoon, PlaceOf(kKrakow)), JdUt(2026, 12, 17, 5, 0));
        ASSERT_TRUE(e.culmination);
        const auto seconds = std::llround((*e.culmination - 2440587.5) * 86400.0);
        const SkyDate clock = UniversalClockTime(ClockInstant{std::chrono::seconds{seconds}});
        const SkySession sky(nullptr, clock, PlaceOf(kKrakow), kind);
        const SolarSystemBody& moon = sky.Sky().m_bodies[kBodyMoon];
        const HorizontalPosition shown = EquatorialToHorizontal(
            moon.ra, moon.dec, sky.Sky().m_dGST, sky.Sky().m_dLongitude, sky.Sky().m_dLatitude);
        EXPECT_NEAR(e.culminationAltitude, shown.altitude, 0.01);
    }
}

TEST(RiseSet, MoonStandardAltitudeFollowsMeeus) {
    // Meeus ch. 15: h0 = 0.7275 pi - 34'; for the mean parallax 0°57' this is +0°7.5'.
    EXPECT_NEAR(MoonStandardAltitude(57.0 / 60.0) * 60.0, 0.7275 * 57.0 - 34.0, 1e-9);
    EXPECT_NEAR(MoonStandardAltitude(57.0 / 60.0) * 60.0, 7.47, 0.01);
}

} // namespace
