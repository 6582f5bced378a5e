// Entry point: console modes run without a display; otherwise the desktop program starts.
#include "app/DisplayCheck.h"
#include "app/NoctaApp.h"
#include "cli/Console.h"
#include "cli/ExitStatus.h"
#include "cli/TerminalText.h"

#include <wx/init.h>

#include <cstdio>

wxIMPLEMENT_APP_NO_MAIN(CNoctaApp);

int main(int argc, char** argv) {
    if (const auto status = RunConsoleMode(argc, argv)) {
        return *status;
    }
    const ParsedStartupOptions parsed = ParseStartupOptions(argc, argv);
    if (!parsed.options) {
        std::fprintf(stderr, "vesperanova: %s\nTry 'vesperanova --help'.\n",
                     TerminalSafeText(parsed.error).c_str());
        return kExitBadOption;
    }
    if (!GraphicalDisplayAvailable(parsed.options->display)) {
        std::fputs(kNoDisplayMessage, stderr);
        return kExitFailed;
    }
    // The application object is made here so it receives the parsed options; wxEntry uses it.
    auto* app = new CNoctaApp(*parsed.options);
    wxApp::SetInstance(app);
    const int loopStatus = wxEntry(argc, argv);
    // wxEntry has deleted the application object; its start-up outcome was kept beside it.
    const int status = CNoctaApp::LastExitStatus();
    return status != kExitOk ? status : loopStatus;
}
