#include "astro/RiseSet.h"

#include "astro/Angles.h"
#include "astro/ClockTime.h"
#include "astro/Ephemeris.h"
#include "astro/Instant.h"
#include "astro/ObserverAngles.h"
#include "astro/PreciseEphemeris.h"
#include "astro/SkyState.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr double kSampleStep = 10.0 / kMinutesPerDay; // days
constexpr double kSearchSpan = 26.0 / 24.0;           // days
constexpr double kTimeTolerance = 0.5 / 86400.0;      // days
constexpr double kJ2000 = 2451545.0;                  // Julian day of 2000 January 1.5
constexpr double kUnixEpochJd = 2440587.5;            // Julian day of 1970 January 1.0

double SignedHourAngle(double degrees) {
    double h = std::fmod(degrees, 360.0);
    if (h > 180.0) {
        h -= 360.0;
    } else if (h <= -180.0) {
        h += 360.0;
    }
    return h;
}

double AboveStandard(const ObjectSkyPosition& p) {
    return p.altitude - p.standardAltitude;
}

// Halves [a, b] where f changes sign from f(a) to f(b) until it is below the tolerance; returns
// the middle of the last interval.
template <typename F> double Bisect(const F& f, double a, double b) {
    const bool risingAtB = f(b) > 0.0;
    // 10 minutes halved 11 times is below 0.3 s: the loop bound is never reached.
    for (int i = 0; i < 60 && b - a > kTimeTolerance; ++i) {
        const double m = 0.5 * (a + b);
        if ((f(m) > 0.0) == risingAtB) {
            b = m;
        } else {
            a = m;
        }
    }
    return 0.5 * (a + b);
}

struct Samples {
    std::vector<double> t;
    std::vector<ObjectSkyPosition> p;
};

Samples Sample(const SkyPositionFunction& positionAt, double from) {
    Samples s;
    const int count = static_cast<int>(std::ceil(kSearchSpan / kSampleStep)) + 1;
    for (int i = 0; i < count; ++i) {
        const double t = from + i * kSampleStep;
        s.t.push_back(t);
        s.p.push_back(positionAt(t));
    }
    return s;
}

// First crossing of the standard altitude in the given direction after sample `first`.
std::optional<double> Crossing(const SkyPositionFunction& positionAt, const Samples& s,
                               bool upward) {
    const auto f = [&](double t) { return AboveStandard(positionAt(t)); };
    for (std::size_t i = 0; i + 1 < s.t.size(); ++i) {
        const double a = AboveStandard(s.p[i]);
        const double b = AboveStandard(s.p[i + 1]);
        if (upward ? (a <= 0.0 && b > 0.0) : (a > 0.0 && b <= 0.0)) {
            return Bisect(f, s.t[i], s.t[i + 1]);
        }
    }
    return std::nullopt;
}

// First upper transit: the hour angle passes from negative to positive (not across 180).
std::optional<double> Transit(const SkyPositionFunction& positionAt, const Samples& s) {
    const auto f = [&](double t) { return SignedHourAngle(positionAt(t).hourAngle); };
    for (std::size_t i = 0; i + 1 < s.t.size(); ++i) {
        const double a = SignedHourAngle(s.p[i].hourAngle);
        const double b = SignedHourAngle(s.p[i + 1].hourAngle);
        if (a <= 0.0 && b > 0.0 && b - a < 90.0) {
            return Bisect(f, s.t[i], s.t[i + 1]);
        }
    }
    return std::nullopt;
}

void SetCulmination(RiseSetEvents& events, const SkyPositionFunction& positionAt,
                    std::optional<double> transit) {
    events.culmination = transit;
    if (transit) {
        const ObjectSkyPosition p = positionAt(*transit);
        events.culminationAltitude = p.shownAltitude.value_or(p.altitude);
    }
}

// Calendar date and time (universal time, whole seconds) of a Julian day.
SkyDate UniversalDate(double jd) {
    const auto secondsSinceEpoch =
        static_cast<long long>(std::llround((jd - kUnixEpochJd) * 86400.0));
    return UniversalClockTime(ClockInstant{std::chrono::seconds{secondsSinceEpoch}});
}

// The place for a Greenwich sidereal angle (degrees) of the instant.
ObjectSkyPosition PlaceForSidereal(double raHours, double decDegrees, double siderealDegrees,
                                   double longitude, double latitude, double standardAltitude) {
    const double hourAngle = siderealDegrees - longitude - 15.0 * raHours;
    const double h = DegToRad(hourAngle);
    const double d = DegToRad(decDegrees);
    const double phi = DegToRad(latitude);
    const double sinAlt = std::sin(d) * std::sin(phi) + std::cos(d) * std::cos(phi) * std::cos(h);
    return {RadToDeg(std::asin(std::fmax(-1.0, std::fmin(1.0, sinAlt)))), standardAltitude,
            hourAngle, std::nullopt};
}

ObjectSkyPosition PlaceFor(double raHours, double decDegrees, double jd, double longitude,
                           double latitude, double standardAltitude) {
    return PlaceForSidereal(raHours, decDegrees, GreenwichSiderealAngle(jd), longitude, latitude,
                            standardAltitude);
}

} // namespace

double MoonStandardAltitude(double horizontalParallaxDegrees) {
    return 0.7275 * horizontalParallaxDegrees - 34.0 / 60.0;
}

RiseSetEvents FindRiseSet(const SkyPositionFunction& positionAt, double startJd) {
    RiseSetEvents events;
    const Samples first = Sample(positionAt, startJd);
    events.rise = Crossing(positionAt, first, true);
    if (events.rise) {
        events.kind = RiseSetKind::Rises;
        const Samples after = Sample(positionAt, *events.rise);
        events.set = Crossing(positionAt, after, false);
        SetCulmination(events, positionAt, Transit(positionAt, after));
        return events;
    }
    bool allAbove = true;
    bool allBelow = true;
    for (const ObjectSkyPosition& p : first.p) {
        (AboveStandard(p) > 0.0 ? allBelow : allAbove) = false;
    }
    // Up now and setting, but not rising again within the search: only the set is known.
    events.kind = allBelow ? RiseSetKind::NeverRises
                           : (allAbove ? RiseSetKind::Circumpolar : RiseSetKind::Rises);
    if (events.kind == RiseSetKind::Rises) {
        events.set = Crossing(positionAt, first, false);
    }
    SetCulmination(events, positionAt, Transit(positionAt, first));
    return events;
}

SkyPositionFunction FixedSkyPosition(double raHours, double decDegrees, const Observer& observer) {
    const double longitude = SignedLongitude(observer);
    const double latitude = SignedLatitude(observer);
    return [=](double jd) {
        return PlaceFor(raHours, decDegrees, jd, longitude, latitude, kStarStandardAltitude);
    };
}

SkyPositionFunction BodySkyPosition(std::size_t body, const Observer& observer) {
    const double longitude = SignedLongitude(observer);
    const double latitude = SignedLatitude(observer);
    return [=](double jd) {
        if (body >= kBodyMercury && body < kBodyCount) {
            const SolarSystemBody p =
                PlanetPositionForDayNumber(static_cast<int>(body) - 1, jd - kJ2000);
            return PlaceFor(p.ra, p.dec, jd, longitude, latitude, kStarStandardAltitude);
        }
        // The engine is given universal time directly (zone 0).
        const double engineJd = JulianDayOfClockTime(UniversalDate(jd), 0.0f);
        const JulianCenturies centuries = CenturiesOf(engineJd);
        const SunElements sun = SunMeanElements(centuries.t2000);
        if (body == kBodySun) {
            const SolarSystemBody place = SunPosition(sun);
            return PlaceFor(place.ra, place.dec, engineJd, longitude, latitude,
                            kSunStandardAltitude);
        }
        const MoonPlace moon = MoonPosition(engineJd, centuries.t1900, sun, longitude, latitude);
        ObjectSkyPosition place =
            PlaceFor(moon.geocentricRa / 15.0, moon.geocentricDec, engineJd, longitude, latitude,
                     MoonStandardAltitude(moon.parallax));
        place.shownAltitude = PlaceFor(moon.topocentric.ra, moon.topocentric.dec, engineJd,
                                       longitude, latitude, place.standardAltitude)
                                  .altitude;
        return place;
    };
}

SkyPositionFunction PreciseFixedSkyPosition(double raHours, double decDegrees,
                                            const Observer& observer) {
    const double longitude = SignedLongitude(observer);
    const double latitude = SignedLatitude(observer);
    return [=](double jd) {
        return PlaceForSidereal(raHours, decDegrees, ApparentSiderealDegrees(PreciseInstantOf(jd)),
                                longitude, latitude, kStarStandardAltitude);
    };
}

SkyPositionFunction PreciseBodySkyPosition(std::size_t body, const Observer& observer) {
    const double longitude = SignedLongitude(observer);
    const double latitude = SignedLatitude(observer);
    return [=](double jd) {
        const PreciseInstant instant = PreciseInstantOf(jd);
        const ApparentPlaceFrame frame = ApparentPlaceFrameOf(instant);
        const double sidereal = ApparentSiderealDegrees(instant, frame);
        if (body == kBodyMoon) {
            // Geocentric place; the parallax (Earth's equatorial radius over the distance) goes
            // into the standard altitude.
            constexpr double kEarthRadiusKm = 6378.14;
            const SolarSystemBody moon = PreciseGeocentricMoon(instant, frame);
            const double parallax =
                RadToDeg(std::asin(std::clamp(kEarthRadiusKm / moon.earthDistanceKm, 0.0, 1.0)));
            ObjectSkyPosition place = PlaceForSidereal(moon.ra, moon.dec, sidereal, longitude,
                                                       latitude, MoonStandardAltitude(parallax));
            const SolarSystemBody seen =
                PreciseTopocentricMoon(instant, frame, sidereal, longitude, latitude);
            place.shownAltitude = PlaceForSidereal(seen.ra, seen.dec, sidereal, longitude, latitude,
                                                   place.standardAltitude)
                                      .altitude;
            return place;
        }
        const SolarSystemBody p = PreciseGeocentricBody(body, instant, frame);
        return PlaceForSidereal(p.ra, p.dec, sidereal, longitude, latitude,
                                body == kBodySun ? kSunStandardAltitude : kStarStandardAltitude);
    };
}
