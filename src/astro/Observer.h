// Where the sky is seen from: the place as the user entered or picked it. One instance for the
// whole program, held in AppSettings; the fields carry the names of their profile keys.
#pragma once

#include <cstdint>
#include <string>

struct Observer {
    std::string Location;     // place name, shown to the user only
    std::int32_t LongDeg = 0; // whole degrees of longitude, not negative
    std::int32_t LongMin = 0; // minutes of longitude
    std::string EW;           // "E" or "W"
    std::int32_t LatDeg = 0;  // whole degrees of latitude, not negative
    std::int32_t LatMin = 0;  // minutes of latitude
    std::string NS;           // "N" or "S"
    float TimeZone = 0.0f;    // hours; universal time = clock time - TimeZone
    // A zone of the system's time-zone database ("Europe/Warsaw"): when set and known, the clock
    // time is read with that zone's offset in force (daylight saving included) instead of
    // TimeZone, which then holds the zone's standard offset. Empty: the fixed offset TimeZone.
    std::string TimeZoneName{};

    bool operator==(const Observer&) const = default;
};
