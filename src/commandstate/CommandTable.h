// The command table of the desktop program: one row per command, and the layout of the menus and
// toolbars as lists of row names. Every other part expands these lists: the ids and the enabling
// rules here (commandstate/), the menus, toolbars, keyboard table, texts and event bindings in the
// frame (frame/CommandBindings.cpp). A new command is one row here plus its handler.
//
// X(name, wx id, rule, menu label, key modifiers, key, picture, "prompt\ntooltip", handler)
//   wx id     the wx command identifier (wx takes menu identifiers below 32767 and keeps
//             4999..5999 for itself)
//   rule      the enabling and checked rule, CommandRule (commandstate/CommandState.h)
//   label     the menu entry with its mnemonic and the key text after \t; "" when the command is
//             in no menu
//   key       the accelerator: Plain, Shift, Ctrl, Alt or CtrlShift, then a character ('E', '[')
//             or a key name (F1, Esc, Up, NumMultiply ...); Plain, 0 for none
//   picture   the picture of the toolbar button and menu entry, CommandPicture (guibase/Icons.h)
//   text      the status-bar prompt, then after a newline the tooltip (a text without a newline
//             is a prompt with no tooltip)
//   handler   void(CommandContext&, CommandId) (commands/CommandHandlers.h); nullptr for a
//             control that only shows a text
//
// The tokens of the columns after the rule mean nothing here; only the frame expands them.
#pragma once

// clang-format off
#define VN_COMMAND_TABLE(X)                                                                        \
    /* File */                                                                                     \
    X(FileOpen, 7601, WhileStopped, "&Open...\tCtrl+O", Ctrl, 'O', Open,                           \
      "Open a picture\nOpen", OpenPictureCommand)                                                  \
    X(FileExportChart, 870, WhileStopped, "&Export Chart...\tCtrl+Shift+E", CtrlShift, 'E',        \
      ExportChart, "Save the chart as a PNG, SVG or PDF file\nExport chart", ExportChartCommand)   \
    X(FilePrint, 7607, WhileStopped, "&Print...\tCtrl+P", Ctrl, 'P', Print,                        \
      "Print\nPrint", PrintCommand)                                                                \
    X(FilePrintPreview, 7609, WhileStopped, "Print Pre&view", Plain, 0, PrintPreview,              \
      "Print preview\nPrint preview", PrintPreviewCommand)                                         \
    X(FilePrintSetup, 7606, WhileStopped, "P&rint Setup...", Plain, 0, NoPicture,                  \
      "Change the printer and printing options\nPrint Setup", PrintSetupCommand)                   \
    X(FileRecent1, 7616, RecentEntry, "Recent Files", Plain, 0, NoPicture,                         \
      "Open this picture", OpenRecentPictureCommand)                                               \
    X(FileRecent2, 7617, RecentEntry, "", Plain, 0, NoPicture,                                     \
      "Open this picture", OpenRecentPictureCommand)                                               \
    X(FileRecent3, 7618, RecentEntry, "", Plain, 0, NoPicture,                                     \
      "Open this picture", OpenRecentPictureCommand)                                               \
    X(FileRecent4, 7619, RecentEntry, "", Plain, 0, NoPicture,                                     \
      "Open this picture", OpenRecentPictureCommand)                                               \
    X(FileExit, 7665, Always, "E&xit\tAlt+F4", Alt, F4, NoPicture,                                 \
      "Quit the application\nExit", ExitCommand)                                                   \
    /* View: display switches */                                                                   \
    X(ViewStarNames, 846, Switch, "&Star Names\tShift+S", Shift, 'S', NoPicture,                   \
      "Show or hide the star names\nStar names", SwitchCommand)                                    \
    X(ViewPlanetNames, 848, Switch, "&Planet Names\tShift+P", Shift, 'P', NoPicture,               \
      "Show or hide the names of the Sun, Moon and planets\nPlanet names", SwitchCommand)          \
    X(ViewDeepSkyLabels, 847, Switch, "&Deep Sky Labels\tShift+D", Shift, 'D', NoPicture,          \
      "Show or hide the deep sky labels\nDeep sky labels", SwitchCommand)                          \
    X(ViewEcliptic, 849, Switch, "&Eclipic\tE", Plain, 'E', NoPicture,                             \
      "Show or hide the ecliptic\nEcliptic", SwitchCommand)                                        \
    X(ViewHorizon, 850, Switch, "&Horizon\tH", Plain, 'H', NoPicture,                              \
      "Show or hide the horizon\nHorizon", SwitchCommand)                                          \
    X(ViewFaintStars, 851, Switch, "&Faint Stars\tShift+F", Shift, 'F', NoPicture,               \
      "Show or hide the faint Hipparcos stars and the deep zoom levels\nFaint stars",           \
      SwitchCommand)                                                                             \
    X(ViewStarColors, 810, Switch, "Star &Colors\tShift+C", Shift, 'C', NoPicture,                 \
      "Draw the stars in their spectral colours\nStar colours", SwitchCommand)                     \
    X(ViewNightVision, 871, NightVision, "&Night Vision\tCtrl+R", Ctrl, 'R', NightVision,          \
      "Draw the chart in red for dark-adapted eyes\nNight vision", NightVisionCommand)             \
    X(ViewPrecisePositions, 890, PrecisePositions, "&Precise Positions", Plain, 0, NoPicture,      \
      "Compute the sky as it is on the chart's date, to arcseconds\nPrecise positions",            \
      PrecisePositionsCommand)                                                                     \
    X(ViewNaturalSky, 893, NaturalSky, "&Natural Sky", Plain, 0, NaturalSky,                      \
      "Draw the sky as it looks: stars by their light and colour, daylight and a ground\n"        \
      "Natural sky", NaturalSkyCommand)                                                            \
    X(ViewFollowClock, 891, FollowingClock, "Follow the &Clock", Plain, 0, NoPicture,              \
      "Keep the chart at the current time, redrawn every minute\nFollow the clock",               \
      FollowClockCommand)                                                                          \
    X(ViewToolbar, 9392, ToolbarShown, "&Toolbar", Plain, 0, NoPicture,                            \
      "Show or hide the toolbar\nToggle ToolBar", ToggleToolbarCommand)                            \
    X(ViewStatusBar, 9393, StatusBarShown, "Status &Bar", Plain, 0, NoPicture,                     \
      "Show or hide the status bar\nToggle StatusBar", ToggleStatusBarCommand)                     \
    /* Settings */                                                                                 \
    X(ChartEquatorial, 821, Equatorial, "&Equatorial\tCtrl+Q", Ctrl, 'Q', NoPicture,               \
      "Equatorial chart\nEquatorial", ChartModeCommand)                                            \
    X(ChartLocalHorizon, 822, LocalHorizon, "&Local Horizon\tCtrl+H", Ctrl, 'H', NoPicture,        \
      "Local horizon chart\nLocal horizon", ChartModeCommand)                                      \
    X(SettingsDateTime, 786, WhileStopped, "&Date/Time...", Plain, 0, DateTime,                    \
      "Date and time\nDate and time", DateTimeCommand)                                             \
    X(TimeNow, 892, WhileStopped, "&Now\tCtrl+T", Ctrl, 'T', Now,                                 \
      "Set the chart to the current time\nNow", NowCommand)                                       \
    X(SettingsLocation, 787, WhileStopped, "&Location...", Plain, 0, Location,                     \
      "Location of the observer\nLocation", LocationCommand)                                       \
    X(SettingsMagnitudeLimits, 788, WhileStopped, "&Magnitude Limits...", Plain, 0,                \
      MagnitudeLimits, "Magnitude limits", MagnitudeLimitsCommand)                                 \
    X(SkyBlack, 823, BlackSky, "&Black\tCtrl+K", Ctrl, 'K', NoPicture,                             \
      "Black sky background\nBlack sky", SkyBackgroundCommand)                                     \
    X(SkyColor, 824, ColouredSky, "&Color\tCtrl+C", Ctrl, 'C', NoPicture,                          \
      "Sky background coloured by the altitude of the Sun\nColoured sky", SkyBackgroundCommand)    \
    /* Search */                                                                                   \
    X(SearchFindObject, 880, WhileStopped, "&Find Object...\tCtrl+Shift+F", CtrlShift, 'F',        \
      Magnifier, "Find any object by name\nFind object", FindObjectCommand)                        \
    X(SearchStar, 838, WhileStopped, "&Star...", Plain, 0, Magnifier,                              \
      "Search for star", SearchStarCommand)                                                        \
    X(SearchSolarSystem, 839, WhileStopped, "So&lar System Object...", Plain, 0, Magnifier,        \
      "Search for Solar System object", SearchSolarSystemCommand)                                  \
    X(SearchConstellation, 840, WhileStopped, "&Constellation...", Plain, 0, Magnifier,            \
      "Search for constellation", SearchConstellationCommand)                                      \
    X(SearchMessier, 773, WhileStopped, "&Messier Catalog...", Plain, 0, NoPicture,                \
      "Search for Messier", SearchMessierCommand)                                                  \
    X(SearchNgc, 774, WhileStopped, "&NGC Catalog...", Plain, 0, NoPicture,                        \
      "Search for NGC", SearchNgcCommand)                                                          \
    X(HorizonEast, 806, WhileStopped, "&East\tCtrl+E", Ctrl, 'E', NoPicture,                       \
      "Search for East on horizon", HorizonPointCommand)                                           \
    X(HorizonWest, 807, WhileStopped, "&West\tCtrl+W", Ctrl, 'W', NoPicture,                       \
      "Search for West on horizon", HorizonPointCommand)                                           \
    X(HorizonNorth, 808, WhileStopped, "&North\tCtrl+N", Ctrl, 'N', NoPicture,                     \
      "Search for North on horizon", HorizonPointCommand)                                          \
    X(HorizonSouth, 809, WhileStopped, "&South\tCtrl+S", Ctrl, 'S', NoPicture,                     \
      "Search for South on horizon", HorizonPointCommand)                                          \
    X(Zenith, 825, WhileStopped, "&Zenith\tCtrl+Z", Ctrl, 'Z', NoPicture,                          \
      "Search for zenith on horizon", ZenithCommand)                                               \
    X(Nadir, 826, WhileStopped, "Na&dir\tCtrl+D", Ctrl, 'D', NoPicture,                            \
      "Search for nadir on horizon", NadirCommand)                                                 \
    /* Observe */                                                                                  \
    X(ObserveTonight, 895, WhileStopped, "&Tonight...", Plain, 0, NoPicture,                       \
      "The night's twilights, the Moon and what is well placed\nTonight", TonightCommand)          \
    X(ObserveAltitudeGraph, 896, WhileStopped, "&Altitude Graph...", Plain, 0, NoPicture,          \
      "The altitude through the night of the object looked at last\nAltitude graph",              \
      AltitudeGraphCommand)                                                                        \
    /* Telescope */                                                                               \
    X(TelescopeConnect, 940, MountOffline, "&Connect\u2026", Plain, 0, NoPicture,                 \
      "Connect a mount through an INDI server\nConnect telescope", TelescopeConnectCommand)       \
    X(TelescopeDisconnect, 941, MountOnline, "&Disconnect", Plain, 0, NoPicture,                  \
      "Drop the link to the mount\nDisconnect telescope", TelescopeDisconnectCommand)             \
    X(TelescopeSlew, 942, MountAndObject, "&Slew to Object", Plain, 0, NoPicture,                 \
      "Point the mount at the object centred by the last search or click\nSlew to object",        \
      TelescopeSlewCommand)                                                                        \
    X(TelescopeSync, 943, MountAndObject, "S&ync to Object", Plain, 0, NoPicture,                 \
      "Tell the mount that it points at the object centred by the last search or click\n"         \
      "Sync to object", TelescopeSyncCommand)                                                      \
    X(TelescopeAbort, 944, MountOnline, "&Abort Slew", Plain, 0, NoPicture,                       \
      "Stop the mount's slew\nAbort slew", TelescopeAbortCommand)                                 \
    X(TelescopeCentre, 945, MountPosition, "C&entre on Telescope", Plain, 0, NoPicture,           \
      "Centre the chart where the mount points\nCentre on telescope", TelescopeCentreCommand)     \
    X(TelescopeFollow, 946, FollowingMount, "&Keep Centred on Telescope", Plain, 0, NoPicture,    \
      "Keep the chart centred where the mount points\nKeep centred on telescope",                 \
      TelescopeFollowCommand)                                                                      \
    /* Help */                                                                                     \
    X(HelpContents, 7667, WhileStopped, "&Contents", Plain, 0, HelpContents,                       \
      "List Help topics\nHelp Topics", HelpContentsCommand)                                        \
    X(HelpUsing, 7668, WhileStopped, "&Using Help", Plain, 0, NoPicture,                           \
      "Display instructions about how to use help\nHelp", HelpUsingCommand)                        \
    X(HelpAbout, 7664, WhileStopped, "&About...", Plain, 0, About,                                 \
      "Display program information and version number\nAbout", AboutCommand)                       \
    X(HelpContext, 7669, WhileStopped, "", Shift, F1, ContextHelp,                                 \
      "Display help for buttons, menus and windows\nHelp", HelpContextCommand)                     \
    X(HelpIndex, 7670, WhileStopped, "", Plain, F1, QuestionMark,                                  \
      "Display help for current task or command\nHelp", HelpIndexCommand)                          \
    /* Layer switches of the toolbar */                                                            \
    X(LayerGrid, 797, Switch, "", Plain, 'G', Grid, "Grid lines\nGrids", SwitchCommand)            \
    X(LayerBoundaries, 798, Switch, "", Plain, 'B', Boundaries,                                    \
      "Constellation boundaries\nBoundaries", SwitchCommand)                                       \
    X(LayerFigures, 799, Switch, "", Plain, 'L', Figures, "Contellation lines\nLines",             \
      SwitchCommand)                                                                               \
    X(LayerDeepSky, 800, Switch, "", Plain, 'D', DeepSky, "Deep Sky objects\nDeep Sky",            \
      SwitchCommand)                                                                               \
    X(LayerMilkyWay, 782, Switch, "", Plain, 'M', MilkyWay, "Milky Way\nMilky Way", SwitchCommand) \
    X(LayerSolarSystem, 793, Switch, "", Plain, 'P', SolarSystem,                                  \
      "Solar System objects\nSolar System", SwitchCommand)                                         \
    /* Animation */                                                                                \
    X(TimeStepBox, 1041, WhileStopped, "", Plain, 0, NoPicture, "Time step\nTime step", nullptr)   \
    X(AnimBackward, 796, WhileStopped, "", Ctrl, 'B', AnimBackward,                                \
      "Animation backward\nAnimation backward", AnimationCommand)                                  \
    X(StepBackward, 819, WhileStopped, "", Plain, '[', StepBackward,                               \
      "One step animation backward\nOne step backward", StepCommand)                               \
    X(AnimStop, 794, WhileRunning, "", Plain, Esc, AnimStop,                                       \
      "Animation stop\nAnimation stop", AnimationCommand)                                          \
    X(StepForward, 818, WhileStopped, "", Plain, ']', StepForward,                                 \
      "One step animation forward\nOne step forward", StepCommand)                                 \
    X(AnimForward, 795, WhileStopped, "", Ctrl, 'F', AnimForward,                                  \
      "Animation forward\nAnimation forward", AnimationCommand)                                    \
    /* Navigation toolbar */                                                                       \
    X(ZoomIn, 771, Always, "", Plain, NumMultiply, ZoomIn, "Zoom the field in\nZoom in",           \
      ZoomCommand)                                                                                 \
    X(ZoomOut, 772, Always, "", Plain, NumDivide, ZoomOut, "Zoom the field out\nZoom out",         \
      ZoomCommand)                                                                                 \
    X(PanDown, 777, Always, "", Plain, Down, PanDown, "Pan the field down\nPan down", PanCommand)  \
    X(PanUp, 778, Always, "", Plain, Up, PanUp, "Pan the field up\nPan up", PanCommand)            \
    X(PanLeft, 780, Always, "", Plain, Left, PanLeft, "Pan the field left\nPan left", PanCommand)  \
    X(PanRight, 779, Always, "", Plain, Right, PanRight, "Pan the field right\nPan right",         \
      PanCommand)

// The menu bar, menu by menu: MENU(title) ... END_MENU(), ITEM(row), SEPARATOR(),
// SUBMENU(title, picture) ... END_SUBMENU(). The recent pictures stand where FileRecent1 stands.
#define VN_MENU_BAR(MENU, END_MENU, ITEM, SEPARATOR, SUBMENU, END_SUBMENU)                         \
    MENU("&File")                                                                                  \
        ITEM(FileOpen) ITEM(FileExportChart) SEPARATOR()                                           \
        ITEM(FilePrint) ITEM(FilePrintPreview) ITEM(FilePrintSetup) SEPARATOR()                    \
        ITEM(FileRecent1) SEPARATOR()                                                              \
        ITEM(FileExit)                                                                             \
    END_MENU()                                                                                     \
    MENU("&View")                                                                                  \
        ITEM(ViewStarNames) ITEM(ViewPlanetNames) ITEM(ViewDeepSkyLabels) SEPARATOR()              \
        ITEM(ViewEcliptic) ITEM(ViewHorizon) ITEM(ViewFaintStars) SEPARATOR()                                           \
        ITEM(ViewStarColors) ITEM(ViewNightVision) ITEM(ViewPrecisePositions)                      \
        ITEM(ViewNaturalSky) ITEM(ViewFollowClock) SEPARATOR()                                                          \
        ITEM(ViewToolbar) ITEM(ViewStatusBar)                                                      \
    END_MENU()                                                                                     \
    MENU("&Settings")                                                                              \
        SUBMENU("&Chart Mode", ChartMode)                                                          \
            ITEM(ChartEquatorial) ITEM(ChartLocalHorizon)                                          \
        END_SUBMENU()                                                                              \
        ITEM(SettingsDateTime) ITEM(TimeNow) ITEM(SettingsLocation)                                \
        ITEM(SettingsMagnitudeLimits)                                                              \
        SUBMENU("&Sky Background", SkyBackground)                                                  \
            ITEM(SkyBlack) ITEM(SkyColor)                                                          \
        END_SUBMENU()                                                                              \
    END_MENU()                                                                                     \
    MENU("Sea&rch")                                                                                \
        ITEM(SearchFindObject) SEPARATOR()                                                         \
        ITEM(SearchStar) ITEM(SearchSolarSystem) ITEM(SearchConstellation)                         \
        SUBMENU("&Deep Sky Object", DeepSkyObject)                                                 \
            ITEM(SearchMessier) ITEM(SearchNgc)                                                    \
        END_SUBMENU()                                                                              \
        SUBMENU("&Horizon Point", HorizonPoint)                                                    \
            ITEM(HorizonEast) ITEM(HorizonWest) ITEM(HorizonNorth) ITEM(HorizonSouth) SEPARATOR()  \
            ITEM(Zenith) ITEM(Nadir)                                                               \
        END_SUBMENU()                                                                              \
    END_MENU()                                                                                     \
    MENU("&Observe")                                                                               \
        ITEM(ObserveTonight) ITEM(ObserveAltitudeGraph)                                            \
    END_MENU()                                                                                     \
    MENU("&Telescope")                                                                             \
        ITEM(TelescopeConnect) ITEM(TelescopeDisconnect) SEPARATOR()                               \
        ITEM(TelescopeSlew) ITEM(TelescopeSync) ITEM(TelescopeAbort) SEPARATOR()                   \
        ITEM(TelescopeCentre) ITEM(TelescopeFollow)                                                \
    END_MENU()                                                                                     \
    MENU("&Help")                                                                                  \
        ITEM(HelpContents) ITEM(HelpUsing) SEPARATOR()                                             \
        ITEM(HelpAbout)                                                                            \
    END_MENU()

// The main toolbar, left to right: TOOL(row), SEPARATOR(), and TIME_STEP() for the time-step box.
#define VN_MAIN_TOOLBAR(TOOL, SEPARATOR, TIME_STEP)                                                \
    TOOL(FileOpen) TOOL(FilePrintPreview) TOOL(FilePrint) SEPARATOR()                              \
    TOOL(LayerGrid) TOOL(LayerBoundaries) TOOL(LayerFigures) TOOL(LayerDeepSky)                    \
    TOOL(LayerMilkyWay) TOOL(LayerSolarSystem) TOOL(ViewNaturalSky) SEPARATOR()                                         \
    TOOL(SettingsDateTime) TOOL(TimeNow) TOOL(SettingsLocation) SEPARATOR()                        \
    TIME_STEP() TOOL(AnimBackward) TOOL(StepBackward) TOOL(AnimStop) TOOL(StepForward)             \
    TOOL(AnimForward) SEPARATOR()                                                                  \
    TOOL(HelpContext) TOOL(HelpAbout)

// The floating navigation toolbar: three rows of two buttons, ROW(first, second).
#define VN_NAVIGATION_TOOLBAR(ROW) ROW(ZoomIn, ZoomOut) ROW(PanDown, PanUp) ROW(PanLeft, PanRight)
// clang-format on

// The commands by name, for the rules and the tests.
#define VN_COMMAND_ENUMERATOR(name, id, ...) name = id,
enum class CommandId : int { VN_COMMAND_TABLE(VN_COMMAND_ENUMERATOR) };
#undef VN_COMMAND_ENUMERATOR

// The wx identifiers by name.
namespace cmd {
#define VN_COMMAND_CONSTANT(name, id, ...) inline constexpr int name = id;
VN_COMMAND_TABLE(VN_COMMAND_CONSTANT)
#undef VN_COMMAND_CONSTANT

// The recent pictures of the File menu, newest first.
inline constexpr int FileRecentFirst = FileRecent1;
inline constexpr int FileRecentLast = FileRecent4;
inline constexpr int kRecentPictureCount = FileRecentLast - FileRecentFirst + 1;
} // namespace cmd
