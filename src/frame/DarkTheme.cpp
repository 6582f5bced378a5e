#include "frame/DarkTheme.h"

#include <wx/event.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include <gtk/gtk.h>

#include <optional>

namespace {

constexpr const char* kPreferDark = "gtk-application-prefer-dark-theme";

// The desktop's own preference, read before the program first changed it.
std::optional<gboolean>& DesktopPreference() {
    static std::optional<gboolean> preference;
    return preference;
}

// wx reads the theme's colours once and keeps them; it reads them again, and tells its windows
// (toolbars and dock art included), when GTK reports that the theme changed.
void TellWindowsThemeChanged(GtkSettings* settings) {
    g_object_notify(G_OBJECT(settings), "gtk-theme-name");
    for (wxWindow* window : wxTopLevelWindows) {
        window->Refresh();
    }
}

} // namespace

void SetDarkTheme(bool dark) {
    GtkSettings* settings = gtk_settings_get_default();
    if (settings == nullptr) {
        return; // no display: nothing to show in any theme
    }
    std::optional<gboolean>& desktop = DesktopPreference();
    if (!desktop) {
        gboolean current = FALSE;
        g_object_get(settings, kPreferDark, &current, nullptr);
        desktop = current;
    }
    const gboolean wanted = dark ? TRUE : *desktop;
    gboolean current = FALSE;
    g_object_get(settings, kPreferDark, &current, nullptr);
    if (current == wanted) {
        return;
    }
    g_object_set(settings, kPreferDark, wanted, nullptr);
    TellWindowsThemeChanged(settings);
}

bool DarkThemePreferred() {
    GtkSettings* settings = gtk_settings_get_default();
    if (settings == nullptr) {
        return false;
    }
    gboolean current = FALSE;
    g_object_get(settings, kPreferDark, &current, nullptr);
    return current != FALSE;
}
