// The night colours of the whole window, used while night vision is on: the status bar, the
// toolbars, the navigation palette, the menus and every dialog then show dark red text on black
// instead of a bright window frame around the red chart, so that nothing spoils the eyes' dark
// adaptation. The dark variant of the GTK theme is asked for, and a style sheet for the whole
// screen, above the theme and the user's own, sets the red and black on every widget.
#pragma once

class wxWindow;

// Switches the program's windows to the night colours (`dark`) or back to the theme variant the
// desktop had before the first switch. Every top-level window and its children take the new
// colours at once; windows made later take them when they are made.
void SetDarkTheme(bool dark);

// Whether the program asked for the dark variant (GTK's "gtk-application-prefer-dark-theme").
bool DarkThemePreferred();

// The colours of the night style sheet, red on black ("#rrggbb").
inline constexpr const char* kNightTextColour = "#b00000";
inline constexpr const char* kNightBackgroundColour = "#000000";
