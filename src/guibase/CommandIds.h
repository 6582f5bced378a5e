// Folder guibase/: the pieces every part of the desktop program shares, which include no other
// GUI folder: command ids (here), icons, message boxes (Messages), the document (NoctaDoc) and the
// commands the frame hands on (CommandHooks).
//
// The wx command identifiers of the desktop program. The program's commands are numbered by the
// command table (commandstate/CommandState.h); wx takes menu identifiers below 32767 only, so
// each number is moved into that range: 32771.. become 771.., 57601.. become 7601.., 59392..
// become 9392.., and smaller numbers stay. None of them meets wx's own range 4999..5999.
#pragma once

#include "commandstate/CommandState.h"

#include <optional>

namespace cmd {

constexpr int WxIdOfNumber(int number) {
    return number >= 50000 ? number - 50000 : (number >= 32000 ? number - 32000 : number);
}
constexpr int Id(CommandId command) {
    return WxIdOfNumber(static_cast<int>(command));
}

// The command of a wx identifier, when it is one of the command table's.
std::optional<CommandId> CommandOfId(int wxId);

// File
inline constexpr int FileOpen = Id(CommandId::Open);
inline constexpr int FilePrintPreview = Id(CommandId::PrintPreview);
inline constexpr int FilePrint = Id(CommandId::Print);
inline constexpr int FilePrintSetup = Id(CommandId::PrintSetup);
inline constexpr int FileExportChart = WxIdOfNumber(32870); // "&Export Chart...\tCtrl+Shift+E"
inline constexpr int FileRecentFirst = Id(CommandId::RecentFiles); // four entries follow on
inline constexpr int kRecentPictureCount = 4;
inline constexpr int FileRecentLast = FileRecentFirst + kRecentPictureCount - 1;
inline constexpr int FileExit = Id(CommandId::Exit);

// View
inline constexpr int ViewStarNames = Id(CommandId::StarNames);
inline constexpr int ViewPlanetNames = Id(CommandId::PlanetNames);
inline constexpr int ViewDeepSkyLabels = Id(CommandId::DeepSkyLabels);
inline constexpr int ViewEcliptic = Id(CommandId::Ecliptic);
inline constexpr int ViewHorizon = Id(CommandId::Horizon);
inline constexpr int ViewStarColors = Id(CommandId::StarColors);
inline constexpr int ViewNightVision = WxIdOfNumber(32871); // "&Night Vision\tCtrl+R", checkable
inline constexpr int ViewPrecisePositions = WxIdOfNumber(32890); // "&Precise Positions", checkable
inline constexpr int ViewToolbar = Id(CommandId::Toolbar);
inline constexpr int ViewStatusBar = Id(CommandId::StatusBar);

// Settings
inline constexpr int ChartEquatorial = Id(CommandId::ChartModeEquatorial);
inline constexpr int ChartLocalHorizon = Id(CommandId::ChartModeLocalHorizon);
inline constexpr int SettingsDateTime = Id(CommandId::DateTime);
inline constexpr int SettingsLocation = Id(CommandId::Location);
inline constexpr int SettingsMagnitudeLimits = Id(CommandId::MagnitudeLimits);
inline constexpr int SkyBlack = Id(CommandId::SkyBlack);
inline constexpr int SkyColor = Id(CommandId::SkyColor);

// Search
inline constexpr int SearchStar = Id(CommandId::SearchStar);
inline constexpr int SearchSolarSystem = Id(CommandId::SearchSolarSystem);
inline constexpr int SearchConstellation = Id(CommandId::SearchConstellation);
inline constexpr int SearchMessier = Id(CommandId::SearchMessier);
inline constexpr int SearchNgc = Id(CommandId::SearchNgc);
inline constexpr int SearchFindObject = WxIdOfNumber(32880); // "&Find Object...\tCtrl+Shift+F"
inline constexpr int HorizonEast = Id(CommandId::East);
inline constexpr int HorizonWest = Id(CommandId::West);
inline constexpr int HorizonNorth = Id(CommandId::North);
inline constexpr int HorizonSouth = Id(CommandId::South);
inline constexpr int Zenith = Id(CommandId::Zenith);
inline constexpr int Nadir = Id(CommandId::Nadir);

// Help
inline constexpr int HelpContents = Id(CommandId::HelpContents);
inline constexpr int HelpUsing = Id(CommandId::HelpUsing);
inline constexpr int HelpAbout = Id(CommandId::About);
inline constexpr int HelpContext = Id(CommandId::ContextHelp);
inline constexpr int HelpIndex = Id(CommandId::Help);

// Layer switches of the toolbar (handled by the chart view)
inline constexpr int LayerGrid = Id(CommandId::GridLines);
inline constexpr int LayerBoundaries = Id(CommandId::Boundaries);
inline constexpr int LayerFigures = Id(CommandId::ConstellationLines);
inline constexpr int LayerDeepSky = Id(CommandId::DeepSky);
inline constexpr int LayerMilkyWay = Id(CommandId::MilkyWay);
inline constexpr int LayerSolarSystem = Id(CommandId::SolarSystem);

// Animation (handled by the chart view)
inline constexpr int TimeStepBox = Id(CommandId::TimeStepBox);
inline constexpr int AnimBackward = Id(CommandId::AnimationBackward);
inline constexpr int StepBackward = Id(CommandId::StepBackward);
inline constexpr int AnimStop = Id(CommandId::AnimationStop);
inline constexpr int StepForward = Id(CommandId::StepForward);
inline constexpr int AnimForward = Id(CommandId::AnimationForward);

// Navigation toolbar (handled by the chart view)
inline constexpr int ZoomIn = Id(CommandId::ZoomIn);
inline constexpr int ZoomOut = Id(CommandId::ZoomOut);
inline constexpr int PanDown = Id(CommandId::PanDown);
inline constexpr int PanUp = Id(CommandId::PanUp);
inline constexpr int PanLeft = Id(CommandId::PanLeft);
inline constexpr int PanRight = Id(CommandId::PanRight);

// Status-bar panes, left to right.
enum StatusPane : int {
    kPaneMessage = 0,
    kPaneRa = 1,
    kPaneDec = 2,
    kPanePlaceName = 3,
    kPaneClockTime = 4,
    kPaneCalendarDate = 5,
    kPaneCount = 6,
};

} // namespace cmd
