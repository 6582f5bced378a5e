// Rise, culmination and set of an object, searched numerically on a function that gives the
// object's place in the sky at any instant. The search knows nothing of the sky model: each model
// wraps its bodies and fixed positions in such a function (SkyModel::BodyPosition,
// SkyModel::FixedPosition).
//
// Events: the first rise after the start instant, then the first upper culmination (meridian
// transit) and the first set after that rise. An object that stays above its standard altitude
// for the whole search is circumpolar (then only its next culmination is given); one that stays
// below never rises (its next culmination, below the horizon, is still given).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

// Where an object stands at one instant, for one observer. Degrees.
struct ObjectSkyPosition {
    double altitude = 0.0;         // geometric (no refraction), of the centre
    double standardAltitude = 0.0; // the altitude of the centre at apparent rise and set
    double hourAngle = 0.0;        // local hour angle, degrees, any turn
    // The altitude the chart shows where it differs from `altitude`: the Moon's topocentric
    // (parallax included), geometric. The search runs on the geocentric altitude and its
    // standard altitude; the culmination's altitude is this one.
    std::optional<double> shownAltitude;
};

// The object's place at a Julian day in universal time.
using SkyPositionFunction = std::function<ObjectSkyPosition(double jdUt)>;

enum class RiseSetKind { Rises, Circumpolar, NeverRises };

struct RiseSetEvents {
    RiseSetKind kind = RiseSetKind::NeverRises;
    std::optional<double> rise;        // Julian day, universal time
    std::optional<double> culmination; // Julian day, universal time
    std::optional<double> set;         // Julian day, universal time
    double culminationAltitude = 0.0;  // degrees, geometric, as the chart shows it (the Moon's
                                       // topocentric), valid with `culmination`
};

// Searches from startJd (universal time) over the next 26 hours for the rise, and over the 26
// hours after the rise for its culmination and set; samples every 10 minutes, then halves each
// bracketing interval to below one second. An event closer than 10 minutes to another crossing
// of the same kind (an object grazing its standard altitude) can be missed.
RiseSetEvents FindRiseSet(const SkyPositionFunction& positionAt, double startJd);

// The first crossing of the object's standard altitude, upward or downward, in the `spanDays`
// after startJd (universal time), searched as FindRiseSet searches; none when there is none.
std::optional<double> FindCrossing(const SkyPositionFunction& positionAt, double startJd,
                                   double spanDays, bool upward);

// An object's positions sampled as the searches above sample them (every 10 minutes from the
// start instant), so that several crossings can be searched on one set of samples: the Sun's
// crossings of the horizon and of the three twilight altitudes, an object's rise and set.
struct PositionSamples {
    std::vector<double> t; // Julian days, universal time
    std::vector<ObjectSkyPosition> p;
};
PositionSamples SamplePositions(const SkyPositionFunction& positionAt, double startJd,
                                double spanDays);

// The first crossing in the samples, upward or downward, of `altitude` (degrees) or, without
// it, of the object's own standard altitude, refined on `positionAt` as FindCrossing refines:
// FindCrossing over the same span finds the same instant.
std::optional<double> FindCrossingIn(const SkyPositionFunction& positionAt,
                                     const PositionSamples& samples, bool upward,
                                     std::optional<double> altitude = std::nullopt);

// Standard altitudes, degrees: refraction at the horizon (34') for stars and planets; the Sun's
// upper limb (34' + 16'); the Moon's upper limb for its horizontal parallax (Meeus, Astronomical
// Algorithms, ch. 15: h0 = 0.7275 parallax - 34').
inline constexpr double kStarStandardAltitude = -34.0 / 60.0;
inline constexpr double kSunStandardAltitude = -50.0 / 60.0;
double MoonStandardAltitude(double horizontalParallaxDegrees);

// A fixed position (right ascension hours, declination degrees) seen from the place (longitude
// positive west, latitude positive north, degrees) when the Greenwich sidereal angle is
// `siderealDegrees`; the standard altitude is handed through. Each sky model builds its position
// functions on it (SkyModel::BodyPosition, SkyModel::FixedPosition).
ObjectSkyPosition PlaceForSidereal(double raHours, double decDegrees, double siderealDegrees,
                                   double longitude, double latitude, double standardAltitude);
