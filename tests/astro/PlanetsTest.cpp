#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "AstroTestSupport.h"
#include "astro/Angles.h"
#include "astro/Ephemeris.h"
#include "astro/SkyModels.h"

namespace {

// The planets of the classic model for the clock time at the observer.
BodyTable PlanetsAt(const SkyDate& date, const Observer& observer = GreenwichObserver()) {
    SkyState sky;
    SkyModelFor(SkyModelKind::Classic)
        .ComputeSky(RecomputeForm::FirstUpdate, SkyRequestOf(date, PlaceOf(observer)), sky);
    return sky.m_bodies;
}

// Kepler's equation holds for the returned true anomaly: from nu back to the eccentric anomaly
// E, then E - e sin E must give M again. The solver converts with 0.017453293, whose 360 degrees
// fall 9.9e-6 degrees short of a full turn (true anomalies past 180 come back that much low),
// and its 180/3.1415926535898 differs from 1/0.017453293 by 2.8e-8 relative (up to 1.6e-6 degrees
// times e). 2e-5 degrees covers both; a wrong step or branch is off by whole degrees.
constexpr double kKeplerToleranceDeg = 2e-5;

TEST(SolveKepler, SatisfiesKeplersEquationOverAGrid) {
    for (double e : {0.0, 0.0067933, 0.0484646, 0.2056324, 0.2501272, 0.6, 0.9}) {
        for (double m = 0.0; m < 360.0; m += 7.5) {
            const double nu = SolveKepler(m, e, 12);
            ASSERT_TRUE(std::isfinite(nu));
            EXPECT_GE(nu, 0.0);
            EXPECT_LT(nu, 360.0);
            const double halfE =
                std::atan(std::sqrt((1.0 - e) / (1.0 + e)) * std::tan(DegToRad(nu) / 2.0));
            const double eccentricAnomaly = RadToDeg(2.0 * halfE);
            const double meanAgain = eccentricAnomaly - e * (180.0 / 3.1415926535898) *
                                                            std::sin(DegToRad(eccentricAnomaly));
            EXPECT_NEAR(AngleDifference(meanAgain, m), 0.0, kKeplerToleranceDeg) << e << " " << m;
        }
    }
}

TEST(SolveKepler, CircularOrbitIsTheMeanAnomaly) {
    EXPECT_NEAR(SolveKepler(123.456, 0.0, 12), 123.456, 1e-9);
}

// Not an orbit: the Newton step never becomes small. The solver must still return promptly.
TEST(SolveKepler, EndsOnInputThatIsNotAnOrbit) {
    const auto start = std::chrono::steady_clock::now();
    SolveKepler(100.0, 1.0, 12);
    SolveKepler(100.0, 1.5, 12);
    SolveKepler(std::numeric_limits<double>::quiet_NaN(), 0.2, 12);
    SolveKepler(100.0, 0.2, 400); // a stopping step no double can reach
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// Planets at the element epoch 1997 August 20 0h (day number -864.5, t = 0) and Meeus,
// Astronomical Algorithms, 2nd ed. (1998), example 33.a, Venus 1992 December 20 0h: apparent
// RA 316.17273, Dec -18.88801. The fixed elements of
// 1997 carry no perturbations, precession (5 years, 0.07 degrees), aberration or light time, so
// 0.2 degrees is what this method can promise.
constexpr double kPlanetToleranceDeg = 0.2;

TEST(PlanetPosition, PublishedVenus) {
    const BodyTable b = PlanetsAt({1992, 12, 20, 0, 0, 0});
    LargestError largest("degrees");
    EXPECT_NEAR(largest(AngleDifference(b[kBodyVenus].ra * 15.0, 316.17273)), 0.0,
                kPlanetToleranceDeg);
    EXPECT_NEAR(largest(b[kBodyVenus].dec + 18.88801), 0.0, kPlanetToleranceDeg);
    EXPECT_NEAR(b[kBodyVenus].earthDistanceAu, 0.910947, 0.005); // the example's distance, AU
}

TEST(PlanetPosition, OnlyTheWholeClockHourMatters) {
    const BodyTable base = PlanetsAt({2012, 6, 6, 1, 0, 0});
    const BodyTable minutes = PlanetsAt({2012, 6, 6, 1, 59, 59});
    const BodyTable zone =
        PlanetsAt({2012, 6, 6, 1, 0, 0}, MakeObserver(120, 0, "E", 30, 0, "S", 8.0f));
    const BodyTable hour = PlanetsAt({2012, 6, 6, 2, 0, 0});
    for (int p = 1; p <= kPlanetCount; ++p) {
        const auto i = static_cast<std::size_t>(p) + 1;
        EXPECT_EQ(minutes[i].ra, base[i].ra) << p;
        EXPECT_EQ(minutes[i].dec, base[i].dec) << p;
        EXPECT_EQ(zone[i].ra, base[i].ra) << p;
        EXPECT_EQ(zone[i].earthDistanceAu, base[i].earthDistanceAu) << p;
        EXPECT_NE(hour[i].ra, base[i].ra) << p;
    }
}

// The planets once took January and February as months 13 and 14 of the year before (the form
// the Julian-day formula uses). For January the day count is the same either way, but every
// date in February came out one day early: 1 February gave the planets of 31 January, and
// 28 February to 1 March jumped two days. The planets must use the calendar date itself.
void ExpectSamePlanets(const BodyTable& got, double dayNumber, const char* what) {
    for (int p = 1; p <= kPlanetCount; ++p) {
        const SolarSystemBody want = PlanetPositionForDayNumber(p, dayNumber);
        const SolarSystemBody& have = got[static_cast<std::size_t>(p) + 1];
        EXPECT_EQ(have.ra, want.ra) << what << " planet " << p;
        EXPECT_EQ(have.dec, want.dec) << what << " planet " << p;
        EXPECT_EQ(have.sunDistanceAu, want.sunDistanceAu) << what << " planet " << p;
        EXPECT_EQ(have.earthDistanceAu, want.earthDistanceAu) << what << " planet " << p;
    }
}

double PlanetDayNumberOf(const SkyDate& date) {
    return PlanetDayNumber(date);
}

TEST(PlanetsInFebruaryUseTheCalendarMonth, FirstOfFebruaryIsNotThirtyFirstOfJanuary) {
    for (int year : {1950, 2000, 2024, 2099}) {
        const SkyDate february{year, 2, 1, 6, 0, 0};
        const SkyDate january{year, 1, 31, 6, 0, 0};
        const double want = DayNumber(year, 2, 1, 6.0);
        EXPECT_EQ(PlanetDayNumberOf(february), want) << year;
        EXPECT_EQ(PlanetDayNumberOf(january), want - 1.0) << year;
        ExpectSamePlanets(PlanetsAt(february), want, "1 February");
        ExpectSamePlanets(PlanetsAt(january), want - 1.0, "31 January");
        const BodyTable feb = PlanetsAt(february);
        const BodyTable jan = PlanetsAt(january);
        for (int p = 1; p <= kPlanetCount; ++p) {
            const auto i = static_cast<std::size_t>(p) + 1;
            EXPECT_NE(feb[i].ra, jan[i].ra) << year << " planet " << p;
        }
    }
}

TEST(PlanetsInFebruaryUseTheCalendarMonth, EndOfFebruaryToMarchIsOneDay) {
    for (int year : {2023, 2024}) { // common and leap year
        const int lastDay = year == 2024 ? 29 : 28;
        const SkyDate last{year, 2, lastDay, 0, 0, 0};
        const SkyDate march{year, 3, 1, 0, 0, 0};
        const double dayNumber = DayNumber(year, 2, lastDay, 0.0);
        EXPECT_EQ(PlanetDayNumberOf(march) - PlanetDayNumberOf(last), 1.0) << year;
        ExpectSamePlanets(PlanetsAt(last), dayNumber, "end of February");
        ExpectSamePlanets(PlanetsAt(march), dayNumber + 1.0, "1 March");
    }
}

TEST(PlanetsInFebruaryUseTheCalendarMonth, JanuaryIsUnchanged) {
    // For January the shifted and unshifted day counts agree, so January keeps its results.
    for (int day : {1, 15, 31}) {
        EXPECT_EQ(DayNumber(2010, 1, day, 12.0), DayNumber(2009, 13, day, 12.0)) << day;
        ExpectSamePlanets(PlanetsAt({2010, 1, day, 12, 0, 0}), DayNumber(2009, 13, day, 12.0),
                          "January");
    }
}

TEST(PlanetAppearance, InferiorConjunctionAndNoPhaseForOuterPlanets) {
    // r = 0.72, delta = 0.28, R = 1: the planet exactly between Sun and Earth.
    const PlanetAppearanceResult venus = PlanetAppearance(2, 0.72, 0.28, 1.0);
    EXPECT_NEAR(venus.cosPhaseAngle, -1.0, 1e-12);
    EXPECT_NEAR(venus.illuminatedFraction, 0.0, 1e-12);
    EXPECT_NEAR(venus.phaseAngle, 180.0, 1e-4);
    EXPECT_NEAR(venus.angularDiameter, 17.68 / 0.28, 1e-12);
    const double i = venus.phaseAngle;
    EXPECT_NEAR(venus.magnitude,
                5.0 * std::log10(0.72 * 0.28) - 4.4 + 0.0009 * i + 0.000239 * i * i -
                    0.00000065 * i * i * i,
                1e-9);
    // Saturn: no ring or phase term; the magnitude depends on r and delta only.
    const PlanetAppearanceResult saturnA = PlanetAppearance(5, 9.5, 9.0, 1.0);
    const PlanetAppearanceResult saturnB = PlanetAppearance(5, 9.5, 9.0, 0.99);
    EXPECT_DOUBLE_EQ(saturnA.magnitude, saturnB.magnitude);
    EXPECT_NEAR(saturnA.magnitude, 5.0 * std::log10(9.5 * 9.0) - 8.88, 1e-12);
    // Rounding past -1 must not turn the phase angle into not-a-number.
    EXPECT_TRUE(std::isfinite(PlanetAppearance(1, 0.3, 0.7 + 1e-17, 1.0).phaseAngle));
}

} // namespace
