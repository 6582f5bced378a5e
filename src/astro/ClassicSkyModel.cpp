#include "astro/ClassicSkyModel.h"

#include "astro/CatalogueOfDate.h"
#include "astro/Ephemeris.h"

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
