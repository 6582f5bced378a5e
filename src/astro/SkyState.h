// The computed sky that the chart draws: the Sun, the Moon and the planets, and the observer and
// sidereal angles of the chart's instant. Filled by RecomputeSky (Recompute.h) through the sky
// model chosen (SkyModel.h); zero until the first recompute. The chart state derives from it.
#pragma once

#include <array>
#include <cstddef>

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

struct SkyState {
    BodyTable m_bodies{};
    double m_dGST = 0.0;       // Greenwich sidereal angle, degrees [0, 360)
    double m_dLST = 0.0;       // m_dGST - m_dLongitude, degrees, not wrapped
    double m_dLongitude = 0.0; // observer longitude, degrees, positive west
    double m_dLatitude = 0.0;  // observer latitude, degrees, positive north
    double m_dSinLat = 0.0;    // sine of m_dLatitude (through kDegToRad)
    double m_dCosLat = 0.0;    // cosine of m_dLatitude
};
