// Folder frame/: the main window and what it carries: menus, toolbars, status panes, keys, help
// and the About box, all built from the command table (commandstate/CommandTable.h).
//
// CMainFrame: the one main window. It carries the menu, the main toolbar with the time-step box,
// the floating navigation toolbar and the six-pane status bar; the chart view fills the rest. It
// refuses any command that is disabled at the moment (whether it came from a key, a toolbar
// button or anywhere else), keeps every command's enabled and checked state current at idle
// time, and hands every other command to its row's handler with the context of commands.
#pragma once

#include <wx/frame.h>
#include <wx/timer.h>

#include <wx/bmpbndl.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "commandstate/CommandState.h"
#include "guibase/CommandContext.h"

struct AppSettings;
class CNoctaDoc;
class CNoctaView;
class SkySession;
class ProgramHelp;
class wxAuiManager;
class wxAuiToolBar;
class wxChoice;
class wxUpdateUIEvent;

class CMainFrame : public wxFrame {
public:
    CMainFrame(AppSettings& settings, CNoctaDoc& doc);
    ~CMainFrame() override;

    CNoctaView& View() { return *m_view; }
    // Hands the sky session to the chart view and to the commands, once the catalogues are
    // loaded.
    void AttachSession(SkySession& session);
    AppSettings& Settings() { return m_settings; }
    CNoctaDoc& Doc() { return m_doc; }
    // What the handlers of the command table reach.
    CommandContext& Context() { return *m_context; }

    // The time-step box of the main toolbar: its entry 0..7.
    int TimeStepIndex() const;
    wxChoice& TimeStepBox() { return *m_timeStep; }
    wxAuiToolBar& MainToolbar() { return *m_mainToolbar; }
    // The floating navigation toolbar: three rows of two buttons.
    wxWindow& NavigationToolbar() { return *m_navigationToolbar; }
    wxAuiManager& DockManager() { return *m_aui; }

    // Enabled and checked state of a command as the menus and toolbars show it now.
    CommandUiState StateOf(int id) const;

    // The recent pictures, newest first (at most four), as the File menu lists them.
    const std::vector<std::string>& RecentPictures() const;
    void SetRecentPictures(std::vector<std::string> paths);
    // Puts `path` at the top of the list (once: an entry already there moves up).
    void AddRecentPicture(const std::string& path);

    // Sets the place, time, date and pointer panes from the current state (at idle time, and
    // at once after an animation step).
    void RefreshStatusPanes();

    // Where the settings profile lives (the recent-picture list is kept there too).
    void SetProfilePath(std::filesystem::path path) { m_profilePath = std::move(path); }
    const std::filesystem::path& ProfilePath() const { return m_profilePath; }

    ProgramHelp& Help();

    // Brings the floating navigation toolbar above the main window (after the main window was
    // shown: without a window manager nothing else keeps it on top).
    void RaiseNavigationToolbar();

protected:
    bool TryBefore(wxEvent& event) override;

private:
    void CreateToolbars();
    void CreateStatusPanes();
    void BindCommands();
    void ShowToolbarPrompt(int toolId);
    // The toolbar pictures in the night colours or their own.
    void ShowNightIcons(bool night);

    void OnUpdateCommand(wxUpdateUIEvent& event);
    void OnIdle(wxIdleEvent& event);
    void OnClockTimer(wxTimerEvent& event);

    AppSettings& m_settings;
    CNoctaDoc& m_doc;
    std::unique_ptr<wxAuiManager> m_aui;
    wxAuiToolBar* m_mainToolbar = nullptr;
    wxWindow* m_navigationToolbar = nullptr;
    wxChoice* m_timeStep = nullptr;
    CNoctaView* m_view = nullptr;
    std::unique_ptr<ProgramHelp> m_help;
    std::unique_ptr<CommandContext> m_context;
    std::filesystem::path m_profilePath;
    std::vector<wxString> m_paneTexts;
    bool m_nightIcons = false;
    std::map<int, std::pair<wxBitmapBundle, wxBitmapBundle>> m_dayIcons; // normal, disabled
    // Ticks every second while the chart follows the clock; the chart moves once a minute.
    wxTimer m_clockTimer;
    // Reads the mount's state (MountTick) while a telescope client exists.
    wxTimer m_mountTimer;

    wxDECLARE_EVENT_TABLE();
};
