// The precise sky model's Sun, Moon and planets: apparent geocentric places referred to the true
// equator and equinox of date, with light time and annual aberration, the Moon topocentric.
//
// Sources: ERFA (the IAU SOFA routines): eraEpv00 for the Earth, eraPnm06a (IAU 2006/2000A
// bias-precession-nutation), eraLd (the Sun's light deflection), eraAb (aberration), eraGst06a
// (apparent sidereal time), eraGd2gc (the observer on the WGS84 ellipsoid). Mercury .. Neptune
// from VSOP87B, the Moon from ELP/MPP02 (DE405 constants), both cut to 0.1" (SeriesData.h).
// Pluto: the periodic terms of Goffin, Meeus and Steyaert (J. Meeus, Astronomical Algorithms,
// 2nd ed., 1998, chapter 37; valid 1885..2099) as libnova implements them.
//
// Accuracy against JPL DE431 over 1900..2100: Sun and Mercury .. Saturn within 1", Uranus and
// Neptune within about 2" (VSOP87's own), the Moon within 0.1" for a given TT; Pluto about 1"
// over 1885..2099 against DE200 (Meeus).
//
// Angles: right ascension in hours [0, 24), declination in degrees. Distances in AU except the
// Moon's (km).
#pragma once

#include <array>

#include "astro/PreciseTime.h"
#include "astro/SkyState.h"

using Vector3 = std::array<double, 3>;
using Matrix3 = std::array<Vector3, 3>;

// What turns a direction of the catalogue's frame (the J2000 mean equator and equinox, taken as
// the ICRS) into the apparent direction of date for a geocentric observer.
struct ApparentPlaceFrame {
    Matrix3 rbpn{};           // bias-precession-nutation, GCRS to true equator and equinox of date
    Vector3 earthVelocity{};  // the Earth's barycentric velocity in units of c
    double sunDistance = 1.0; // Sun-Earth distance, AU
    double bm1 = 1.0;         // sqrt(1 - |v|^2), the reciprocal Lorentz factor
    Vector3 earthHelio{};     // the Earth's heliocentric position, AU, ICRS axes
};

ApparentPlaceFrame ApparentPlaceFrameOf(const PreciseInstant& instant);

// The apparent direction of date (unit vector, true equator and equinox) of a star at unit
// vector `p` of the catalogue's frame: annual aberration, then precession-nutation. The Sun's
// light deflection (below 0.01" farther than 45 degrees from the Sun) is left out.
Vector3 ApparentDirection(const ApparentPlaceFrame& frame, const Vector3& p);

// Unit vector of (ra hours, dec degrees) and back (ra [0, 24)).
Vector3 UnitVectorOf(double raHours, double decDegrees);
void RaDecOf(const Vector3& v, double& raHours, double& decDegrees);

// Greenwich apparent sidereal time, degrees [0, 360).
double ApparentSiderealDegrees(const PreciseInstant& instant);
// The same with the instant's frame already computed (ApparentPlaceFrameOf).
double ApparentSiderealDegrees(const PreciseInstant& instant, const ApparentPlaceFrame& frame);

// Apparent geocentric place of body `index` (kBodySun .. kBodyPluto, not the Moon) filled as the
// sky state holds it: ra, dec, distance from the Sun (planets) and from the Earth (light-time
// corrected), AU.
SolarSystemBody PreciseGeocentricBody(std::size_t index, const PreciseInstant& instant,
                                      const ApparentPlaceFrame& frame);

// The Moon's apparent geocentric place (ra, dec, cosine of the phase angle, distance from the
// Earth's centre in km).
SolarSystemBody PreciseGeocentricMoon(const PreciseInstant& instant,
                                      const ApparentPlaceFrame& frame);

// The Moon seen from the observer (longitude degrees positive west, latitude degrees north, on
// the WGS84 ellipsoid at sea level), for the apparent sidereal angle gastDegrees; distance and
// phase stay geocentric.
SolarSystemBody PreciseTopocentricMoon(const PreciseInstant& instant,
                                       const ApparentPlaceFrame& frame, double gastDegrees,
                                       double longitudeWest, double latitude);

// Every body of the table for the observer: what the precise recompute stores.
void PreciseBodies(const PreciseInstant& instant, const ApparentPlaceFrame& frame,
                   double gastDegrees, double longitudeWest, double latitude, BodyTable& bodies);
