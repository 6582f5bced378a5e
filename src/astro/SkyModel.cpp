#include "astro/SkyModel.h"

SkyRequest SkyRequestOf(const SkyDate& clock, const Place& place) {
    return {InstantOf(clock, place.zone), clock, place.longitudeWest, place.latitudeNorth};
}
