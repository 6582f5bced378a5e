// The planetary and lunar series the precise model evaluates, generated once by
// tools/make_vsop87.py (src/astro/SeriesData.cpp).
//
// VSOP87B (Bretagnon & Francou 1988): heliocentric ecliptic longitude, latitude (radians) and
// distance (AU) of Mercury .. Neptune referred to the dynamical ecliptic and equinox J2000, as
// sums of tau^alpha * A cos(B + C tau), tau in Julian millennia of TT from J2000.
//
// ELP/MPP02 with the constants fitted to DE405 (Chapront & Francou 2003): the Moon's geocentric
// longitude, latitude (arcseconds, the longitude added to the mean longitude W1) and distance
// (km) on the mean ecliptic of date, as sums of T^power * A sin(phi(T)), phi a quartic in T,
// T in Julian centuries of TT from J2000.
#pragma once

#include <array>
#include <cstddef>

struct VsopTerm {
    int alpha;
    double a, b, c;
};

struct VsopSeries {
    const VsopTerm* terms;
    std::size_t count;
};

// Longitude, latitude, distance.
struct VsopPlanet {
    std::array<VsopSeries, 3> lbr;
};

struct ElpTerm {
    int power;
    std::array<double, 6> coefficients; // amplitude, then the quartic phase t0 .. t4
};

struct ElpSeriesPart {
    const ElpTerm* terms;
    std::size_t count;
};

struct ElpSeries {
    std::array<double, 5> meanLongitude; // W1, radians, quartic in T
    std::array<ElpSeriesPart, 3> lbr;
};

// Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune.
extern const std::array<VsopPlanet, 7> kVsopPlanets;
extern const ElpSeries kElpMoon;
