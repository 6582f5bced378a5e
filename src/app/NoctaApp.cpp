#include "app/NoctaApp.h"

#include <wx/config.h>
#include <wx/image.h>

namespace {
int g_lastExitStatus = kExitOk;
} // namespace

int CNoctaApp::LastExitStatus() {
    return g_lastExitStatus;
}

CNoctaApp::CNoctaApp(StartupOptions options) : m_options(std::move(options)) {}

bool CNoctaApp::OnInit() {
    // The command line was read before the display was opened; wx's own parsing is not used.
    // Nothing but the profile of our own is written: no configuration object of wx's.
    wxConfigBase::DontCreateOnDemand();
    wxInitAllImageHandlers();
    m_exitStatus = StartDesktop(m_session, m_options);
    g_lastExitStatus = m_exitStatus;
    return m_exitStatus == kExitOk;
}

int CNoctaApp::OnExit() {
    if (!FinishDesktop(m_session) && m_exitStatus == kExitOk) {
        m_exitStatus = kExitFailed;
    }
    g_lastExitStatus = m_exitStatus;
    return wxApp::OnExit();
}
