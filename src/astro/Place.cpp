#include "astro/Place.h"

#include "astro/ObserverAngles.h"

Place PlaceOf(const Observer& observer) {
    return {observer.Location, SignedLongitude(observer), SignedLatitude(observer),
            observer.NS == "S", ZoneOf(observer)};
}

ZoneRule ZoneOf(const Observer& observer) {
    return {observer.TimeZone, observer.TimeZoneName};
}
