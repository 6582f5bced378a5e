// Folder commandstate/: the command table (CommandTable.h) and the enabled and checked state of
// every command. No window system here.
//
// Which commands are enabled, and which are checked (a check mark in the menu, a pressed toolbar
// button), given the chart state, the settings and what the main window shows. Each row of the
// command table names its rule; the desktop layer asks here from its update-UI handlers at idle
// time, and a command that is disabled is not carried out when its key is pressed either.
//
// The rule: while the animation runs (m_bAnimate is 1) every command that opens a dialog, prints,
// switches the chart mode or the sky background, centres on a horizon point, or starts an
// animation is disabled, and Stop is the only animation command enabled; zoom, pan, the layer
// switches and the display switches stay available.
#pragma once

#include "astro/SkyModel.h"
#include "commandstate/CommandTable.h"

#include <cstddef>
#include <optional>
#include <span>

struct AppSettings;
struct ChartState;

// The enabling and checked rules the rows of the command table name.
enum class CommandRule {
    Always,           // available at every moment, no check mark
    WhileStopped,     // only while the animation is stopped
    WhileRunning,     // only while the animation runs (Stop)
    Switch,           // a layer or display switch: always available, checked while on
    Equatorial,       // the radio pairs of the Settings menu: only while stopped, checked
    LocalHorizon,     //   unless the chart field holds the other entry's value
    BlackSky,         //
    ColouredSky,      //
    NightVision,      // always available, checked from the settings
    PrecisePositions, //
    NaturalSky,       // always available, checked while the chart is drawn in the natural style
    FollowingClock,   // only while stopped, checked while the chart follows the clock
    ToolbarShown,     // always available, checked while the bar is shown
    StatusBarShown,   //
    RecentEntry,      // a recent picture: only while stopped, and while the entry exists
    MountOffline,     // Connect: only while stopped, and while no mount is connected or connecting
    MountOnline,      // Disconnect, Abort: while a mount is connected or connecting
    MountPosition,    // Centre on the telescope: while the mount has said where it points
    MountAndObject,   // slew and sync: while connected and an object is chosen
    FollowingMount,   // while connected, checked while the chart is kept on the mount
};

// Every command of the table, in the table's order.
std::span<const CommandId> AllCommands();

// The rule of a command, and the command of a wx identifier when it is one of the table's.
CommandRule RuleOf(CommandId command);
std::optional<CommandId> CommandOfId(int wxId);

// Whether the command's menu entry or toolbar button carries a check mark.
bool IsCheckable(CommandId command);

struct CommandUiState {
    bool enabled = true;
    // Set for commands that show a check mark / pressed button; empty for plain commands.
    std::optional<bool> checked;
};

// What the rules read besides the chart.
struct CommandInputs {
    const ChartState& chart;
    const AppSettings& settings;
    bool toolbarShown = true;
    bool statusBarShown = true;
    std::size_t recentPictures = 0;             // entries of the recent-picture list
    SkyModelKind model = SkyModelKind::Classic; // the model the sky is computed in
    bool followingClock = false;                // the chart is kept at the current minute
    bool mountOnline = false;                   // a mount is connected or being connected
    bool mountPosition = false;                 // the mount has reported where it points
    bool mountObject = false;                   // an object to slew to or sync on is chosen
    bool followingMount = false;                // the chart is kept centred on the mount
    bool faintStarsAvailable = true;            // the faint-star catalogue holds stars
};

CommandUiState QueryCommandState(CommandId command, const CommandInputs& inputs);

// The chart-state switch a layer or display command toggles (nullptr for other commands).
int* SwitchOfCommand(CommandId command, ChartState& chart);
const int* SwitchOfCommand(CommandId command, const ChartState& chart);
