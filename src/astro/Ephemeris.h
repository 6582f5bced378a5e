// The astronomy engine's working record for one instant and place: Julian day and centuries, the
// Sun from the low-precision solar theory, the Moon from a shortened lunar series (topocentric,
// with the horizon ring), and the planets from fixed osculating elements.
//
// An Ephemeris is built fresh for each recompute from the chart's SkyDate (the observer's clock
// time) and Observer, and lives only for that recompute. Call JulianDay first, then
// SunMeanElements, SunPosition and MoonPosition in this order (MoonPosition reads the Sun's mean
// elements and overwrites the obliquity the Sun has used); PlanetPosition depends on none of them.
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

// The horizon ring: point k is the horizon at southern azimuth 5k degrees (k = 0..72; 0 and 72
// are both the south point, 18 west, 36 north, 54 east).
inline constexpr std::size_t kHorizonPointCount = 73;
inline constexpr double kHorizonPointStep = 5.0; // degrees of southern azimuth between points
using HorizonRing = std::span<OutlinePoint, kHorizonPointCount>;

struct Ephemeris {
    // Copies the clock time and takes the observer's signed longitude, latitude and the offset
    // in force at that clock time (the fixed TimeZone, or the named zone's offset, ClockTime.h).
    Ephemeris(const SkyDate& skyDate, const Observer& observer);

    // Julian day in universal time of the clock time (universal time = clock time - zone); also
    // sets t1900 and t2000. The Gregorian calendar applies after 1582.79 (decimal year), the
    // Julian before. Shifts January and February of `date` to months 13 and 14 of the year before.
    double JulianDay();

    // Mean elements of the Sun and the lunar node, obliquity (with a four-term nutation) and the
    // Earth's orbital eccentricity, from t2000.
    void SunMeanElements();

    // The Sun's distance, right ascension and declination into bodies[kBodySun].
    void SunPosition(BodyTable& bodies);

    // The Moon's ecliptic position from the lunar series (t1900), parallax, distance and phase,
    // then its topocentric right ascension and declination for the observer into bodies[kBodyMoon].
    // Refills the horizon ring for the sidereal angle of jd.
    void MoonPosition(BodyTable& bodies, HorizonRing horizon);

    // Geocentric position of planet p (1 Mercury .. 8 Pluto) into bodies[p + 1]: ra (hours), dec,
    // aux = distance from the Sun (AU), distance from the Earth (AU). Uses only the calendar
    // year, month, day and whole hour of the clock time: minutes, seconds and the zone do not
    // enter.
    void PlanetPosition(int planet, BodyTable& bodies) const;

    // The day count the planets are computed for: DayNumber of the calendar year, month, day and
    // whole hour of the clock time.
    double PlanetDayNumber() const;

    // The clock time as constructed. JulianDay turns January and February of `date` into months 13
    // and 14 of the year before; `calendarDate` keeps the user's calendar fields untouched and is
    // what the planets read.
    SkyDate date;
    SkyDate calendarDate;

    double longitude = 0.0; // observer, degrees, positive west
    double latitude = 0.0;  // observer, degrees, positive north
    float timeZone = 0.0f;  // hours, universal time = clock time - timeZone

    double jd = 0.0;    // Julian day, universal time
    double t1900 = 0.0; // Julian centuries from 1900 January 0.5
    double t2000 = 0.0; // Julian centuries from 2000 January 1.5

    double sunMeanLongitude = 0.0;  // L0, [0, 360)
    double sunMeanAnomaly = 0.0;    // M, [0, 360)
    double equationOfCentre = 0.0;  // Q
    double sunTrueLongitude = 0.0;  // L0 + Q
    double sunTrueAnomaly = 0.0;    // M + Q
    double moonMeanLongitude = 0.0; // L' from 2000, [0, 360); only for the nutation term
    double moonNode = 0.0;          // longitude of the Moon's ascending node (may be negative)
    double meanObliquity = 0.0;     // the Sun's, then the Moon's after MoonPosition
    double obliquity = 0.0;         // mean obliquity plus nutation; likewise
    double eccentricity = 0.0;      // of the Earth's orbit
    double sunDistance = 0.0;       // AU
    double moonParallax = 0.0;      // equatorial horizontal parallax, degrees
    double moonDistance = 0.0;      // km, from the Earth's centre
    double moonGeocentricRa = 0.0;  // degrees [0, 360), before the observer's parallax
    double moonGeocentricDec = 0.0; // degrees, before the observer's parallax
    double moonIllumination = 0.0;  // illuminated fraction 0..1
};

// Day count for the planets: in 32-bit integer arithmetic with truncating division,
// 367y - 7(y + (m + 9)/12)/4 + 275m/9 + day, then in double minus 730531.5 plus hours/24.
// 0 at 2000 January 1 12:00. It has no century leap-year rule: from 1900 March 1 to 2100
// February 28 it equals jd - 2451545, outside it is off by whole days.
double DayNumber(std::int32_t year, std::int32_t month, std::int32_t day, double hours);

// Greenwich sidereal angle of a Julian day (universal time), degrees [0, 360).
double GreenwichSiderealAngle(double jd);

// Local hour angle of a right ascension (hours) at the clock time and place given, degrees
// [0, 360). Computes the Julian day afresh from `skyDate` and `observer`.
double HourAngle(const SkyDate& skyDate, const Observer& observer, double raHours);

// Writes the horizon ring for the sidereal angle theta0 (degrees) and the observer's signed
// latitude and longitude: point k gets the right ascension (hours) and declination of the horizon
// at southern azimuth 5k, as single-precision floats.
void FillHorizonPoints(double theta0, double latitude, double longitude, HorizonRing horizon);

// True anomaly in degrees [0, 360) for mean anomaly M (degrees) and eccentricity e (0 <= e < 1),
// Newton steps on Kepler's equation until a step is below 10^-digits degrees.
double SolveKepler(double meanAnomaly, double eccentricity, int digits);

// Geocentric position of planet p (1 Mercury .. 8 Pluto) for a day count of DayNumber: ra
// (hours [0, 24)), dec, aux = distance from the Sun, distance from the Earth (AU). Zero for an
// index outside 1..8.
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
