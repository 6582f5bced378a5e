// Where the sky is computed for: the place as signed angles and the rule that turns its clock
// time into universal time. The profile's form of the place (whole degrees, minutes and the
// letters E/W, N/S, Observer.h) stays with the settings and the location form; everything that
// computes for a place takes a Place, made once with PlaceOf.
#pragma once

#include <string>

#include "astro/Observer.h"

// How the place's clock time is read (ClockTime.h).
struct ZoneRule {
    float fixedHours = 0.0f; // hours east of Greenwich; universal time = clock time - fixedHours
    // A zone of the system's time-zone database ("Europe/Warsaw"): when set and known, the clock
    // time is read with that zone's offset in force (daylight saving included) instead of
    // fixedHours, which then holds the zone's standard offset. Empty: the fixed offset.
    std::string name{};

    bool operator==(const ZoneRule&) const = default;
};

struct Place {
    std::string name;           // shown to the user only
    double longitudeWest = 0.0; // degrees, positive to the west
    double latitudeNorth = 0.0; // degrees, positive to the north
    // The hemisphere letter is exactly "S": the chart is turned for a southern observer, even at
    // latitude 0.
    bool southern = false;
    ZoneRule zone;

    bool operator==(const Place&) const = default;
};

// The profile's place as signed angles (ObserverAngles.h) with its zone.
Place PlaceOf(const Observer& observer);

// Only the zone of the profile's place.
ZoneRule ZoneOf(const Observer& observer);
