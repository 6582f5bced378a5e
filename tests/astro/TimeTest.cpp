#include <gtest/gtest.h>

#include <cmath>

#include "AstroTestSupport.h"
#include "astro/Angles.h"
#include "astro/Ephemeris.h"
#include "astro/Instant.h"
#include "astro/ObserverAngles.h"

namespace {

// Julian days are sums of exact binary fractions for whole minutes of a zone-0 clock; only the
// day fraction of a clock time rounds: 1e-8 days is about 1 ms.
constexpr double kJulianDayToleranceDays = 1e-8;

double JulianDayOf(const SkyDate& date, float zone = 0.0f) {
    return InstantOf(date, ZoneOf(MakeObserver(0, 0, "W", 0, 0, "N", zone))).ut;
}

TEST(JulianDay, ReferenceInstants) {
    struct Case {
        const char* name;
        SkyDate date;
        float zone;
        double jd;
    } cases[] = {
        // J2000 and the calendar reform: Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 7.
        {"J2000", {2000, 1, 1, 12, 0, 0}, 0.0f, 2451545.0},
        {"J2000 one zone east", {2000, 1, 1, 12, 0, 0}, 1.0f, 2451544.9583333333},
        {"Gregorian first day", {1582, 10, 15, 0, 0, 0}, 0.0f, 2299160.5},
        {"Julian last day", {1582, 10, 4, 0, 0, 0}, 0.0f, 2299159.5},
        // Same book, examples 7.a (1957 October 4.81, 19:26:24) and 7.b (333 January 27 12h).
        {"Sputnik launch", {1957, 10, 4, 19, 26, 24}, 0.0f, 2436116.31},
        {"333 January 27", {333, 1, 27, 12, 0, 0}, 0.0f, 1842713.0},
        {"zone carries across midnight", {2000, 1, 1, 0, 30, 0}, 2.0f, 2451544.4375},
        {"month 13 simply moves on", {1999, 13, 1, 12, 0, 0}, 0.0f, 2451545.0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(JulianDayOf(c.date, c.zone), c.jd, kJulianDayToleranceDays) << c.name;
    }
}

TEST(Instant, TerrestrialTimeRunsAheadByDeltaT) {
    // In 2000 TAI - UTC was 32 s (IERS Bulletin C), so TT - UT = 32 s + 32.184 s.
    const Instant instant = InstantOf({2000, 1, 1, 12, 0, 0}, ZoneOf(GreenwichObserver()));
    EXPECT_NEAR((instant.tt - instant.ut) * 86400.0, 64.184, 1e-4);
    EXPECT_EQ(instant.ut, JulianDayOf({2000, 1, 1, 12, 0, 0}));
}

TEST(JulianDay, CenturiesFromBothEpochs) {
    const JulianCenturies centuries = CenturiesOf(JulianDayOf({2000, 1, 1, 12, 0, 0}));
    EXPECT_DOUBLE_EQ(centuries.t2000, 0.0);
    EXPECT_DOUBLE_EQ(centuries.t1900, 1.0);
}

bool IsLeap(int year) {
    return year > 1582 ? (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) : year % 4 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Walks every calendar day: each day is exactly one Julian day after the one before, across
// month and year ends and leap days (Gregorian years 1583..2400).
TEST(JulianDay, CalendarSweepAdvancesOneDayPerDay) {
    double previous = JulianDayOf({1583, 1, 1, 0, 0, 0});
    int days = 0;
    for (int year = 1583; year <= 2400; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                if (year == 1583 && month == 1 && day == 1) {
                    continue;
                }
                const double jd = JulianDayOf({year, month, day, 0, 0, 0});
                ASSERT_EQ(jd - previous, 1.0) << year << "-" << month << "-" << day;
                previous = jd;
                ++days;
            }
        }
    }
    EXPECT_GT(days, 298000);
}

TEST(DayNumber, ZeroAtJ2000AndEpochOfElements) {
    EXPECT_DOUBLE_EQ(DayNumber(2000, 1, 1, 12.0), 0.0);
    EXPECT_DOUBLE_EQ(DayNumber(1997, 8, 20, 0.0), -864.5);
}

// Between 1900 March 1 and 2100 February 28 the day count is jd - 2451545 for every day.
TEST(DayNumber, MatchesJulianDayThroughoutItsSpan) {
    for (int year = 1900; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                if ((year == 1900 && month < 3) || (year == 2100 && month > 2)) {
                    continue;
                }
                const double hours = (day * 7) % 24;
                const double jd = JulianDayOf({year, month, day, static_cast<int>(hours), 0, 0});
                ASSERT_NEAR(DayNumber(year, month, day, hours), jd - 2451545.0,
                            kJulianDayToleranceDays)
                    << year << "-" << month << "-" << day;
            }
        }
    }
    // Outside the span it is off by whole days: the formula counts a 29 February 1900 that the
    // Gregorian calendar does not have, and one in 2100.
    EXPECT_NEAR(DayNumber(1900, 2, 28, 0.0) - (JulianDayOf({1900, 2, 28, 0, 0, 0}) - 2451545.0),
                -1.0, kJulianDayToleranceDays);
    EXPECT_NEAR(DayNumber(2100, 3, 1, 0.0) - (JulianDayOf({2100, 3, 1, 0, 0, 0}) - 2451545.0), 1.0,
                kJulianDayToleranceDays);
}

TEST(DayNumber, TruncatingDivisionForNegativeYears) {
    // 367y - 7(y + (m+9)/12)/4 + 275m/9 + d with truncation toward zero, worked by hand for
    // y = -2, m = 3, d = 1: -734 - (7 * -1)/4 + 825/9 + 1 = -734 + 1 + 91 + 1 = -641 (flooring
    // division would give -640).
    EXPECT_DOUBLE_EQ(DayNumber(-2, 3, 1, 0.0), -641.0 - 730531.5);
}

// Sidereal angle: a rate coefficient given to 9 decimals (360.985647366 against Meeus' eq. 12.4,
// 360.98564736629 degrees a day) accounts for 1.3e-6 degrees at 4639 days from J2000.
constexpr double kSiderealToleranceDeg = 5e-6;

TEST(GreenwichSiderealAngle, ReferenceValues) {
    // The constant term of the series at J2000 (Meeus, Astronomical Algorithms, 2nd ed. (1998),
    // eq. 12.4) and that book's example 12.a, 1987 April 10 0h UT: 13h10m46.3668s.
    EXPECT_DOUBLE_EQ(GreenwichSiderealAngle(2451545.0), 280.46061837);
    const double published = (13.0 + 10.0 / 60.0 + 46.3668 / 3600.0) * 15.0;
    EXPECT_NEAR(GreenwichSiderealAngle(2446895.5), published, kSiderealToleranceDeg);
    for (double jd = 2415020.0; jd < 2488070.0; jd += 1234.567) {
        const double gst = GreenwichSiderealAngle(jd);
        EXPECT_GE(gst, 0.0);
        EXPECT_LT(gst, 360.0);
    }
}

TEST(HourAngle, FromClockTimeAndPlace) {
    // One zone east at 13:00 clock time is 12:00 UT on J2000; the local hour angle of RA 0 at
    // 20 degrees east is the sidereal angle plus 20.
    const Observer observer = MakeObserver(20, 0, "E", 50, 0, "N", 1.0f);
    const double sidereal =
        GreenwichSiderealAngle(InstantOf({2000, 1, 1, 13, 0, 0}, ZoneOf(observer)).ut);
    const double h = HourAngle(sidereal, SignedLongitude(observer), 0.0);
    EXPECT_NEAR(h, Normalize360(280.46061837 + 20.0), 1e-9);
    EXPECT_NEAR(HourAngle(sidereal, SignedLongitude(observer), 2.0), Normalize360(h - 30.0), 1e-9);
}

} // namespace
