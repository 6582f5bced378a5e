// The classic sky model's astronomy: the Sun from the low-precision solar theory, the Moon from a
// shortened lunar series (topocentric), and the planets from fixed osculating elements. Each step
// is a function of what it needs and returns what it computes; the Sun and the Moon each use
// their own obliquity.
//
// Angles are degrees unless a name says otherwise; sines and cosines of degrees go through
// kDegToRad (Angles.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "astro/Observer.h"
#include "astro/SkyDate.h"
#include "astro/SkyState.h"
#include "catalog/Records.h"

// Julian centuries of a Julian day (universal time) from the series' two epochs.
struct JulianCenturies {
    double t1900 = 0.0; // from 1900 January 0.5
    double t2000 = 0.0; // from 2000 January 1.5
};
JulianCenturies CenturiesOf(double jd);

// Mean elements of the Sun and the lunar node, the Sun's obliquity (with a four-term nutation)
// and the Earth's orbital eccentricity.
struct SunElements {
    double meanLongitude = 0.0;     // L0, [0, 360)
    double meanAnomaly = 0.0;       // M, [0, 360)
    double equationOfCentre = 0.0;  // Q
    double trueLongitude = 0.0;     // L0 + Q
    double trueAnomaly = 0.0;       // M + Q
    double moonMeanLongitude = 0.0; // L' from 2000, [0, 360); only for the nutation term
    double moonNode = 0.0;          // longitude of the Moon's ascending node (may be negative)
    double meanObliquity = 0.0;
    double obliquity = 0.0; // mean obliquity plus nutation
    double eccentricity = 0.0;
};
SunElements SunMeanElements(double t2000);

// The Sun's right ascension, declination and distance (earthDistanceAu).
SolarSystemBody SunPosition(const SunElements& sun);

// The Moon from the lunar series (t1900) with the Sun's mean anomaly, mean longitude and the
// lunar node of `sun`, and the observer's signed longitude (positive west) and latitude.
struct MoonPlace {
    SolarSystemBody topocentric; // ra, dec for the observer, distance and phase cosine
    double geocentricRa = 0.0;   // degrees [0, 360), before the observer's parallax
    double geocentricDec = 0.0;  // degrees, before the observer's parallax
    double parallax = 0.0;       // equatorial horizontal parallax, degrees
    double distanceKm = 0.0;     // from the Earth's centre
    double illumination = 0.0;   // illuminated fraction 0..1
    double meanObliquity = 0.0;  // the Moon's own, from 1900
    double obliquity = 0.0;      // the Moon's own mean obliquity plus nutation
    double siderealAngle = 0.0;  // Greenwich sidereal angle of jd, what the horizon ring needs
};
MoonPlace MoonPosition(double jd, double t1900, const SunElements& sun, double longitude,
                       double latitude);

// The day count the planets are computed for: DayNumber of the calendar year, month, day and
// whole hour of the clock time. Minutes, seconds and the zone do not enter.
double PlanetDayNumber(const SkyDate& clock);

// Geocentric position of planet p (1 Mercury .. 8 Pluto) for the clock time `clock`
// (PlanetDayNumber); zero for an index outside 1..8.
SolarSystemBody PlanetPosition(int planet, const SkyDate& clock);

// Day count for the planets: in 32-bit integer arithmetic with truncating division,
// 367y - 7(y + (m + 9)/12)/4 + 275m/9 + day, then in double minus 730531.5 plus hours/24.
// 0 at 2000 January 1 12:00. It has no century leap-year rule: from 1900 March 1 to 2100
// February 28 it equals jd - 2451545, outside it is off by whole days.
double DayNumber(std::int32_t year, std::int32_t month, std::int32_t day, double hours);

// Greenwich sidereal angle of a Julian day (universal time), degrees [0, 360).
double GreenwichSiderealAngle(double jd);

// Local hour angle of a right ascension (hours) for a Greenwich sidereal angle (degrees) and the
// observer's signed longitude (degrees, positive west), degrees [0, 360).
double HourAngle(double siderealDegrees, double longitude, double raHours);

// Writes the horizon ring for the sidereal angle theta0 (degrees) and the observer's signed
// latitude and longitude: point k gets the right ascension (hours) and declination of the horizon
// at southern azimuth 5k, as single-precision floats.
void FillHorizonPoints(double theta0, double latitude, double longitude, HorizonRing horizon);

// True anomaly in degrees [0, 360) for mean anomaly M (degrees) and eccentricity e (0 <= e < 1),
// Newton steps on Kepler's equation until a step is below 10^-digits degrees.
double SolveKepler(double meanAnomaly, double eccentricity, int digits);

// Geocentric position of planet p (1 Mercury .. 8 Pluto) for a day count of DayNumber: ra
// (hours [0, 24)), dec, distances from the Earth and from the Sun (AU). Zero for an index
// outside 1..8.
SolarSystemBody PlanetPositionForDayNumber(int planet, double dayNumber);

// Osculating elements, all at the epoch Julian day 2450680.5.
struct PlanetElementSet {
    double inclination;   // i, degrees
    double node;          // longitude of the ascending node, degrees
    double perihelion;    // longitude of perihelion, degrees
    double semiMajorAxis; // a, AU
    double dailyMotion;   // n, degrees per day
    double eccentricity;  // e
    double meanLongitude; // L at the epoch, degrees
};
// Row 0 the Earth, rows 1..8 Mercury .. Pluto.
extern const std::array<PlanetElementSet, 9> kPlanetElements;
inline constexpr double kPlanetElementEpoch = 2450680.5; // Julian day
inline constexpr int kPlanetCount = 8;

// What the information panel shows of a planet, from its distances.
struct PlanetAppearanceResult {
    double cosPhaseAngle = 0.0;       // (r^2 + delta^2 - R^2) / (2 r delta)
    double phaseAngle = 0.0;          // degrees
    double illuminatedFraction = 0.0; // (1 + cos i) / 2
    double magnitude = 0.0;
    double angularDiameter = 0.0; // arcseconds
};

// Planet p (1 Mercury .. 8 Pluto) at distance r from the Sun and delta from the Earth (AU), with
// the Earth-Sun distance R (AU).
PlanetAppearanceResult PlanetAppearance(int planet, double r, double delta, double sunDistance);
