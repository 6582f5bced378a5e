// The small pictures of the program's commands: toolbar buttons and the menu entries beside
// them, drawn as vector pictures so they stay sharp at any size.
#pragma once

#include <wx/bmpbndl.h>
#include <wx/gdicmn.h>

// Toolbar buttons and menu pictures are this size.
inline constexpr int kCommandIconSize = 16;

// Pictures that stand beside menu popups rather than commands.
enum class MenuPicture { ChartMode, SkyBackground, DeepSkyObject, HorizonPoint };

// The pictures of the commands (the picture column of commandstate/CommandTable.h); several
// commands may share one.
enum class CommandPicture {
    NoPicture,
    Open,
    PrintPreview,
    Print,
    ExportChart,
    NightVision,
    NaturalSky,
    Grid,
    Boundaries,
    Figures,
    DeepSky,
    MilkyWay,
    SolarSystem,
    DateTime,
    Now,
    Location,
    MagnitudeLimits,
    Magnifier,
    HelpContents,
    About,
    ContextHelp,
    QuestionMark,
    AnimBackward,
    StepBackward,
    AnimStop,
    StepForward,
    AnimForward,
    ZoomIn,
    ZoomOut,
    PanUp,
    PanDown,
    PanLeft,
    PanRight,
};

// How a picture is coloured: its own colours, or for night vision every colour turned into a
// dark red of the same brightness (NightDimmed dimmer still, for a disabled button).
enum class IconColours { Day, Night, NightDimmed };

// The picture drawn; an empty bundle for NoPicture.
wxBitmapBundle CommandIcon(CommandPicture picture, IconColours colours = IconColours::Day);
wxBitmapBundle MenuPopupIcon(MenuPicture picture);

// The program's own picture (the desktop icon, the About box), drawn at `size` pixels.
wxBitmapBundle ProgramIcon();
