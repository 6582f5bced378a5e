// Folder commandstate/: the enabled and checked state of every command. No window system here.
//
// Which commands of the main frame and the chart view are enabled, and which are checked (a
// check mark in the menu, a pressed toolbar button), given the chart state. The desktop layer
// maps its wx command ids to CommandId and asks here from its update-UI handlers at idle time;
// a command that is disabled is not carried out when its key is pressed either.
//
// The rule: while the animation runs (m_bAnimate is 1) every command that opens a dialog, prints,
// switches the chart mode or the sky background, centres on a horizon point, or starts an
// animation is disabled, and Stop is the only animation command enabled; zoom, pan, the layer
// switches and the display switches stay available.
#pragma once

#include <optional>
#include <span>

struct ChartState;

// The command identifiers of the program (menu, toolbar, keyboard table).
enum class CommandId : int {
    // File
    Open = 57601,
    PrintPreview = 57609,
    Print = 57607,
    PrintSetup = 57606,
    RecentFiles = 57616,
    Exit = 57665,
    // View: display switches
    StarNames = 32846,
    PlanetNames = 32848,
    DeepSkyLabels = 32847,
    Ecliptic = 32849,
    Horizon = 32850,
    StarColors = 32810,
    Toolbar = 59392,
    StatusBar = 59393,
    // Settings
    ChartModeEquatorial = 32821,
    ChartModeLocalHorizon = 32822,
    DateTime = 32786,
    Location = 32787,
    MagnitudeLimits = 32788,
    SkyBlack = 32823,
    SkyColor = 32824,
    // Search
    SearchStar = 32838,
    SearchSolarSystem = 32839,
    SearchConstellation = 32840,
    SearchMessier = 32773,
    SearchNgc = 32774,
    East = 32806,
    West = 32807,
    North = 32808,
    South = 32809,
    Zenith = 32825,
    Nadir = 32826,
    // Help
    HelpContents = 57667,
    HelpUsing = 57668,
    About = 57664,
    ContextHelp = 57669,
    Help = 57670,
    // Layer switches of the toolbar
    GridLines = 32797,
    Boundaries = 32798,
    ConstellationLines = 32799,
    DeepSky = 32800,
    MilkyWay = 32782,
    SolarSystem = 32793,
    // Animation
    TimeStepBox = 1041,
    AnimationBackward = 32796,
    StepBackward = 32819,
    AnimationStop = 32794,
    StepForward = 32818,
    AnimationForward = 32795,
    // Navigation toolbar
    ZoomIn = 32771,
    ZoomOut = 32772,
    PanDown = 32777,
    PanUp = 32778,
    PanLeft = 32780,
    PanRight = 32779,
};

// Every command above, in the order of the command table.
std::span<const CommandId> AllCommands();

struct CommandUiState {
    bool enabled = true;
    // Set for commands that show a check mark / pressed button; empty for plain commands and
    // for those whose state the platform keeps (toolbar and status-bar visibility).
    std::optional<bool> checked;
};

CommandUiState QueryCommandState(CommandId command, const ChartState& chart);

// The chart-state switch a layer or display command toggles (nullptr for other commands).
int* SwitchOfCommand(CommandId command, ChartState& chart);
const int* SwitchOfCommand(CommandId command, const ChartState& chart);
