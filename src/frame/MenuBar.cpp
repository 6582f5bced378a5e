#include "frame/MenuBar.h"

#include "commandstate/CommandState.h"
#include "frame/CommandRows.h"
#include "guibase/Icons.h"

#include <wx/filename.h>
#include <wx/menu.h>

#include <gtk/gtk.h>

#include <utility>
#include <vector>

namespace {

const CommandRow& RowOf(int id) {
    return *FindCommandRow(id);
}

void Add(wxMenu& menu, int id) {
    const CommandRow& row = RowOf(id);
    const wxItemKind kind = IsCheckable(row.command) ? wxITEM_CHECK : wxITEM_NORMAL;
    auto* item = new wxMenuItem(&menu, id, wxString::FromUTF8(row.label.data(), row.label.size()),
                                wxString::FromUTF8(CommandPrompt(id)), kind);
    // GTK shows no picture beside a check item; pictures go only on plain entries.
    if (kind == wxITEM_NORMAL) {
        if (const wxBitmapBundle icon = CommandIcon(row.picture); icon.IsOk()) {
            item->SetBitmap(icon);
        }
    }
    menu.Append(item);
}

void AddPopup(wxMenu& menu, wxMenu* popup, const char* text, MenuPicture picture) {
    auto* item =
        new wxMenuItem(&menu, wxID_ANY, wxString::FromUTF8(text), wxString(), wxITEM_NORMAL, popup);
    item->SetBitmap(MenuPopupIcon(picture));
    menu.Append(item);
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
    // The menus of the table: a stack of the menu being filled and the submenus open in it.
    std::vector<wxMenu*> open;
    std::vector<std::pair<const char*, MenuPicture>> submenus;
    const char* menuTitle = nullptr;
#define VN_MENU(title)                                                                             \
    open.assign(1, new wxMenu);                                                                    \
    menuTitle = title;
#define VN_END_MENU() bar->Append(open.front(), wxString::FromUTF8(menuTitle));
#define VN_ITEM(name) Add(*open.back(), cmd::name);
#define VN_SEPARATOR() open.back()->AppendSeparator();
#define VN_SUBMENU(title, picture)                                                                 \
    submenus.emplace_back(title, MenuPicture::picture);                                            \
    open.push_back(new wxMenu);
#define VN_END_SUBMENU()                                                                           \
    {                                                                                              \
        wxMenu* popup = open.back();                                                               \
        open.pop_back();                                                                           \
        AddPopup(*open.back(), popup, submenus.back().first, submenus.back().second);              \
        submenus.pop_back();                                                                       \
    }
    VN_MENU_BAR(VN_MENU, VN_END_MENU, VN_ITEM, VN_SEPARATOR, VN_SUBMENU, VN_END_SUBMENU)
#undef VN_MENU
#undef VN_END_MENU
#undef VN_ITEM
#undef VN_SEPARATOR
#undef VN_SUBMENU
#undef VN_END_SUBMENU
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
        fileMenu.Insert(position, cmd::FileRecentFirst,
                        wxString::FromUTF8(RowOf(cmd::FileRecentFirst).label.data(),
                                           RowOf(cmd::FileRecentFirst).label.size()),
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
