#include "skylight/SkyLight.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kExtinctionPerAirmass = 0.2; // magnitudes
// How far a star's colour moves toward white: the blackbody colours alone are too strong for
// the eye's impression of a star.
constexpr double kWhiteShare = 1.0 / 3.0;

Light Mix(const Light& a, const Light& b, double t) {
    return Light{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

constexpr Light FromBytes(int r, int g, int b) {
    return Light{r / 255.0, g / 255.0, b / 255.0};
}

// The sky's marks, darkest first: at each Sun altitude the colours and the faintest magnitude.
struct SkyMark {
    double sunAltitude;
    Light zenith;
    Light horizon;
    Light sunward;
    Light ground;
    double faintest;
};

constexpr double kNightFaintest = 99.0;

const std::array<SkyMark, 7> kSkyMarks = {{
    {-18.0, FromBytes(1, 2, 6), FromBytes(4, 5, 10), FromBytes(4, 5, 10), FromBytes(8, 8, 7),
     kNightFaintest},
    {-12.0, FromBytes(3, 6, 18), FromBytes(9, 12, 28), FromBytes(20, 16, 30), FromBytes(10, 10, 9),
     4.5},
    {-6.0, FromBytes(10, 24, 64), FromBytes(48, 56, 92), FromBytes(150, 80, 56),
     FromBytes(18, 18, 16), 2.0},
    {-3.0, FromBytes(22, 50, 112), FromBytes(110, 110, 135), FromBytes(230, 135, 80),
     FromBytes(30, 30, 25), 0.5},
    {0.0, FromBytes(40, 88, 170), FromBytes(175, 165, 165), FromBytes(250, 175, 110),
     FromBytes(48, 52, 38), -2.0},
    {6.0, FromBytes(52, 110, 200), FromBytes(160, 190, 225), FromBytes(220, 205, 190),
     FromBytes(66, 76, 50), -3.5},
    {20.0, FromBytes(48, 112, 210), FromBytes(150, 188, 230), FromBytes(150, 188, 230),
     FromBytes(76, 90, 58), -3.5},
}};

} // namespace

double FluxOfMagnitude(double magnitude) {
    return std::pow(10.0, -0.4 * magnitude);
}

double TemperatureOfColourIndex(double bv) {
    bv = std::clamp(bv, -0.4, 2.0);
    return 4600.0 * (1.0 / (0.92 * bv + 1.7) + 1.0 / (0.92 * bv + 0.62));
}

Light StarColour(std::optional<double> bv) {
    if (!bv) {
        return Light{1.0, 1.0, 1.0};
    }
    // The blackbody colour of a temperature in sRGB, by Tanner Helland's fit to Mitchell
    // Charity's blackbody table (1000 K to 40000 K).
    const double t = std::clamp(TemperatureOfColourIndex(*bv), 1000.0, 40000.0) / 100.0;
    double r = 255.0;
    double g = 0.0;
    double b = 255.0;
    if (t > 66.0) {
        r = 329.698727446 * std::pow(t - 60.0, -0.1332047592);
        g = 288.1221695283 * std::pow(t - 60.0, -0.0755148492);
    } else {
        g = 99.4708025861 * std::log(t) - 161.1195681661;
        b = t <= 19.0 ? 0.0 : 138.5177312231 * std::log(t - 10.0) - 305.0447927307;
    }
    Light c{std::clamp(r, 0.0, 255.0), std::clamp(g, 0.0, 255.0), std::clamp(b, 0.0, 255.0)};
    const double top = std::max({c.r, c.g, c.b});
    c = Light{c.r / top, c.g / top, c.b / top};
    return Mix(c, Light{1.0, 1.0, 1.0}, kWhiteShare);
}

double Airmass(double altitudeDeg) {
    const double h = std::max(altitudeDeg, 0.0);
    return 1.0 / (std::sin(h * kPi / 180.0) + 0.50572 * std::pow(h + 6.07995, -1.6364));
}

double ExtinctionMagnitudes(double altitudeDeg) {
    return kExtinctionPerAirmass * (Airmass(altitudeDeg) - 1.0);
}

SkyLook SkyLookForSun(double sunAltitudeDeg) {
    const SkyMark* lower = &kSkyMarks.front();
    const SkyMark* upper = lower;
    double t = 0.0;
    if (sunAltitudeDeg >= kSkyMarks.back().sunAltitude) {
        lower = upper = &kSkyMarks.back();
    } else if (sunAltitudeDeg > kSkyMarks.front().sunAltitude) {
        for (std::size_t i = 1; i < kSkyMarks.size(); ++i) {
            if (sunAltitudeDeg <= kSkyMarks[i].sunAltitude) {
                lower = &kSkyMarks[i - 1];
                upper = &kSkyMarks[i];
                t = (sunAltitudeDeg - lower->sunAltitude) /
                    (upper->sunAltitude - lower->sunAltitude);
                break;
            }
        }
    }
    SkyLook look;
    look.zenith = Mix(lower->zenith, upper->zenith, t);
    look.horizon = Mix(lower->horizon, upper->horizon, t);
    look.sunward = Mix(lower->sunward, upper->sunward, t);
    look.ground = Mix(lower->ground, upper->ground, t);
    if (lower->faintest >= kNightFaintest) {
        // From night into astronomical twilight the limit comes down from the catalogue's.
        look.faintest = t > 0.0 ? upper->faintest + (1.0 - t) * 4.0 : kNightFaintest;
    } else {
        look.faintest = lower->faintest + (upper->faintest - lower->faintest) * t;
    }
    return look;
}

Light SkyLightAt(const SkyLook& look, double altitudeDeg, double cosFromSun) {
    const double h = std::clamp(altitudeDeg, 0.0, 90.0);
    // Overhead to horizon: most of the change in the lowest 20 degrees.
    const double towardHorizon = std::exp(-h / 14.0);
    const double c = cosFromSun;
    const double sunward = c > 0.0 ? c * c * std::exp(-h / 10.0) : 0.0;
    const Light horizon = Mix(look.horizon, look.sunward, sunward);
    return Mix(look.zenith, horizon, towardHorizon);
}
