#include "telescope/SlewSafety.h"

#include "astro/Angles.h"
#include "astro/PreciseEphemeris.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadPerDeg = kPi / 180.0;

// Degrees with one decimal, without padding.
std::string Degrees(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return std::string(text) + kDegreeSign;
}

} // namespace

SlewCheck CheckSlew(double raHours, double decDegrees, const Instant& instant, const Place& place) {
    const PreciseInstant precise = PreciseInstantOf(instant.ut);
    const ApparentPlaceFrame frame = ApparentPlaceFrameOf(precise);
    // Local apparent sidereal time: Greenwich's less the longitude west.
    const double localSidereal = ApparentSiderealDegrees(precise, frame) - place.longitudeWest;
    const double hourAngle = (localSidereal - raHours * 15.0) * kRadPerDeg;
    const double latitude = place.latitudeNorth * kRadPerDeg;
    const double dec = decDegrees * kRadPerDeg;
    const double sinAltitude = std::sin(latitude) * std::sin(dec) +
                               std::cos(latitude) * std::cos(dec) * std::cos(hourAngle);

    SlewCheck check;
    check.altitudeDegrees = std::asin(std::clamp(sinAltitude, -1.0, 1.0)) / kRadPerDeg;
    const SolarSystemBody sun = PreciseGeocentricBody(kBodySun, precise, frame);
    const Vector3 target = UnitVectorOf(raHours, decDegrees);
    const Vector3 sunDirection = UnitVectorOf(sun.ra, sun.dec);
    const double cosDistance =
        target[0] * sunDirection[0] + target[1] * sunDirection[1] + target[2] * sunDirection[2];
    check.sunDistanceDegrees = std::acos(std::clamp(cosDistance, -1.0, 1.0)) / kRadPerDeg;

    if (check.altitudeDegrees < 0.0) {
        check.verdict = SlewVerdict::BelowHorizon;
    } else if (check.sunDistanceDegrees < kMinSunDistanceDegrees) {
        check.verdict = SlewVerdict::NearSun;
    }
    return check;
}

std::string SlewWarningText(const SlewCheck& check) {
    switch (check.verdict) {
    case SlewVerdict::BelowHorizon:
        return "The target is " + Degrees(-check.altitudeDegrees) + " below the horizon.";
    case SlewVerdict::NearSun:
        return "The target is only " + Degrees(check.sunDistanceDegrees) + " from the Sun.";
    case SlewVerdict::Fine:
        break;
    }
    return {};
}
