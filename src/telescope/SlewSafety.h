// Whether a slew may go ahead without asking: a mount sent below the horizon hits its pier or
// points into the ground, and one that passes near the Sun can burn the eye or the camera behind
// it. Computed with the precise model (apparent sidereal time, the Sun's apparent place).
#pragma once

#include "astro/Instant.h"
#include "astro/Place.h"

#include <string>

// Closest a slew may come to the Sun's centre without confirmation, degrees.
inline constexpr double kMinSunDistanceDegrees = 15.0;

enum class SlewVerdict { Fine, BelowHorizon, NearSun };

struct SlewCheck {
    SlewVerdict verdict = SlewVerdict::Fine;
    double altitudeDegrees = 0.0;    // geometric altitude of the target (no refraction)
    double sunDistanceDegrees = 0.0; // angle between the target and the Sun's centre
};

// Checks a target given as an apparent place of date (right ascension hours, declination
// degrees) at the instant for the place. Below the horizon (altitude < 0) is reported before
// near the Sun.
SlewCheck CheckSlew(double raHours, double decDegrees, const Instant& instant, const Place& place);

// One sentence saying why the slew needs confirmation ("The target is 12.3° below the
// horizon."), empty for a fine slew.
std::string SlewWarningText(const SlewCheck& check);
