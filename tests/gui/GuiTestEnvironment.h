// The GUI test harness: one wx application with a running event loop for the whole test program,
// a temporary configuration home (so no test ever reads or writes the user's files, and GTK
// prints to files only), and DesktopTest, a fixture whose main window is started once, with the
// program's real start-up, and shared by every test that uses it.
//
// Tests that change the chart put back what they changed (DesktopTest::SetUp resets the chart
// to the state after start-up), so their order does not matter.
#pragma once

#include "app/DesktopSession.h"
#include "frame/MainFrame.h"
#include "view/NoctaView.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace guitest {

// The temporary directory that stands for the user's configuration home for this run.
const std::filesystem::path& ConfigHome();
// A new empty directory under the run's temporary directory.
std::filesystem::path FreshDirectory(const std::string& name);

// Handles every pending event, timer and repaint; returns after at least `ms` milliseconds.
void Pump(int ms = 0);
// Pumps until `done` holds or `timeoutMs` passes; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// A message that would have been shown in a message box.
struct ShownMessage {
    std::string text;
    long style = 0;
};
// While alive, message boxes are recorded instead of shown (and answered with wxOK).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    const std::vector<ShownMessage>& Messages() const { return m_messages; }

private:
    std::vector<ShownMessage> m_messages;
};

// Runs `open`, which is expected to show a modal dialog of type Dialog; the dialog is closed
// with `result` as soon as it is shown. Returns whether such a dialog was shown.
bool CloseModalWhenShown(const std::function<bool(wxWindow*)>& isExpected, int result,
                         const std::function<void()>& open);
template <typename Dialog> bool ExpectModal(const std::function<void()>& open, int result) {
    return CloseModalWhenShown(
        [](wxWindow* window) { return dynamic_cast<Dialog*>(window) != nullptr; }, result, open);
}

// The main window of the program, started once for the test program.
class DesktopTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    static DesktopSession& Session();
    static CMainFrame& Frame();
    static CNoctaView& View();

    // Sends a command as the menu, a toolbar button or a key would (through the frame, which
    // refuses disabled commands) and handles the events it causes.
    static void Command(int id);
    // Presses a key with modifiers (wxMOD_SHIFT, wxMOD_CONTROL) on the chart view, through the
    // X server, and handles the events it causes.
    static void PressKey(int keyCode, int modifiers = 0);
    // Repaints the chart now and returns the number of frames drawn so far.
    static long RepaintNow();
    static wxString PaneText(int pane);
};

} // namespace guitest
