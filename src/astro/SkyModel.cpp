#include "astro/SkyModel.h"

#include "astro/ObserverAngles.h"

SkyRequest SkyRequestOf(const SkyDate& clock, const Observer& observer) {
    return {InstantOf(clock, observer), clock, SignedLongitude(observer), SignedLatitude(observer)};
}
