// The program's settings record: what the profile nocta.ini holds, plus the instant shown and
// the program directory. One instance lives for the whole run. A default-constructed record is
// all zero and empty (the state before the profile is read); LoadSettings fills in the profile's
// values or their defaults.
#pragma once

#include "astro/Observer.h"
#include "astro/SkyDate.h"
#include "astro/SkyModel.h"
#include "settings/LayerSwitchList.h"

#include <cstdint>
#include <string>

struct AppSettings {
    std::int32_t HorizonView = 0; // 0 equatorial chart, 1 local-horizon chart
    std::int32_t Level = 0;       // zoom level 0..11
    float b = 0.0f;               // degrees of the right-ascension turn past the last whole hour
    double TurnX = 0.0;           // right-ascension turn of the chart, hours
    std::int32_t TurnY = 0;       // declination of the chart centre, whole degrees

    // Layer switches, 0 or 1: Coordinations, Boundaries, Constelations, DeepSky, StarNames,
    // DeepSkyNames, Ecliptic, Horizon, MilkyWay, SolarSystem, SolSysLabels (LayerSwitchList.h).
#define VN_SETTINGS_SWITCH_FIELD(name, setting, chart, command, fallback) std::int32_t setting = 0;
    VN_CHART_LAYER_SWITCHES(VN_SETTINGS_SWITCH_FIELD)

    ::Observer Observer;
    ::SkyDate SkyDate; // not stored in the profile: each run starts at the local clock

    std::int32_t StarLimit = 0;    // coded faintest star magnitude (StarLimitFromCode)
    std::int32_t DeepSkyLimit = 0; // coded faintest deep-sky magnitude (DeepSkyLimitFromCode)
    std::int32_t AutoMode = 0;     // 1: the magnitude limits follow the zoom level
    VN_STAR_COLOUR_SWITCH(VN_SETTINGS_SWITCH_FIELD) // ColoredStars: stars in spectral colours
#undef VN_SETTINGS_SWITCH_FIELD
    std::int32_t ColoredSky = 0; // sky background coloured (1) or black (0)

    std::string ProgramDir; // the program directory, empty when it could not be found

    std::int32_t NightVision = 0; // 1: the chart is drawn in red for dark-adapted eyes

    // 1: the screen chart is drawn as the sky looks (stars by their light and colour, the sky
    // lit by the Sun, a ground); 0 the classic chart. Printing always uses the classic forms.
    std::int32_t NaturalSky = 0;

    // 1: the precise sky model; 0 the classic one (SkyModelOfSettings).
    std::int32_t PrecisePositions = 0;

    // The INDI server and mount the telescope was last connected to (section "Telescope").
    std::string TelescopeHost;
    std::int32_t TelescopePort = 0;
    std::string TelescopeDevice; // empty: the first telescope the server lists

    // Not a setting but where one came from: true when the profile had no "TimeZoneName" (one
    // written before named zones existed, or none at all); AdoptPlaceZone then gives a built-in
    // place its zone. It takes no part in comparing two records.
    struct LoadNote {
        bool value = false;
        bool operator==(const LoadNote&) const { return true; }
    };
    LoadNote TimeZoneNameMissing{};

    bool operator==(const AppSettings&) const = default;
};

// The sky model the profile value "PrecisePositions" chooses, and the value that stores a model.
inline SkyModelKind SkyModelOfSettings(const AppSettings& settings) {
    return settings.PrecisePositions != 0 ? SkyModelKind::Precise : SkyModelKind::Classic;
}
inline std::int32_t PrecisePositionsOf(SkyModelKind model) {
    return model == SkyModelKind::Precise ? 1 : 0;
}
