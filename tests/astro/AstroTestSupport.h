// Small helpers shared by the engine tests.
#pragma once

#include <cmath>
#include <string>

#include "astro/Observer.h"

// Difference of two angles in degrees, wrapped into [-180, 180), so 359.9 and 0.1 are 0.2 apart.
inline double AngleDifference(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d >= 180.0) {
        d -= 360.0;
    }
    if (d < -180.0) {
        d += 360.0;
    }
    return d;
}

// An observer at the given place and zone, with the letters as the profile stores them.
inline Observer MakeObserver(int longDeg, int longMin, const std::string& ew, int latDeg,
                             int latMin, const std::string& ns, float zone) {
    Observer observer;
    observer.Location = "Test";
    observer.LongDeg = longDeg;
    observer.LongMin = longMin;
    observer.EW = ew;
    observer.LatDeg = latDeg;
    observer.LatMin = latMin;
    observer.NS = ns;
    observer.TimeZone = zone;
    return observer;
}

// Greenwich, zone 0: clock time is universal time.
inline Observer GreenwichObserver() {
    return MakeObserver(0, 0, "W", 51, 29, "N", 0.0f);
}
