// The chart's layer and display switches, in one table. Each row names a switch four ways: the
// name `--layers` takes, the settings field (whose name is also the profile key), the chart
// field the drawing reads, and the menu command that toggles it. The settings<->chart copies,
// `--layers`, and the command states all walk this table, so a new switch needs one row here,
// its profile key (settings/Profile.cpp, in the file's order) and the drawing code that reads
// it; a switch that draws a layer of its own also takes its place in the frame order
// (chart/Frame.cpp).
#pragma once

#include "chart/ChartState.h"
#include "settings/AppSettings.h"

#include <cstdint>
#include <string>
#include <string_view>

// X(name, settings field, chart field, command). The command is the bare enumerator of
// CommandId, which lives above the chart (commandstate/CommandState.h) and expands the list there.
#define VN_LAYER_SWITCHES(X)                                                                       \
    X("grid", Coordinations, m_bCoordinations, GridLines)                                          \
    X("boundaries", Boundaries, m_bBoundaries, Boundaries)                                         \
    X("figures", Constelations, m_bConstelations, ConstellationLines)                              \
    X("deepsky", DeepSky, m_bDeepSky, DeepSky)                                                     \
    X("starnames", StarNames, m_bStarNames, StarNames)                                             \
    X("deepskynames", DeepSkyNames, m_bDeepSkyNames, DeepSkyLabels)                                \
    X("ecliptic", Ecliptic, m_bEcliptic, Ecliptic)                                                 \
    X("horizon", Horizon, m_bHorizon, Horizon)                                                     \
    X("milkyway", MilkyWay, m_bMilkyWay, MilkyWay)                                                 \
    X("solarsystem", SolarSystem, m_bSolarSystem, SolarSystem)                                     \
    X("solsyslabels", SolSysLabels, m_bSolSysLabels, PlanetNames)                                  \
    X("coloredstars", ColoredStars, m_bColoredStars, StarColors)

struct LayerSwitch {
    std::string_view name; // as `--layers` takes it
    std::int32_t AppSettings::*setting;
    int ChartState::*chart;
};

#define VN_LAYER_SWITCH_ROW(name, setting, chart, command)                                         \
    LayerSwitch{name, &AppSettings::setting, &ChartState::chart},
inline constexpr LayerSwitch kLayerSwitches[] = {VN_LAYER_SWITCHES(VN_LAYER_SWITCH_ROW)};
#undef VN_LAYER_SWITCH_ROW

// The row of a `--layers` name, or nullptr.
const LayerSwitch* FindLayerSwitch(std::string_view name);

// Every `--layers` name in the table's order, joined by ", ".
std::string LayerSwitchNames();
