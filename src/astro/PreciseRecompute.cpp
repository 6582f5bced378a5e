#include "astro/PreciseRecompute.h"

#include <cmath>

#include "astro/Angles.h"
#include "astro/CatalogueOfDate.h"
#include "astro/Ephemeris.h"
#include "astro/ObserverAngles.h"
#include "astro/PreciseEphemeris.h"
#include "catalog/CatalogStore.h"

namespace {

PreciseInstant InstantOf(const SkyDate& skyDate, const Observer& observer) {
    Ephemeris ephemeris(skyDate, observer);
    return PreciseInstantOf(ephemeris.JulianDay());
}

} // namespace

double PreciseSiderealAngle(const SkyDate& skyDate, const Observer& observer) {
    return ApparentSiderealDegrees(InstantOf(skyDate, observer));
}

RecomputeOutcome PreciseRecomputeSky(RecomputeForm form, const SkyDate& skyDate,
                                     const Observer& observer, SkyState& sky,
                                     CatalogStore& catalog) {
    // The same animation range as the classic model (the Pluto series ends in 2099 too).
    const RecomputeOutcome outcome = RecomputePlaceAndRange(form, skyDate, observer, sky);
    const PreciseInstant instant = InstantOf(skyDate, observer);
    const ApparentPlaceFrame frame = ApparentPlaceFrameOf(instant);
    sky.m_dGST = ApparentSiderealDegrees(instant, frame);
    sky.m_dLST = sky.m_dGST - sky.m_dLongitude;
    PreciseBodies(instant, frame, sky.m_dGST, sky.m_dLongitude, sky.m_dLatitude, sky.m_bodies);
    FillHorizonPoints(
        sky.m_dGST, sky.m_dLatitude, sky.m_dLongitude,
        HorizonRing(catalog.m_outlinePoints.data() + kHorizonRingFirstEntry, kHorizonPointCount));
    CarryCatalogueToDate(catalog, instant, frame);
    return outcome;
}
