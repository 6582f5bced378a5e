#include "astro/RecomputeStart.h"

#include "astro/Angles.h"

#include <cmath>

namespace {

// The animation runs only while the day count is exact (no century leap-year rule outside).
constexpr int kAnimationFirstYear = 1901;
constexpr int kAnimationLastYear = 2099;

} // namespace

RecomputeOutcome RecomputePlaceAndRange(RecomputeForm form, const SkyDate& skyDate,
                                        const Place& place, SkyState& sky) {
    RecomputeOutcome outcome;
    if (form == RecomputeForm::AnimationStep) {
        outcome.stopAnimation =
            skyDate.year > kAnimationLastYear || skyDate.year < kAnimationFirstYear;
    }
    if (form == RecomputeForm::FirstUpdate || form == RecomputeForm::LocationChanged) {
        sky.m_dLongitude = place.longitudeWest;
        sky.m_dLatitude = place.latitudeNorth;
        sky.m_dSinLat = std::sin(DegToRad(sky.m_dLatitude));
        sky.m_dCosLat = std::cos(DegToRad(sky.m_dLatitude));
    }
    return outcome;
}
