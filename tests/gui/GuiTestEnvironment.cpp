#include "GuiTestEnvironment.h"

#include "chart/Projection.h"
#include "guibase/Messages.h"
#include "navigation/Animation.h"
#include "settings/AppSettings.h"

#include <wx/app.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/statusbr.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace guitest {
namespace {

std::filesystem::path g_runDirectory;
std::filesystem::path g_configHome;

class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// Sets up the wx application and an active event loop before the first test, and ends them
// after the last.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        g_runDirectory =
            std::filesystem::temp_directory_path() / ("vesperanova-gui-" + std::to_string(stamp));
        g_configHome = g_runDirectory / "config";
        std::filesystem::create_directories(g_configHome / "gtk-3.0");
        std::ofstream(g_configHome / "gtk-3.0" / "settings.ini")
            << "[Settings]\ngtk-print-backends=file\n";
        ::setenv("XDG_CONFIG_HOME", g_configHome.c_str(), 1);

        static char name[] = "test_gui";
        static char* argv[] = {name, nullptr};
        int argc = 1;
        wxApp::SetInstance(new TestApp);
        ASSERT_TRUE(wxEntryStart(argc, argv));
        ASSERT_TRUE(wxTheApp->CallOnInit());
        wxInitAllImageHandlers();
        m_loop = std::make_unique<wxGUIEventLoop>();
        m_activator = std::make_unique<wxEventLoopActivator>(m_loop.get());
    }

    void TearDown() override {
        if (wxWindow* top = wxTheApp->GetTopWindow()) {
            top->Destroy();
        }
        Pump(50);
        m_activator.reset();
        m_loop.reset();
        wxTheApp->OnExit();
        wxEntryCleanup();
        std::error_code error;
        std::filesystem::remove_all(g_runDirectory, error);
    }

private:
    std::unique_ptr<wxGUIEventLoop> m_loop;
    std::unique_ptr<wxEventLoopActivator> m_activator;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

std::unique_ptr<DesktopSession> g_session;
AppSettings g_settingsAfterStart;

} // namespace

const std::filesystem::path& ConfigHome() {
    return g_configHome;
}

std::filesystem::path FreshDirectory(const std::string& name) {
    const std::filesystem::path directory = g_runDirectory / name;
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    return directory;
}

void Pump(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        wxTheApp->ProcessPendingEvents();
        wxEventLoopBase* loop = wxEventLoopBase::GetActive();
        while (loop != nullptr && loop->Pending()) {
            loop->Dispatch();
        }
        wxTheApp->ProcessIdle();
        if (ms > 0) {
            wxMilliSleep(5);
        }
    } while (std::chrono::steady_clock::now() < end);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done() && std::chrono::steady_clock::now() < end) {
        Pump(10);
    }
    return done();
}

bool CloseModalWhenShown(const std::function<bool(wxWindow*)>& isExpected, int result,
                         const std::function<void()>& open) {
    bool seen = false;
    wxTimer watcher;
    watcher.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        for (wxWindow* window : wxTopLevelWindows) {
            auto* dialog = dynamic_cast<wxDialog*>(window);
            if (dialog != nullptr && dialog->IsModal() && isExpected(dialog)) {
                seen = true;
                dialog->EndModal(result);
                return;
            }
        }
    });
    watcher.Start(50);
    open();
    watcher.Stop();
    return seen;
}

MessageRecorder::MessageRecorder() {
    SetMessageSink([this](const std::string& text, long style) {
        m_messages.push_back({text, style});
        return wxOK;
    });
}

MessageRecorder::~MessageRecorder() {
    SetMessageSink({});
}

void DesktopTest::SetUpTestSuite() {
    if (g_session) {
        return;
    }
    g_session = std::make_unique<DesktopSession>();
    StartupOptions options;
    options.showSplash = false;
    options.profilePath = FreshDirectory("desktop-profile") / "nocta.ini";
    // The references of the desktop tests are values of the classic model; a new profile would
    // open in the precise one.
    std::ofstream(options.profilePath) << "[Settings]\nPrecisePositions=0\n";
    ASSERT_EQ(StartDesktop(*g_session, options), kExitOk);
    ASSERT_NE(g_session->frame.get(), nullptr);
    Pump(200);
    g_settingsAfterStart = g_session->settings;
    g_session->frame->View().Chart().CopyToSettings(g_settingsAfterStart);
}

void DesktopTest::SetUp() {
    ASSERT_TRUE(g_session && g_session->frame.get() != nullptr);
    // Every test starts from the chart as start-up left it, with the animation stopped.
    View().StopAnimation();
    AppSettings& settings = Session().settings;
    const SkyDate date = settings.SkyDate;
    settings = g_settingsAfterStart;
    settings.SkyDate = date;
    View().Chart().CopyFromSettings(settings);
    ApplyZoomRadius(View().Chart());
    // The sky session's place and model as start-up left them; the clock time runs on.
    SkySession& sky = View().Session();
    if (sky.Place() != PlaceOf(settings.Observer)) {
        sky.SetPlace(PlaceOf(settings.Observer));
    }
    if (sky.ModelKind() != SkyModelOfSettings(settings)) {
        sky.SetModel(SkyModelOfSettings(settings));
    }
    Frame().TimeStepBox().SetSelection(kDefaultTimeStepIndex);
    Frame().Context().clock.SetOn(false);
    Pump();
}

DesktopSession& DesktopTest::Session() {
    return *g_session;
}
CMainFrame& DesktopTest::Frame() {
    return *g_session->frame;
}
CNoctaView& DesktopTest::View() {
    return g_session->frame->View();
}

void DesktopTest::Command(int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(&Frame());
    Frame().GetEventHandler()->ProcessEvent(event);
    Pump();
}

void DesktopTest::PressKey(int keyCode, int modifiers) {
    View().SetFocus();
    Pump(50);
    wxUIActionSimulator simulator;
    simulator.Char(keyCode, modifiers);
    Pump(100);
}

long DesktopTest::RepaintNow() {
    View().Refresh(false);
    View().Update();
    Pump(20);
    return View().FramesDrawn();
}

wxString DesktopTest::PaneText(int pane) {
    return Frame().GetStatusBar()->GetStatusText(pane);
}

} // namespace guitest
