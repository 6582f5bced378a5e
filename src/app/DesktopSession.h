// Start-up and exit of the desktop program: splash window, profile, program directory, main frame
// with its document and chart view, catalogues, the sky session for the computer's clock time
// (the first update), main window shown; at exit the chart view's fields copied back and
// the profile written once. CNoctaApp runs these; the GUI tests run the same steps inside their
// own application object.
#pragma once

#include "app/StartupOptions.h"
#include "astro/SkySession.h"
#include "cli/ExitStatus.h"
#include "guibase/NoctaDoc.h"
#include "settings/AppSettings.h"

#include <wx/weakref.h>

#include <filesystem>
#include <memory>

class CMainFrame;

struct DesktopSession {
    AppSettings settings;
    CNoctaDoc doc;
    // The sky the chart view draws: made once the catalogues are loaded; outlives the frame.
    std::unique_ptr<SkySession> sky;
    std::filesystem::path profilePath;
    wxWeakRef<CMainFrame> frame; // null once the main window is gone
    bool started = false;        // start-up completed: the exit step writes the profile
};

// Runs the start-up steps. Returns kExitOk when the message loop is to run (session.frame is
// the shown main window), else the exit status: kExitMissingCatalogue after the message of the
// first catalogue file that could not be opened (the profile is then never written).
int StartDesktop(DesktopSession& session, const StartupOptions& options);

// The exit step: destroys the main window if it still exists (its chart view copies the chart
// fields back into the settings), takes the sky session's place, clock time and model into the
// settings, then writes the profile and the recent-picture list. A failed
// write is reported in a message box. Does nothing when start-up did not complete. Returns true
// when everything was written.
bool FinishDesktop(DesktopSession& session);
