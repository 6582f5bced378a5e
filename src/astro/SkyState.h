// The computed sky that the chart draws: the Sun, the Moon and the planets, the observer and
// sidereal angles of the chart's instant, and the horizon ring. Filled by RecomputeSky
// (Recompute.h) through the sky model chosen (SkyModel.h); zero until the first recompute. The
// sky session (SkySession.h) owns it; the chart's frames read it.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "catalog/Records.h"

// Indices of m_bodies (and of every table indexed like it), in this fixed order.
enum BodyIndex : std::size_t {
    kBodyMoon = 0,
    kBodySun = 1,
    kBodyMercury = 2,
    kBodyVenus = 3,
    kBodyMars = 4,
    kBodyJupiter = 5,
    kBodySaturn = 6,
    kBodyUranus = 7,
    kBodyNeptune = 8,
    kBodyPluto = 9,
};
inline constexpr std::size_t kBodyCount = 10;

// The names of the bodies in index order, as the program shows them.
inline constexpr std::array<const char*, kBodyCount> kBodyNames = {
    "Moon", "Sun", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};

// One computed body. The Moon: topocentric ra (may lie slightly outside [0, 24)) and dec; the Sun
// and the planets: ra [0, 24) and dec. A field that does not apply to the body stays 0. Each
// distance is kept in the unit its model computes it in, so that every text made from it is
// exact: the Moon's in km, the others' in AU.
struct SolarSystemBody {
    double ra = 0.0;              // hours
    double dec = 0.0;             // degrees
    double earthDistanceAu = 0.0; // the Sun and the planets: distance from the Earth
    double earthDistanceKm = 0.0; // the Moon: distance from the Earth's centre
    double sunDistanceAu = 0.0;   // the planets: distance from the Sun
    double cosPhaseAngle = 0.0;   // the Moon: cosine of its phase angle (Sun - Moon - Earth)
};

using BodyTable = std::array<SolarSystemBody, kBodyCount>;

// The horizon ring: point k is the horizon at southern azimuth 5k degrees (k = 0..72; 0 and 72
// are both the south point, 18 west, 36 north, 54 east).
inline constexpr std::size_t kHorizonPointCount = 73;
inline constexpr double kHorizonPointStep = 5.0; // degrees of southern azimuth between points
using HorizonPoints = std::array<OutlinePoint, kHorizonPointCount>;
using HorizonRing = std::span<OutlinePoint, kHorizonPointCount>;

struct SkyState {
    BodyTable m_bodies{};
    double m_dGST = 0.0;       // Greenwich sidereal angle, degrees [0, 360)
    double m_dLST = 0.0;       // m_dGST - m_dLongitude, degrees, not wrapped
    double m_dLongitude = 0.0; // observer longitude, degrees, positive west
    double m_dLatitude = 0.0;  // observer latitude, degrees, positive north
    double m_dSinLat = 0.0;    // sine of m_dLatitude (through kDegToRad)
    double m_dCosLat = 0.0;    // cosine of m_dLatitude
    // Right ascension (hours) and declination of the horizon ring's points, single precision.
    // At the pole views of level 0 the screen frame replaces it by the circle of altitude +-2
    // (ShowPoleHorizon, Frame.h) until the next recompute.
    HorizonPoints m_horizon{};
};
