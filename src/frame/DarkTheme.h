// The dark variant of the GTK theme, used while night vision is on: the status bar, the
// toolbars, the menus and every dialog then show light text on dark grey instead of a bright
// window frame around the red chart. Where the theme has no dark variant GTK shows the normal
// one; nothing else changes.
#pragma once

class wxWindow;

// Switches the program's windows to the dark theme variant (`dark`) or back to the variant the
// desktop had before the first switch. Every top-level window and its children take the new
// colours at once; windows made later take them when they are made.
void SetDarkTheme(bool dark);

// Whether the program asked for the dark variant (GTK's "gtk-application-prefer-dark-theme").
bool DarkThemePreferred();
