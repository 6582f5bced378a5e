// Folder commands/: the handlers of the command table's rows whose work lives outside the main
// window: pictures, search, settings, information panels, printing, export, and the chart
// commands (switches, zoom, pan, animation, chart mode, sky background, horizon points, the
// precise model). Each takes the context of commands (guibase/CommandContext.h) and the command
// carried out, after the main window has checked that the command is enabled.
#pragma once

#include "commandstate/CommandTable.h"

#include <string>

struct CommandContext;
struct NamedObject;
struct PickedObject;
struct PlannedObject;

// commands/PictureCommands.cpp
void OpenPictureCommand(CommandContext& context, CommandId command);       // File > Open...
void OpenRecentPictureCommand(CommandContext& context, CommandId command); // a recent entry
void OpenPictureFile(CommandContext& context, const std::string& path);    // named at start-up

// commands/SearchCommands.cpp
void SearchStarCommand(CommandContext& context, CommandId command);
void SearchSolarSystemCommand(CommandContext& context, CommandId command);
void SearchConstellationCommand(CommandContext& context, CommandId command);
void SearchMessierCommand(CommandContext& context, CommandId command);
void SearchNgcCommand(CommandContext& context, CommandId command);
void FindObjectCommand(CommandContext& context, CommandId command);

// commands/SettingsCommands.cpp
void DateTimeCommand(CommandContext& context, CommandId command);
void NowCommand(CommandContext& context, CommandId command);         // the current minute
void FollowClockCommand(CommandContext& context, CommandId command); // on or off
// A tick of the clock timer: the chart moves to the current minute when following and due.
void FollowClockTick(CommandContext& context);
void LocationCommand(CommandContext& context, CommandId command);
void MagnitudeLimitsCommand(CommandContext& context, CommandId command);

// commands/InfoPanelCommands.cpp: the right button picked an object on the chart.
void ShowInfoPanel(CommandContext& context, const PickedObject& object);

// commands/ObserveCommands.cpp: the Observe menu, and the graph of an object named elsewhere
// (the information panel's button, the Tonight window).
void TonightCommand(CommandContext& context, CommandId command);
void AltitudeGraphCommand(CommandContext& context, CommandId command);
void ShowAltitudeGraph(CommandContext& context, const PlannedObject& object);

// commands/TelescopeCommands.cpp: the Telescope menu.
void TelescopeConnectCommand(CommandContext& context, CommandId command); // the dialog
void TelescopeDisconnectCommand(CommandContext& context, CommandId command);
void TelescopeSlewCommand(CommandContext& context, CommandId command); // the chosen object
void TelescopeSyncCommand(CommandContext& context, CommandId command);
void TelescopeAbortCommand(CommandContext& context, CommandId command);
void TelescopeCentreCommand(CommandContext& context, CommandId command);
void TelescopeFollowCommand(CommandContext& context, CommandId command); // on or off
// What the dialog's OK does: the observer's place and the chart's instant are handed to the
// client, which connects to the server at host:port and the mount `device` (empty: the first
// telescope listed) in the background.
void ConnectMount(CommandContext& context, const std::string& host, int port,
                  const std::string& device);
// Slews to the object's apparent place of date at the chart's instant, after asking when the
// target is below the horizon or near the Sun; false when nothing was sent.
bool SlewMountTo(CommandContext& context, const NamedObject& object);
void SyncMountOn(CommandContext& context, const NamedObject& object);
// A tick of the telescope timer: a new state of the mount moves the reticle, the status pane and
// (when kept centred) the chart; a lost link takes the reticle away and says why.
void MountTick(CommandContext& context);

// commands/PrintCommands.cpp
void PrintCommand(CommandContext& context, CommandId command);
void PrintPreviewCommand(CommandContext& context, CommandId command);
void PrintSetupCommand(CommandContext& context, CommandId command);

// commands/ExportCommands.cpp: File > Export Chart... (Ctrl+Shift+E)
void ExportChartCommand(CommandContext& context, CommandId command);

// commands/ChartCommands.cpp
void SwitchCommand(CommandContext& context, CommandId command); // a layer or display switch
void PrecisePositionsCommand(CommandContext& context, CommandId command);
void NaturalSkyCommand(CommandContext& context, CommandId command);
void ChartModeCommand(CommandContext& context, CommandId command);
void SkyBackgroundCommand(CommandContext& context, CommandId command);
void HorizonPointCommand(CommandContext& context, CommandId command); // East, West, North, South
void ZenithCommand(CommandContext& context, CommandId command);
void NadirCommand(CommandContext& context, CommandId command);
void ZoomCommand(CommandContext& context, CommandId command);      // in or out
void PanCommand(CommandContext& context, CommandId command);       // down, up, left, right
void AnimationCommand(CommandContext& context, CommandId command); // forward, backward, stop
void StepCommand(CommandContext& context, CommandId command);      // one step either way
