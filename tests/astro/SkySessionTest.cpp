// The sky session: each change recomputes once, in the form that change calls for.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "AstroTestSupport.h"
#include "astro/SkySession.h"

namespace {

const Place kKrakow = PlaceOf(MakeObserver(19, 55, "E", 50, 2, "N", 1.0f));
const Place kSantiago = PlaceOf(MakeObserver(70, 40, "W", 33, 27, "S", -4.0f));
const SkyDate kEvening{2003, 8, 27, 22, 30, 0};

TEST(SkySession, ANewPlaceMovesTheMoonAndTheRingButNotTheClassicPlanets) {
    SkySession session(nullptr, kEvening, kKrakow, SkyModelKind::Classic);
    const SkyState before = session.Sky();
    session.SetPlace(kSantiago);
    const SkyState& after = session.Sky();
    EXPECT_EQ(session.Place(), kSantiago);
    EXPECT_DOUBLE_EQ(after.m_dLongitude, 70.0 + 40.0 / 60.0);
    EXPECT_NE(after.m_bodies[kBodyMoon].ra, before.m_bodies[kBodyMoon].ra);
    EXPECT_NE(after.m_horizon[0].dec, before.m_horizon[0].dec);
    for (std::size_t planet = kBodyMercury; planet < kBodyCount; ++planet) {
        EXPECT_EQ(after.m_bodies[planet].ra, before.m_bodies[planet].ra) << planet;
    }
    // The instant follows the new zone: 22:30 at -4 h is 02:30 UT the next day.
    EXPECT_EQ(session.Now().ut, InstantOf(kEvening, kSantiago.zone).ut);
}

TEST(SkySession, ANewClockTimeMovesThePlanetsAndKeepsThePlace) {
    SkySession session(nullptr, kEvening, kKrakow, SkyModelKind::Classic);
    const SkyState before = session.Sky();
    const SkyDate nextYear{2004, 8, 27, 22, 30, 0};
    session.SetClockTime(nextYear);
    EXPECT_EQ(session.ClockTime(), nextYear);
    EXPECT_EQ(session.Now().ut, InstantOf(nextYear, kKrakow.zone).ut);
    EXPECT_NE(session.Sky().m_bodies[kBodyMars].ra, before.m_bodies[kBodyMars].ra);
    EXPECT_EQ(session.Sky().m_dLongitude, before.m_dLongitude);
    // Only the animation's step reports leaving the years where the day count is exact.
    session.SetClockTime({2100, 1, 1, 0, 0, 0});
    EXPECT_TRUE(session.Step({2100, 1, 2, 0, 0, 0}).stopAnimation);
    EXPECT_FALSE(session.Step({2099, 12, 31, 0, 0, 0}).stopAnimation);
}

// The session keeps the clock time the observer's clocks show for the instant drawn: the
// date/time form may carry days past the month's end, and a zone may skip the clock time typed.
// Calendar: 2027 is not a leap year (31 February is 3 March), 2028 is (30 February is 1 March).
// Zone: Warsaw's clocks went from 02:00 to 03:00 on 29 March 2026 (tz database).
TEST(SkySession, KeepsTheClockTimeTheClocksShow) {
    Place warsaw = kKrakow;
    warsaw.zone.name = "Europe/Warsaw";
    const struct {
        SkyDate typed;
        Place place;
        SkyDate shown;
    } cases[] = {
        {{2027, 2, 31, 21, 0, 0}, kKrakow, {2027, 3, 3, 21, 0, 0}},
        {{2028, 2, 30, 6, 15, 0}, kKrakow, {2028, 3, 1, 6, 15, 0}},
        {{2027, 4, 31, 0, 0, 0}, kKrakow, {2027, 5, 1, 0, 0, 0}},
        {{2026, 3, 29, 2, 30, 0}, warsaw, {2026, 3, 29, 3, 30, 0}},
        {{2026, 3, 29, 1, 59, 0}, warsaw, {2026, 3, 29, 1, 59, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typed.month << "/" << c.typed.day << " "
                                        << c.typed.hour << ":" << c.typed.minute);
        const double instant = InstantOf(c.typed, c.place.zone).ut;
        SkySession session(nullptr, c.typed, c.place, SkyModelKind::Classic);
        EXPECT_EQ(session.ClockTime(), c.shown);
        EXPECT_DOUBLE_EQ(session.Now().ut, instant);
        session.SetClockTime(kEvening);
        session.SetClockTime(c.typed);
        EXPECT_EQ(session.ClockTime(), c.shown);
        EXPECT_DOUBLE_EQ(session.Now().ut, instant);
    }
}

TEST(SkySession, TheModelDecidesTheCatalogueAndBackAgainBitForBit) {
    auto catalog = std::make_unique<CatalogStore>();
    catalog->m_stars[0] = StarRecord{'B', "", 1, 6.0f, 20.0f, 4.0f};
    SkySession session(std::move(catalog), {2050, 1, 1, 0, 0, 0}, PlaceOf(GreenwichObserver()),
                       SkyModelKind::Classic);
    const SkyState classic = session.Sky();
    session.SetModel(SkyModelKind::Precise);
    EXPECT_EQ(session.ModelKind(), SkyModelKind::Precise);
    EXPECT_STREQ(session.Model().Name(), "precise");
    // About 0.7 degrees of precession in fifty years.
    EXPECT_GT(std::fabs(session.Catalog().m_stars[0].ra - 6.0f), 0.01f);
    EXPECT_NE(session.Sky().m_dGST, classic.m_dGST); // apparent sidereal time
    session.SetModel(SkyModelKind::Classic);
    EXPECT_EQ(session.Catalog().m_stars[0].ra, 6.0f);
    EXPECT_EQ(session.Catalog().m_stars[0].dec, 20.0f);
    EXPECT_EQ(session.Sky().m_dGST, classic.m_dGST);
    EXPECT_EQ(session.Sky().m_bodies[kBodySun].ra, classic.m_bodies[kBodySun].ra);
}

} // namespace
