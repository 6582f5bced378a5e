// Whether the desktop program can open its windows.
#pragma once

#include <optional>
#include <string>

// "vesperanova: ..." — the line printed when no graphical display can be opened.
extern const char* const kNoDisplayMessage;

// Opens a connection of our own to each backend the toolkit would try, in its order (GDK_BACKEND,
// a comma-separated list, else Wayland then X), to the display `displayName` (the --display
// option) or else the environment's (WAYLAND_DISPLAY, DISPLAY), and reports whether one worked
// (an X connection is kept open for the run). A display that is missing, refuses us, or a
// backend that does not exist would otherwise end the program in the toolkit with a status of
// its own instead of our message.
bool GraphicalDisplayAvailable(const std::optional<std::string>& displayName = std::nullopt);
