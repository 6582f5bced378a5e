#include "app/DisplayCheck.h"

#include <X11/Xlib.h>
#include <wayland-client.h>

#include <cstdlib>

const char* const kNoDisplayMessage =
    "vesperanova: the desktop program needs a graphical display (DISPLAY or WAYLAND_DISPLAY) and "
    "none could be opened.\nThe console modes --ephemeris, --info and --render run without "
    "one; see 'vesperanova --help'.\n";

bool GraphicalDisplayAvailable() {
    // Connections of our own: the toolkit's state is not touched, and the toolkit is started
    // later by wxWidgets in its own way.
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (wayland != nullptr && wayland[0] != '\0') {
        if (wl_display* display = wl_display_connect(nullptr)) {
            wl_display_disconnect(display);
            return true;
        }
    }
    const char* x11 = std::getenv("DISPLAY");
    if (x11 != nullptr && x11[0] != '\0') {
        // This connection stays open for the whole run: an X server without -noreset (Xvfb
        // under xvfb-run) resets when its last client leaves, and the toolkit's own connection
        // made a moment later would meet a server in the middle of its reset.
        static Display* const kept = XOpenDisplay(nullptr);
        return kept != nullptr;
    }
    return false;
}
