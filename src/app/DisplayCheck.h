// Whether the desktop program can open its windows.
#pragma once

// "vesperanova: ..." — the line printed when no graphical display can be opened.
extern const char* const kNoDisplayMessage;

// Opens a connection to the display named by the environment (WAYLAND_DISPLAY, then DISPLAY)
// and reports whether that worked (an X connection is kept open for the run). Without a display the
// toolkit would end the program with a status of its own instead of our message.
bool GraphicalDisplayAvailable();
