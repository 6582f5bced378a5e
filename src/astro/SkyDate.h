// The instant the chart shows, in the observer's clock time (the civil time of the observer's
// time zone). One instance for the whole program, held in AppSettings.
#pragma once

#include <cstdint>

struct SkyDate {
    std::int32_t year = 0;   // calendar year, e.g. 1998
    std::int32_t month = 0;  // 1..12
    std::int32_t day = 0;    // day of month
    std::int32_t hour = 0;   // 0..23
    std::int32_t minute = 0; // 0..59
    std::int32_t second = 0; // 0..59
    // Which of two equal clock times of a named zone's repeated autumn hour is meant: 0 the
    // first (still summer time), 1 the second. Ignored for every other clock time and for a
    // fixed offset (ClockTime.h).
    std::int32_t fold = 0;

    bool operator==(const SkyDate&) const = default;
};
