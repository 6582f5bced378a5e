// Helpers of the object-panel and picture GUI tests: a wx application for the test program, and
// a watcher that finds a modal window of a given class while it is open, lets the test look at
// it, and closes it, so the tests never block on a modal loop.
#pragma once

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <chrono>
#include <functional>
#include <thread>

namespace objects_test {

// Starts wx's GUI once for the whole test program (other test files may have done it already).
inline void EnsureGuiApp() {
    if (wxTheApp != nullptr) {
        return;
    }
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp());
    wxEntryStart(argc, argv);
    wxTheApp->CallOnInit();
}

// Processes pending window events for a while (paints, sizes, idle work).
inline void Pump(int rounds = 5) {
    for (int i = 0; i < rounds; ++i) {
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
}

// Pumps events until `done` holds or about `timeoutMs` milliseconds have passed.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    return true;
}

// While it lives, looks every few milliseconds for a shown modal dialog of class T; the first one
// found is handed to `inspect` and then closed with wxID_OK. Works inside the dialog's own
// modal loop, which keeps the timer running.
template <class T> class ModalWatcher : public wxTimer {
public:
    explicit ModalWatcher(std::function<void(T&)> inspect) : m_inspect(std::move(inspect)) {
        Start(kPollMs);
    }
    ~ModalWatcher() override { Stop(); }

    int Seen() const { return m_seen; }

    void Notify() override {
        for (wxWindow* window : wxTopLevelWindows) {
            auto* dialog = dynamic_cast<T*>(window);
            if (dialog != nullptr && dialog->IsModal() && dialog->IsShown()) {
                ++m_seen;
                m_inspect(*dialog);
                dialog->EndModal(wxID_OK);
                return;
            }
        }
    }

private:
    static constexpr int kPollMs = 20;
    std::function<void(T&)> m_inspect;
    int m_seen = 0;
};

} // namespace objects_test
