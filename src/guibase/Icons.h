// The small pictures of the program's commands: toolbar buttons and the menu entries beside
// them, drawn as vector pictures so they stay sharp at any size.
#pragma once

#include <wx/bmpbndl.h>
#include <wx/gdicmn.h>

// Toolbar buttons and menu pictures are this size.
inline constexpr int kCommandIconSize = 16;

// Pictures that stand beside menu popups rather than commands.
enum class MenuPicture { ChartMode, SkyBackground, DeepSkyObject, HorizonPoint };

// The picture of a command; an empty bundle for a command without one.
wxBitmapBundle CommandIcon(int id);
wxBitmapBundle MenuPopupIcon(MenuPicture picture);

// The program's own picture (the desktop icon, the About box), drawn at `size` pixels.
wxBitmapBundle ProgramIcon();
