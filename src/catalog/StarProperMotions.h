// The proper motions of the catalogue's stars (Yale Bright Star Catalogue, 5th revised edition,
// FK5 J2000), for the stars moving at least 0.1 arcsecond a year; the star file itself holds
// positions only. The precise sky model carries the stars to the chart's date with them.
#pragma once

#include <cstdint>
#include <optional>

struct StarProperMotion {
    std::int32_t hr = 0;
    std::int32_t raCosDec = 0; // milliarcseconds a year, along the parallel (dRA/dt x cos dec)
    std::int32_t dec = 0;      // milliarcseconds a year
};

// The proper motion of the star with this HR number, when it moves at least 0.1" a year.
std::optional<StarProperMotion> ProperMotionOfStar(std::int32_t hr);
