// Commands of the main frame whose work lives in other parts of the desktop program: the picture
// viewer, the search and settings dialogs, the information panels, printing and chart export.
// The frame calls exactly one of these per command, after it has checked that the command is
// enabled; each is defined in the file named beside it.
#pragma once

#include <string>

class CMainFrame;
struct PickedObject;

// commands/PictureCommands.cpp
void OpenPictureCommand(CMainFrame& frame);                       // File > Open... (Ctrl+O)
void OpenRecentPictureCommand(CMainFrame& frame, int entry);      // File > recent entry 0..3
void OpenPictureFile(CMainFrame& frame, const std::string& path); // a picture named at start-up

// commands/SearchCommands.cpp
void SearchStarCommand(CMainFrame& frame);
void SearchSolarSystemCommand(CMainFrame& frame);
void SearchConstellationCommand(CMainFrame& frame);
void SearchMessierCommand(CMainFrame& frame);
void SearchNgcCommand(CMainFrame& frame);
void FindObjectCommand(CMainFrame& frame);

// commands/SettingsCommands.cpp
void DateTimeCommand(CMainFrame& frame);
void LocationCommand(CMainFrame& frame);
void MagnitudeLimitsCommand(CMainFrame& frame);

// commands/InfoPanelCommands.cpp: the right button picked an object on the chart.
void ShowInfoPanel(CMainFrame& frame, const PickedObject& object);

// commands/PrintCommands.cpp
void PrintCommand(CMainFrame& frame);
void PrintPreviewCommand(CMainFrame& frame);
void PrintSetupCommand(CMainFrame& frame);

// commands/ExportCommands.cpp: File > Export Chart... (Ctrl+Shift+E)
void ExportChartCommand(CMainFrame& frame);
