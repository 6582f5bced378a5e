// Folder skylight/: how bright and what colour things in the sky look to the eye, for the
// natural style of the chart. Pure arithmetic, no drawing.
//
// Colours here are linear light, each channel 0..1 (1 the full brightness of the screen).
#pragma once

#include <optional>

struct Light {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

// Light a star gives relative to one of magnitude 0: 10^(-0.4 m).
double FluxOfMagnitude(double magnitude);

// A star's effective temperature (kelvin) from its B-V (Ballesteros 2012, EPL 97, 34008:
// T = 4600 (1 / (0.92 BV + 1.7) + 1 / (0.92 BV + 0.62))), for B-V from -0.4 to 2.0 (clamped).
double TemperatureOfColourIndex(double bv);

// The colour a star of this B-V shows on the chart: the blackbody colour of its temperature,
// brightest channel 1, kept gentle (mixed a third of the way toward white) so that white stars
// stay white and red giants turn orange. No B-V: white.
Light StarColour(std::optional<double> bv);

// The air mass toward an altitude (degrees), Kasten & Young (1989): 1 at the zenith, about 38
// at the horizon; below the horizon it stays at the horizon's.
double Airmass(double altitudeDeg);

// How much fainter a star looks at this altitude than at the zenith, magnitudes: 0.2 magnitude
// per air mass beyond the zenith's one.
double ExtinctionMagnitudes(double altitudeDeg);

// The sky as the Sun's altitude (degrees) leaves it: daylight, then civil (Sun down to -6),
// nautical (-12) and astronomical (-18) twilight, then night. Between those marks every value
// changes smoothly.
struct SkyLook {
    Light zenith;  // the sky overhead (the whole background of the equatorial chart)
    Light horizon; // the sky along the horizon, away from the Sun
    Light sunward; // the horizon below the Sun in twilight (equal to `horizon` otherwise)
    Light ground;  // the ground of the local-horizon chart
    // The faintest magnitude that shows against this sky (+99 at night: the catalogue's limit
    // decides alone).
    double faintest = 99.0;
};
SkyLook SkyLookForSun(double sunAltitudeDeg);

// The sky's light in the direction of `altitudeDeg` whose azimuth lies an angle from the Sun's
// whose cosine is `cosFromSun`: brighter toward the horizon and, in twilight, toward the Sun.
Light SkyLightAt(const SkyLook& look, double altitudeDeg, double cosFromSun);
