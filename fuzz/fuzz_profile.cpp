// Fuzz target: arbitrary bytes as the settings profile. Whatever the text, the loaded settings
// are in range, and after one write the profile reads back to the same settings and writes out
// to the same text.
#include "settings/Profile.h"

#include <wx/init.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool Flag(std::int32_t v) {
    return v == 0 || v == 1;
}

void CheckRanges(const AppSettings& s) {
    Require(Flag(s.HorizonView) && Flag(s.Coordinations) && Flag(s.Boundaries) &&
            Flag(s.Constelations) && Flag(s.DeepSky) && Flag(s.StarNames) && Flag(s.DeepSkyNames) &&
            Flag(s.Ecliptic) && Flag(s.Horizon) && Flag(s.MilkyWay) && Flag(s.SolarSystem) &&
            Flag(s.SolSysLabels) && Flag(s.AutoMode) && Flag(s.ColoredStars) &&
            Flag(s.ColoredSky) && Flag(s.NightVision));
    Require(s.Level >= 0 && s.Level <= 11);
    Require(std::isfinite(s.TurnX) && std::fabs(s.TurnX) < 24.0);
    Require(std::isfinite(s.b) && std::fabs(s.b) < 15.0f);
    Require(s.TurnY >= -90 && s.TurnY <= 90);
    Require(s.StarLimit >= 0 && s.StarLimit <= kStarLimitCodeMax);
    Require(s.DeepSkyLimit >= 0 && s.DeepSkyLimit <= kDeepSkyLimitCodeMax);
    Require(std::isfinite(s.Observer.TimeZone) && std::fabs(s.Observer.TimeZone) <= 14.0f);
    Require(s.Observer.LongDeg >= 0 && s.Observer.LongDeg <= 180);
    Require(s.Observer.LatDeg >= -90 && s.Observer.LatDeg <= 90);
    Require(s.Observer.LongMin >= 0 && s.Observer.LongMin <= 59);
    Require(s.Observer.LatMin >= 0 && s.Observer.LatMin <= 59);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static wxInitializer wx; // wxBase for the string conversions
    const std::string text(reinterpret_cast<const char*>(data), size);

    AppSettings first;
    LoadSettingsFromText(first, text);
    CheckRanges(first);

    const std::string written = SettingsToText(first, text);
    AppSettings second;
    LoadSettingsFromText(second, written);
    CheckRanges(second);

    // The first pass may round numbers to their fixed decimals and drop what the config format
    // cannot hold (a key with a path separator in its name); from then on the text and the
    // settings must not change any more.
    const std::string again = SettingsToText(second, written);
    AppSettings third;
    LoadSettingsFromText(third, again);
    Require(third == second);
    Require(SettingsToText(third, again) == again);
    return 0;
}
