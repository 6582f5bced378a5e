#include "astro/Recompute.h"

#include <cmath>

#include "astro/Angles.h"
#include "astro/CatalogueOfDate.h"
#include "astro/Ephemeris.h"
#include "astro/ObserverAngles.h"
#include "astro/PreciseRecompute.h"
#include "catalog/CatalogStore.h"

static_assert(kHorizonRingFirstEntry == kHorizonFirst && kHorizonCount == kHorizonPointCount,
              "the horizon ring must match its place in the outline table");

RecomputeOutcome RecomputeSky(RecomputeForm form, const SkyDate& skyDate, const Observer& observer,
                              SkyState& sky, CatalogStore& catalog) {
    if (sky.m_bPrecise != 0) {
        return PreciseRecomputeSky(form, skyDate, observer, sky, catalog);
    }
    // Back from the precise model: the catalogue's own positions again.
    RestoreCatalogueEpoch(catalog);
    Ephemeris ephemeris(skyDate, observer);
    const double jd = ephemeris.JulianDay();
    ephemeris.SunMeanElements();
    ephemeris.SunPosition(sky.m_bodies);
    ephemeris.MoonPosition(
        sky.m_bodies,
        HorizonRing(catalog.m_outlinePoints.data() + kHorizonRingFirstEntry, kHorizonPointCount));
    // The planets depend on neither place nor zone: a new place leaves them where they are.
    if (form != RecomputeForm::LocationChanged) {
        for (int planet = 1; planet <= kPlanetCount; ++planet) {
            ephemeris.PlanetPosition(planet, sky.m_bodies);
        }
    }
    const RecomputeOutcome outcome = RecomputePlaceAndRange(form, skyDate, observer, sky);
    sky.m_dGST = GreenwichSiderealAngle(jd);
    sky.m_dLST = sky.m_dGST - sky.m_dLongitude;
    return outcome;
}
