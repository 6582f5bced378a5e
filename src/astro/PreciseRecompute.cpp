#include "astro/PreciseRecompute.h"

#include <cmath>

#include "astro/Angles.h"
#include "astro/CatalogueOfDate.h"
#include "astro/Ephemeris.h"
#include "astro/ObserverAngles.h"
#include "astro/PreciseEphemeris.h"
#include "catalog/CatalogStore.h"

namespace {

// The animation runs within the years the classic model's day count is exact; the precise model
// keeps the same range (its Pluto series ends in 2099 too).
constexpr int kAnimationFirstYear = 1901;
constexpr int kAnimationLastYear = 2099;

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
    RecomputeOutcome outcome;
    if (form == RecomputeForm::AnimationStep) {
        outcome.stopAnimation =
            skyDate.year > kAnimationLastYear || skyDate.year < kAnimationFirstYear;
    }
    if (form == RecomputeForm::FirstUpdate || form == RecomputeForm::LocationChanged) {
        sky.m_dLongitude = SignedLongitude(observer);
        sky.m_dLatitude = SignedLatitude(observer);
        sky.m_dSinLat = std::sin(DegToRad(sky.m_dLatitude));
        sky.m_dCosLat = std::cos(DegToRad(sky.m_dLatitude));
    }
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
