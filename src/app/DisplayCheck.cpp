#include "app/DisplayCheck.h"

#include <X11/Xlib.h>
#include <wayland-client.h>

#include <cstdlib>
#include <string_view>

const char* const kNoDisplayMessage =
    "vesperanova: the desktop program needs a graphical display (DISPLAY or WAYLAND_DISPLAY) and "
    "none could be opened.\nThe console modes --ephemeris, --info and --render run without "
    "one; see 'vesperanova --help'.\n";

namespace {

// The toolkit's own order when GDK_BACKEND does not choose: Wayland, then X.
constexpr std::string_view kAnyBackend = "*";

bool WaylandAvailable(const char* name) {
    // The toolkit hands the display name to Wayland too; without one, the environment's.
    if (name == nullptr) {
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        if (wayland == nullptr || wayland[0] == '\0') {
            return false;
        }
    }
    // A socket name that is not a path lies in XDG_RUNTIME_DIR; without it the library could
    // only complain on the terminal.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const char* socket = name != nullptr ? name : std::getenv("WAYLAND_DISPLAY");
    if (socket[0] != '/' && (runtime == nullptr || runtime[0] == '\0')) {
        return false;
    }
    if (wl_display* display = wl_display_connect(name)) {
        wl_display_disconnect(display);
        return true;
    }
    return false;
}

bool X11Available(const char* name) {
    if (name == nullptr) {
        const char* x11 = std::getenv("DISPLAY");
        if (x11 == nullptr || x11[0] == '\0') {
            return false;
        }
    }
    // This connection stays open for the whole run: an X server without -noreset (Xvfb under
    // xvfb-run) resets when its last client leaves, and the toolkit's own connection made a
    // moment later would meet a server in the middle of its reset.
    static Display* kept = nullptr;
    if (kept == nullptr) {
        kept = XOpenDisplay(name);
    }
    return kept != nullptr;
}

// Whether the backend named as GDK_BACKEND names it ("wayland", "x11", "*") can be opened;
// backends this program is not built for (and misspelt names) cannot.
bool BackendAvailable(std::string_view backend, const char* name) {
    if (backend == kAnyBackend) {
        return WaylandAvailable(name) || X11Available(name);
    }
    if (backend == "wayland") {
        return WaylandAvailable(name);
    }
    if (backend == "x11") {
        return X11Available(name);
    }
    return false;
}

} // namespace

bool GraphicalDisplayAvailable(const std::optional<std::string>& displayName) {
    // Connections of our own: the toolkit's state is not touched, and the toolkit is started
    // later by wxWidgets in its own way, trying the same backends with the same name.
    const char* name = displayName ? displayName->c_str() : nullptr;
    const char* chosen = std::getenv("GDK_BACKEND");
    std::string_view backends =
        chosen != nullptr && chosen[0] != '\0' ? std::string_view(chosen) : kAnyBackend;
    while (!backends.empty()) {
        const std::size_t comma = backends.find(',');
        if (BackendAvailable(backends.substr(0, comma), name)) {
            return true;
        }
        backends =
            comma == std::string_view::npos ? std::string_view() : backends.substr(comma + 1);
    }
    return false;
}
