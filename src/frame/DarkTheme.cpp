#include "frame/DarkTheme.h"

#include <wx/event.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include <gtk/gtk.h>

#include <optional>
#include <string>

namespace {

constexpr const char* kPreferDark = "gtk-application-prefer-dark-theme";

// The desktop's own preference, read before the program first changed it.
std::optional<gboolean>& DesktopPreference() {
    static std::optional<gboolean> preference;
    return preference;
}

// Red on black for every widget; flat, so that no light gradient or shadow of the theme shows.
std::string NightStyleSheet() {
    const std::string text = kNightTextColour;
    const std::string back = kNightBackgroundColour;
    return "* { color: " + text + "; background-color: " + back +
           "; background-image: none; border-color: #400000; box-shadow: none;"
           " text-shadow: none; -gtk-icon-shadow: none; outline-color: #600000; }\n"
           "*:disabled { color: #580000; }\n"
           "*:selected, *:checked, *:hover, selection { background-color: #380000; color: #e00000; "
           "}\n"
           "entry, textview text, spinbutton, combobox button { background-color: #100000; }\n";
}

// The night style sheet, made once and added to the screen while night vision is on.
GtkCssProvider* NightProvider() {
    static GtkCssProvider* provider = [] {
        GtkCssProvider* made = gtk_css_provider_new();
        gtk_css_provider_load_from_data(made, NightStyleSheet().c_str(), -1, nullptr);
        return made;
    }();
    return provider;
}

// Adds or removes the night style sheet; true when that changed anything.
bool SetNightStyleSheet(bool on) {
    static bool added = false;
    GdkScreen* screen = gdk_screen_get_default();
    if (screen == nullptr || added == on) {
        return false;
    }
    // Above the user's own style sheet too: night vision is asked for now, for this program.
    if (on) {
        gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(NightProvider()),
                                                  GTK_STYLE_PROVIDER_PRIORITY_USER + 1);
    } else {
        gtk_style_context_remove_provider_for_screen(screen, GTK_STYLE_PROVIDER(NightProvider()));
    }
    added = on;
    return true;
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
    const bool sheetChanged = SetNightStyleSheet(dark);
    if (current == wanted && !sheetChanged) {
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
