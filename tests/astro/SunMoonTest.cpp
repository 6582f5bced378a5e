#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "AstroTestSupport.h"
#include "astro/Angles.h"
#include "astro/Ephemeris.h"
#include "astro/Instant.h"
#include "astro/ObserverAngles.h"
#include "astro/Transforms.h"

namespace {

// Values stated to the digits of the series' own coefficients.
constexpr double kSeriesTolerance = 1e-9;

struct SunMoon {
    double jd = 0.0;
    SunElements sun;
    MoonPlace moon;
    BodyTable bodies{};
    std::array<OutlinePoint, kHorizonPointCount> ring{};
};

SunMoon Compute(const SkyDate& date, const Observer& observer) {
    SunMoon result;
    result.jd = InstantOf(date, ZoneOf(observer)).ut;
    const JulianCenturies centuries = CenturiesOf(result.jd);
    result.sun = SunMeanElements(centuries.t2000);
    result.bodies[kBodySun] = SunPosition(result.sun);
    const double longitude = SignedLongitude(observer);
    const double latitude = SignedLatitude(observer);
    result.moon = MoonPosition(result.jd, centuries.t1900, result.sun, longitude, latitude);
    result.bodies[kBodyMoon] = result.moon.topocentric;
    FillHorizonPoints(result.moon.siderealAngle, latitude, longitude, HorizonRing(result.ring));
    return result;
}

TEST(SunMeanElements, AtJ2000) {
    const SunElements e = SunMeanElements(0.0);
    EXPECT_NEAR(e.meanLongitude, 280.46645, kSeriesTolerance);
    EXPECT_NEAR(e.meanAnomaly, 357.5291, kSeriesTolerance);
    EXPECT_NEAR(e.moonNode, 125.04452, kSeriesTolerance);
    EXPECT_NEAR(e.meanObliquity, 23.439291, kSeriesTolerance);
    EXPECT_NEAR(e.eccentricity, 0.016708617, kSeriesTolerance);
}

TEST(MoonPosition, UsesItsOwnObliquity) {
    SunMoon s = Compute({2000, 1, 1, 12, 0, 0}, GreenwichObserver());
    EXPECT_NEAR(s.moon.meanObliquity, 23.45225207, kSeriesTolerance);
    EXPECT_NEAR(s.sun.meanObliquity, 23.439291, kSeriesTolerance);
}

// The Sun of Meeus, Astronomical Algorithms, 2nd ed. (1998), example 25.a, 1992 October 13 0h
// (dynamical time): apparent RA 13h13m31.4s, Dec -7 47' 06". The theory here applies neither
// aberration (-20.5") nor nutation in longitude
// (+15.9" on that date) and is evaluated at 0h universal time (59 s earlier, 2.5"); 0.005
// degrees (18") covers those omissions.
constexpr double kSunToleranceDeg = 0.005;

TEST(SunPosition, PublishedExample) {
    const SunMoon s = Compute({1992, 10, 13, 0, 0, 0}, GreenwichObserver());
    const double ra = (13.0 + 13.0 / 60.0 + 31.4 / 3600.0) * 15.0;
    const double dec = -(7.0 + 47.0 / 60.0 + 6.0 / 3600.0);
    LargestError largest("degrees");
    EXPECT_NEAR(largest(AngleDifference(s.bodies[kBodySun].ra * 15.0, ra)), 0.0, kSunToleranceDeg);
    EXPECT_NEAR(largest(s.bodies[kBodySun].dec - dec), 0.0, kSunToleranceDeg);
    EXPECT_EQ(s.bodies[kBodySun].sunDistanceAu, 0.0);
    // The example's radius vector, 0.99766 AU.
    EXPECT_NEAR(s.bodies[kBodySun].earthDistanceAu, 0.99766, 1e-4);
}

// The Moon of Meeus, Astronomical Algorithms, 2nd ed. (1998), example 47.a, 1992 April 12 0h
// (dynamical time): geocentric apparent RA 134.688470, Dec 13.768368 degrees, distance
// 368409.7 km. The shortened series is good to
// about 10" in longitude; it lacks nutation in longitude (about 15") and is evaluated 59 s of
// universal time earlier (the Moon moves about 33" in that time): 0.02 degrees covers these.
constexpr double kMoonToleranceDeg = 0.02;
constexpr double kMoonDistanceToleranceKm = 100.0;

TEST(MoonPosition, PublishedExampleGeocentric) {
    const SunMoon s = Compute({1992, 4, 12, 0, 0, 0}, GreenwichObserver());
    LargestError largest("degrees");
    EXPECT_NEAR(largest(AngleDifference(s.moon.geocentricRa, 134.688470)), 0.0, kMoonToleranceDeg);
    EXPECT_NEAR(largest(s.moon.geocentricDec - 13.768368), 0.0, kMoonToleranceDeg);
    EXPECT_NEAR(s.moon.distanceKm, 368409.7, kMoonDistanceToleranceKm);
}

TEST(MoonPosition, TopocentricShiftIsTheParallax) {
    // For any observer the topocentric position lies within one horizontal parallax (under a
    // degree) of the geocentric one, and lower in the sky.
    for (int lat : {-60, -10, 0, 35, 70}) {
        const Observer o = MakeObserver(15, 0, "E", std::abs(lat), 0, lat < 0 ? "S" : "N", 1.0f);
        for (int hour = 0; hour < 24; hour += 5) {
            const SunMoon s = Compute({2010, 6, 3, hour, 0, 0}, o);
            const double ra = s.bodies[kBodyMoon].ra * 15.0;
            const double dec = s.bodies[kBodyMoon].dec;
            const double geoRa = s.moon.geocentricRa;
            const double geoDec = s.moon.geocentricDec;
            const double separation =
                std::hypot(AngleDifference(ra, geoRa) * std::cos(DegToRad(dec)), dec - geoDec);
            EXPECT_LE(separation, s.moon.parallax * 1.001) << lat << " " << hour;
            const double gst = GreenwichSiderealAngle(s.jd);
            const double topoAlt = EquatorialToHorizontal(ra / 15.0, dec, gst, -15.0, lat).altitude;
            const double geoAlt =
                EquatorialToHorizontal(geoRa / 15.0, geoDec, gst, -15.0, lat).altitude;
            EXPECT_LT(topoAlt, geoAlt) << lat << " " << hour;
        }
    }
}

// The parallax correction is added after the geocentric right ascension was wrapped, so the
// Moon's right ascension may leave [0, 24) by a fraction of an hour; drawing wraps it. Scanning
// a few months of hours at a low latitude finds such instants; none may be wrapped back.
TEST(MoonPosition, RightAscensionIsNotWrappedAfterTheParallax) {
    const Observer tropics = MakeObserver(0, 0, "W", 5, 0, "N", 0.0f);
    int outside = 0;
    for (int month = 1; month <= 4; ++month) {
        for (int day = 1; day <= 28; ++day) {
            for (int hour = 0; hour < 24; ++hour) {
                const SunMoon s = Compute({2024, month, day, hour, 0, 0}, tropics);
                const double ra = s.bodies[kBodyMoon].ra;
                EXPECT_GT(ra, -0.1);
                EXPECT_LT(ra, 24.1);
                if (ra < 0.0 || ra >= 24.0) {
                    ++outside;
                }
            }
        }
    }
    EXPECT_GT(outside, 0);
}

TEST(MoonPosition, PhaseCosineAtFullAndNewMoon) {
    // Full Moon 2000 January 21 04:40 UT (total eclipse), new Moon 2000 January 6 18:14 UT.
    const SunMoon full = Compute({2000, 1, 21, 4, 40, 0}, GreenwichObserver());
    EXPECT_GT(full.bodies[kBodyMoon].cosPhaseAngle, 0.995);
    EXPECT_GT(full.moon.illumination, 0.997);
    const SunMoon fresh = Compute({2000, 1, 6, 18, 14, 0}, GreenwichObserver());
    EXPECT_LT(fresh.bodies[kBodyMoon].cosPhaseAngle, -0.99);
    EXPECT_LT(fresh.moon.illumination, 0.005);
}

TEST(HorizonPoints, SouthNorthEastWestForLatitude50) {
    const SunMoon s = Compute({2000, 1, 1, 12, 0, 0}, MakeObserver(0, 0, "W", 50, 0, "N", 0.0f));
    // Declinations in single precision; -39.999996 rather than -40 (the factor 0.017453293).
    constexpr double kFloatToleranceDeg = 2e-5;
    EXPECT_NEAR(s.ring[0].dec, -40.0, kFloatToleranceDeg); // south
    EXPECT_NEAR(s.ring[18].dec, 0.0, kFloatToleranceDeg);  // west
    EXPECT_NEAR(s.ring[36].dec, 40.0, kFloatToleranceDeg); // north
    EXPECT_NEAR(s.ring[54].dec, 0.0, kFloatToleranceDeg);  // east
    EXPECT_FLOAT_EQ(s.ring[72].dec, s.ring[0].dec);
    EXPECT_FLOAT_EQ(s.ring[72].ra, s.ring[0].ra);
    // The south point is on the meridian: its RA is the local sidereal time.
    EXPECT_NEAR(s.ring[0].ra * 15.0, 280.46061837, 1e-4);
}

TEST(HorizonPoints, EveryPointIsOnTheHorizonAtItsAzimuth) {
    for (int lat : {-65, -20, 0, 30, 52, 80}) {
        const Observer o = MakeObserver(75, 30, "W", std::abs(lat), 0, lat < 0 ? "S" : "N", -5.0f);
        const SunMoon s = Compute({2015, 3, 20, 22, 10, 0}, o);
        const double gst = GreenwichSiderealAngle(s.jd);
        for (std::size_t k = 0; k < kHorizonPointCount; ++k) {
            const HorizontalPosition h =
                EquatorialToHorizontal(s.ring[k].ra, s.ring[k].dec, gst, 75.5, lat);
            // Single-precision storage: about 1e-4 degrees.
            EXPECT_NEAR(h.altitude, 0.0, 2e-4) << lat << " k=" << k;
            if (std::fabs(s.ring[k].dec) > 89.0) {
                continue; // at the equator the south and north points are the celestial poles
            }
            EXPECT_NEAR(AngleDifference(h.compassAzimuth,
                                        CompassAzimuthFromSouthern(5.0 * static_cast<double>(k))),
                        0.0, 2e-3)
                << lat << " k=" << k;
        }
    }
}

} // namespace
