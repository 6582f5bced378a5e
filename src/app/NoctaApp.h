// Folder app/: start-up and exit of the desktop program: the application object, the display
// check, the start-up options, the splash window, the desktop session and the recent pictures.
//
// CNoctaApp: the application object. Runs the start-up steps, the message loop and the exit step
// of the desktop program.
#pragma once

#include "app/DesktopSession.h"
#include "app/StartupOptions.h"

#include <wx/app.h>

class CNoctaApp : public wxApp {
public:
    explicit CNoctaApp(StartupOptions options = {});

    bool OnInit() override;
    int OnExit() override;

    // The status the program ends with (kExitMissingCatalogue when start-up stopped there).
    int ExitStatus() const { return m_exitStatus; }
    // The same, still readable after wxEntry has deleted the application object.
    static int LastExitStatus();
    DesktopSession& Session() { return m_session; }

private:
    StartupOptions m_options;
    DesktopSession m_session;
    int m_exitStatus = kExitOk;
};

wxDECLARE_APP(CNoctaApp);
