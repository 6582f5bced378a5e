#include "app/DisplayCheck.h"

#include <gdk/gdk.h>

const char* const kNoDisplayMessage =
    "vesperanova: the desktop program needs a graphical display (DISPLAY or WAYLAND_DISPLAY) and "
    "none could be opened.\nThe console modes --ephemeris, --info and --render run without "
    "one; see 'vesperanova --help'.\n";

bool GraphicalDisplayAvailable() {
    // A connection of our own, closed again: the toolkit itself is started later by wxWidgets,
    // with the settings it makes before the start (the C locale left alone).
    GdkDisplay* display = gdk_display_open(nullptr);
    if (display == nullptr) {
        return false;
    }
    gdk_display_close(display);
    return true;
}
