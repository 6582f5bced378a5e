#include "astro/ClassicSkyModel.h"

#include "astro/CatalogueOfDate.h"
#include "astro/ClockTime.h"
#include "astro/Ephemeris.h"

#include <chrono>
#include <cmath>

namespace {

constexpr double kJ2000 = 2451545.0;       // Julian day of 2000 January 1.5
constexpr double kUnixEpochJd = 2440587.5; // Julian day of 1970 January 1.0

// Calendar date and time (universal time, whole seconds) of a Julian day.
SkyDate UniversalDate(double jd) {
    const auto secondsSinceEpoch =
        static_cast<long long>(std::llround((jd - kUnixEpochJd) * 86400.0));
    return UniversalClockTime(ClockInstant{std::chrono::seconds{secondsSinceEpoch}});
}

ObjectSkyPosition PlaceFor(double raHours, double decDegrees, double jd, double longitude,
                           double latitude, double standardAltitude) {
    return PlaceForSidereal(raHours, decDegrees, GreenwichSiderealAngle(jd), longitude, latitude,
                            standardAltitude);
}

// A fixed position (right ascension hours, declination degrees) as the chart places it: turned
// by the Greenwich sidereal angle of the instant, for the place. Standard altitude -34'.
SkyPositionFunction FixedSkyPosition(double raHours, double decDegrees, const Place& place) {
    const double longitude = place.longitudeWest;
    const double latitude = place.latitudeNorth;
    return [=](double jd) {
        return PlaceFor(raHours, decDegrees, jd, longitude, latitude, kStarStandardAltitude);
    };
}

// A body (0 Moon, 1 Sun, 2 Mercury .. 9 Pluto) computed by the chart's engine for each instant:
// the Sun from the solar theory, the Moon's geocentric place from the lunar series with its
// parallax in the standard altitude (and its topocentric place as the shown altitude), a planet
// from its elements for the exact instant.
SkyPositionFunction BodySkyPosition(std::size_t body, const Place& place) {
    const double longitude = place.longitudeWest;
    const double latitude = place.latitudeNorth;
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

} // namespace

void ClassicSkyModel::ComputeSky(RecomputeForm form, const SkyRequest& request,
                                 SkyState& sky) const {
    const double jd = request.instant.ut;
    const JulianCenturies centuries = CenturiesOf(jd);
    const SunElements sun = SunMeanElements(centuries.t2000);
    sky.m_bodies[kBodySun] = SunPosition(sun);
    const MoonPlace moon =
        MoonPosition(jd, centuries.t1900, sun, request.longitude, request.latitude);
    sky.m_bodies[kBodyMoon] = moon.topocentric;
    FillHorizonPoints(moon.siderealAngle, request.latitude, request.longitude,
                      HorizonRing(sky.m_horizon));
    // The planets depend on neither place nor zone: a new place leaves them where they are.
    if (form != RecomputeForm::LocationChanged) {
        for (int planet = 1; planet <= kPlanetCount; ++planet) {
            sky.m_bodies[static_cast<std::size_t>(planet) + 1] =
                PlanetPosition(planet, request.clock);
        }
    }
    sky.m_dGST = GreenwichSiderealAngle(jd);
    sky.m_dLST = sky.m_dGST - sky.m_dLongitude;
}

void ClassicSkyModel::CatalogueOfDate(const Instant&, CatalogStore& catalog) const {
    RestoreCatalogueEpoch(catalog);
}

double ClassicSkyModel::SiderealAngle(const Instant& instant) const {
    return GreenwichSiderealAngle(instant.ut);
}

SkyPositionFunction ClassicSkyModel::BodyPosition(std::size_t body, const Place& place) const {
    return BodySkyPosition(body, place);
}

SkyPositionFunction ClassicSkyModel::FixedPosition(double raHours, double decDegrees,
                                                   const Place& place) const {
    return FixedSkyPosition(raHours, decDegrees, place);
}
