#include "astro/ObserverAngles.h"

double SignedLongitude(const Observer& observer) {
    const double magnitude = observer.LongDeg + observer.LongMin / 60.0;
    return observer.EW == "E" ? -magnitude : magnitude;
}

double SignedLatitude(const Observer& observer) {
    if (observer.NS == "N") {
        return observer.LatDeg + observer.LatMin / 60.0;
    }
    return -observer.LatDeg - observer.LatMin / 60.0;
}
