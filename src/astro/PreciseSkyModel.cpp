#include "astro/PreciseSkyModel.h"

#include "astro/Angles.h"
#include "astro/CatalogueOfDate.h"
#include "astro/Ephemeris.h"
#include "astro/PreciseEphemeris.h"
#include "astro/PreciseTime.h"
#include "catalog/CatalogStore.h"

#include <algorithm>
#include <cmath>

namespace {

// A position of date turned by the apparent sidereal angle; a body's apparent geocentric place
// from the precise ephemeris (the Moon's parallax in its standard altitude, its topocentric
// place as the shown altitude).
SkyPositionFunction PreciseFixedSkyPosition(double raHours, double decDegrees, const Place& place) {
    const double longitude = place.longitudeWest;
    const double latitude = place.latitudeNorth;
    return [=](double jd) {
        return PlaceForSidereal(raHours, decDegrees, ApparentSiderealDegrees(PreciseInstantOf(jd)),
                                longitude, latitude, kStarStandardAltitude);
    };
}

SkyPositionFunction PreciseBodySkyPosition(std::size_t body, const Place& place) {
    const double longitude = place.longitudeWest;
    const double latitude = place.latitudeNorth;
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

} // namespace

void PreciseSkyModel::ComputeSky(RecomputeForm, const SkyRequest& request, SkyState& sky) const {
    // The Moon and the horizon are computed for the place the form has stored in `sky`.
    const PreciseInstant instant = PreciseInstantOf(request.instant.ut);
    const ApparentPlaceFrame frame = ApparentPlaceFrameOf(instant);
    sky.m_dGST = ApparentSiderealDegrees(instant, frame);
    sky.m_dLST = sky.m_dGST - sky.m_dLongitude;
    PreciseBodies(instant, frame, sky.m_dGST, sky.m_dLongitude, sky.m_dLatitude, sky.m_bodies);
    FillHorizonPoints(sky.m_dGST, sky.m_dLatitude, sky.m_dLongitude, HorizonRing(sky.m_horizon));
}

void PreciseSkyModel::CatalogueOfDate(const Instant& instant, CatalogStore& catalog) const {
    const PreciseInstant precise = PreciseInstantOf(instant.ut);
    const CatalogEpochCopy& epoch = catalog.m_epoch;
    if (epoch.carried && epoch.carriedTt1 == precise.tt1 && epoch.carriedTt2 == precise.tt2) {
        return; // the tables already hold this date
    }
    CarryCatalogueToDate(catalog, precise, ApparentPlaceFrameOf(precise));
}

double PreciseSkyModel::SiderealAngle(const Instant& instant) const {
    return ApparentSiderealDegrees(PreciseInstantOf(instant.ut));
}

SkyPositionFunction PreciseSkyModel::BodyPosition(std::size_t body, const Place& place) const {
    return PreciseBodySkyPosition(body, place);
}

SkyPositionFunction PreciseSkyModel::FixedPosition(double raHours, double decDegrees,
                                                   const Place& place) const {
    return PreciseFixedSkyPosition(raHours, decDegrees, place);
}
