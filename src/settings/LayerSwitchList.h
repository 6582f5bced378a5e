// The chart's layer and display switches, one row each: the name `--layers` takes, the settings
// field (whose name is also the profile key), the chart field the drawing reads, the menu command
// that toggles it, and the profile's default. Every place that handles the switches as a group
// expands this list: the fields, the profile's keys and their defaults and the settings clamp (here
// in settings), the settings<->chart copies (chart/ChartState.cpp), `--layers`
// (chart/LayerSwitches.h), and the command states (commandstate/CommandState.cpp). The chart field
// and the command are bare names of layers above this one; the list only carries them.
//
// The switch fields of AppSettings and ChartState are declared from it too. A new switch needs
// one row here, the drawing code that reads it, and its command (a row of
// commandstate/CommandTable.h with the Switch rule); a switch that draws a layer of its own also
// takes its place in the frame order (chart/Frame.cpp).
#pragma once

// X(name, settings field, chart field, command, default) for the layers; a new layer switch goes
// at the end, and its profile key follows "SolSysLabels" in the file.
#define VN_CHART_LAYER_SWITCHES(X)                                                                 \
    X("grid", Coordinations, m_bCoordinations, LayerGrid, 0)                                       \
    X("boundaries", Boundaries, m_bBoundaries, LayerBoundaries, 1)                                 \
    X("figures", Constelations, m_bConstelations, LayerFigures, 0)                                 \
    X("deepsky", DeepSky, m_bDeepSky, LayerDeepSky, 1)                                             \
    X("starnames", StarNames, m_bStarNames, ViewStarNames, 0)                                      \
    X("deepskynames", DeepSkyNames, m_bDeepSkyNames, ViewDeepSkyLabels, 1)                         \
    X("ecliptic", Ecliptic, m_bEcliptic, ViewEcliptic, 1)                                          \
    X("horizon", Horizon, m_bHorizon, ViewHorizon, 1)                                              \
    X("milkyway", MilkyWay, m_bMilkyWay, LayerMilkyWay, 1)                                         \
    X("solarsystem", SolarSystem, m_bSolarSystem, LayerSolarSystem, 1)                             \
    X("solsyslabels", SolSysLabels, m_bSolSysLabels, ViewPlanetNames, 1)                           \
    X("faintstars", FaintStars, m_bFaintStars, ViewFaintStars, 0)

// The display switch that `--layers` also takes; its profile key follows the magnitude limits.
#define VN_STAR_COLOUR_SWITCH(X) X("coloredstars", ColoredStars, m_bColoredStars, ViewStarColors, 1)

// Every switch, in the order `--layers` lists them.
#define VN_LAYER_SWITCHES(X) VN_CHART_LAYER_SWITCHES(X) VN_STAR_COLOUR_SWITCH(X)
