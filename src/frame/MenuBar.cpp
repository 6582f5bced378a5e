#include "frame/MenuBar.h"

#include "frame/CommandTexts.h"
#include "guibase/CommandIds.h"
#include "guibase/Icons.h"

#include <wx/filename.h>
#include <wx/menu.h>

#include <gtk/gtk.h>

namespace {

wxMenuItem* Add(wxMenu& menu, int id, const char* text, wxItemKind kind = wxITEM_NORMAL) {
    auto* item = new wxMenuItem(&menu, id, wxString::FromUTF8(text),
                                wxString::FromUTF8(CommandPrompt(id)), kind);
    // GTK shows no picture beside a check item; pictures go only on plain entries.
    if (kind == wxITEM_NORMAL) {
        if (const wxBitmapBundle icon = CommandIcon(id); icon.IsOk()) {
            item->SetBitmap(icon);
        }
    }
    menu.Append(item);
    return item;
}

wxMenuItem* AddCheck(wxMenu& menu, int id, const char* text) {
    return Add(menu, id, text, wxITEM_CHECK);
}

void AddPopup(wxMenu& menu, wxMenu* popup, const char* text, MenuPicture picture) {
    auto* item =
        new wxMenuItem(&menu, wxID_ANY, wxString::FromUTF8(text), wxString(), wxITEM_NORMAL, popup);
    item->SetBitmap(MenuPopupIcon(picture));
    menu.Append(item);
}

wxMenu* FileMenu() {
    auto* menu = new wxMenu;
    Add(*menu, cmd::FileOpen, "&Open...\tCtrl+O");
    Add(*menu, cmd::FileExportChart, "&Export Chart...\tCtrl+Shift+E");
    menu->AppendSeparator();
    Add(*menu, cmd::FilePrint, "&Print...\tCtrl+P");
    Add(*menu, cmd::FilePrintPreview, "Print Pre&view");
    Add(*menu, cmd::FilePrintSetup, "P&rint Setup...");
    menu->AppendSeparator();
    Add(*menu, cmd::FileRecentFirst, "Recent Files");
    menu->AppendSeparator();
    Add(*menu, cmd::FileExit, "E&xit\tAlt+F4");
    return menu;
}

wxMenu* ViewMenu() {
    auto* menu = new wxMenu;
    AddCheck(*menu, cmd::ViewStarNames, "&Star Names\tShift+S");
    AddCheck(*menu, cmd::ViewPlanetNames, "&Planet Names\tShift+P");
    AddCheck(*menu, cmd::ViewDeepSkyLabels, "&Deep Sky Labels\tShift+D");
    menu->AppendSeparator();
    AddCheck(*menu, cmd::ViewEcliptic, "&Eclipic\tE");
    AddCheck(*menu, cmd::ViewHorizon, "&Horizon\tH");
    menu->AppendSeparator();
    AddCheck(*menu, cmd::ViewStarColors, "Star &Colors\tShift+C");
    AddCheck(*menu, cmd::ViewNightVision, "&Night Vision\tCtrl+R");
    AddCheck(*menu, cmd::ViewPrecisePositions, "&Precise Positions");
    menu->AppendSeparator();
    AddCheck(*menu, cmd::ViewToolbar, "&Toolbar");
    AddCheck(*menu, cmd::ViewStatusBar, "Status &Bar");
    return menu;
}

wxMenu* SettingsMenu() {
    auto* menu = new wxMenu;
    auto* chartMode = new wxMenu;
    AddCheck(*chartMode, cmd::ChartEquatorial, "&Equatorial\tCtrl+Q");
    AddCheck(*chartMode, cmd::ChartLocalHorizon, "&Local Horizon\tCtrl+H");
    AddPopup(*menu, chartMode, "&Chart Mode", MenuPicture::ChartMode);
    Add(*menu, cmd::SettingsDateTime, "&Date/Time...");
    Add(*menu, cmd::SettingsLocation, "&Location...");
    Add(*menu, cmd::SettingsMagnitudeLimits, "&Magnitude Limits...");
    auto* sky = new wxMenu;
    AddCheck(*sky, cmd::SkyBlack, "&Black\tCtrl+K");
    AddCheck(*sky, cmd::SkyColor, "&Color\tCtrl+C");
    AddPopup(*menu, sky, "&Sky Background", MenuPicture::SkyBackground);
    return menu;
}

wxMenu* SearchMenu() {
    auto* menu = new wxMenu;
    Add(*menu, cmd::SearchFindObject, "&Find Object...\tCtrl+Shift+F");
    menu->AppendSeparator();
    Add(*menu, cmd::SearchStar, "&Star...");
    Add(*menu, cmd::SearchSolarSystem, "So&lar System Object...");
    Add(*menu, cmd::SearchConstellation, "&Constellation...");
    auto* deepSky = new wxMenu;
    Add(*deepSky, cmd::SearchMessier, "&Messier Catalog...");
    Add(*deepSky, cmd::SearchNgc, "&NGC Catalog...");
    AddPopup(*menu, deepSky, "&Deep Sky Object", MenuPicture::DeepSkyObject);
    auto* horizon = new wxMenu;
    Add(*horizon, cmd::HorizonEast, "&East\tCtrl+E");
    Add(*horizon, cmd::HorizonWest, "&West\tCtrl+W");
    Add(*horizon, cmd::HorizonNorth, "&North\tCtrl+N");
    Add(*horizon, cmd::HorizonSouth, "&South\tCtrl+S");
    horizon->AppendSeparator();
    Add(*horizon, cmd::Zenith, "&Zenith\tCtrl+Z");
    Add(*horizon, cmd::Nadir, "Na&dir\tCtrl+D");
    AddPopup(*menu, horizon, "&Horizon Point", MenuPicture::HorizonPoint);
    return menu;
}

wxMenu* HelpMenu() {
    auto* menu = new wxMenu;
    Add(*menu, cmd::HelpContents, "&Contents");
    Add(*menu, cmd::HelpUsing, "&Using Help");
    menu->AppendSeparator();
    Add(*menu, cmd::HelpAbout, "&About...");
    return menu;
}

// Menu labels treat '&' as the mnemonic mark; a path shows it doubled.
wxString MenuSafe(const wxString& text) {
    wxString out = text;
    out.Replace("&", "&&");
    return out;
}

} // namespace

wxMenuBar* BuildMenuBar() {
    // GTK hides the pictures of menu entries unless told to show them.
    if (GtkSettings* gtkSettings = gtk_settings_get_default()) {
        g_object_set(gtkSettings, "gtk-menu-images", TRUE, nullptr);
    }
    auto* bar = new wxMenuBar;
    bar->Append(FileMenu(), "&File");
    bar->Append(ViewMenu(), "&View");
    bar->Append(SettingsMenu(), "&Settings");
    bar->Append(SearchMenu(), "Sea&rch");
    bar->Append(HelpMenu(), "&Help");
    return bar;
}

void ShowRecentPictures(wxMenu& fileMenu, const std::vector<std::string>& paths) {
    // The recent entries stand where the first of them (or the placeholder) stands now.
    size_t position = 0;
    if (!fileMenu.FindChildItem(cmd::FileRecentFirst, &position)) {
        return;
    }
    for (int id = cmd::FileRecentFirst; id <= cmd::FileRecentLast; ++id) {
        if (wxMenuItem* item = fileMenu.FindChildItem(id)) {
            fileMenu.Destroy(item);
        }
    }
    if (paths.empty()) {
        fileMenu.Insert(position, cmd::FileRecentFirst, "Recent Files",
                        wxString::FromUTF8(CommandPrompt(cmd::FileRecentFirst)));
        fileMenu.Enable(cmd::FileRecentFirst, false);
        return;
    }
    const size_t count = std::min<size_t>(paths.size(), cmd::kRecentPictureCount);
    for (size_t i = 0; i < count; ++i) {
        const wxString label =
            wxString::Format("&%zu %s", i + 1, MenuSafe(wxString::FromUTF8(paths[i])));
        fileMenu.Insert(position + i, cmd::FileRecentFirst + static_cast<int>(i), label,
                        wxString::FromUTF8(CommandPrompt(cmd::FileRecentFirst)));
    }
}
