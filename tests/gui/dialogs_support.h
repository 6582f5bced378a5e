// Helpers of the dialog and printing GUI tests, over the desktop test harness (one main window
// for the whole test program, a temporary configuration home whose GTK settings allow only the
// file print backend): program messages recorded instead of shown, the observer, date and
// computed sky put back after every test, and a driver that acts on a modal dialog from inside
// its modal loop.
#pragma once

#include "GuiTestEnvironment.h"

#include "astro/Recompute.h"
#include "settings/AppSettings.h"

#include <gtest/gtest.h>

#include <wx/dialog.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include <functional>
#include <memory>
#include <vector>

namespace dialogs_test {

class DesktopFixture : public guitest::DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        m_recorder = std::make_unique<guitest::MessageRecorder>();
        m_observer = Settings().Observer;
        m_date = Settings().SkyDate;
    }
    void TearDown() override {
        m_recorder.reset();
        Settings().Observer = m_observer;
        Settings().SkyDate = m_date;
        ChartSky().SetClockTime(Settings().SkyDate);
        ChartSky().SetPlace(PlaceOf(Settings().Observer));
        Chart().SetHemisphere(Settings().Observer.NS);
    }

    const std::vector<guitest::ShownMessage>& Messages() const { return m_recorder->Messages(); }
    // A new recorder (the old one must go first: its end restores the real message box).
    void ClearMessages() {
        m_recorder.reset();
        m_recorder = std::make_unique<guitest::MessageRecorder>();
    }

    static ChartState& Chart() { return View().Chart(); }
    static SkySession& ChartSky() { return View().Session(); }
    static const SkyState& Sky() { return View().Session().Sky(); }
    static AppSettings& Settings() { return View().Settings(); }

    // Waits until the view has drawn a frame after `before` frames.
    static bool RedrawnAfter(long before) {
        return guitest::PumpUntil([before] { return View().FramesDrawn() > before; });
    }

private:
    std::unique_ptr<guitest::MessageRecorder> m_recorder;
    Observer m_observer;
    SkyDate m_date;
};

// Acts once on the first shown modal dialog of class T from inside its modal loop. If the dialog
// is still open after `act` (a check failed, or `act` only looked), it is cancelled, so a test
// never hangs on a modal loop.
template <class T> class ModalDriver : public wxTimer {
public:
    explicit ModalDriver(std::function<void(T&)> act) : m_act(std::move(act)) { Start(kPollMs); }
    ~ModalDriver() override { Stop(); }

    int Seen() const { return m_seen; }

    void Notify() override {
        for (wxWindow* window : wxTopLevelWindows) {
            auto* dialog = dynamic_cast<T*>(window);
            if (dialog != nullptr && dialog->IsModal() && dialog->IsShown()) {
                if (m_seen++ == 0) {
                    m_act(*dialog);
                }
                if (dialog->IsModal()) {
                    dialog->EndModal(wxID_CANCEL);
                }
                return;
            }
        }
    }

private:
    static constexpr int kPollMs = 20;
    std::function<void(T&)> m_act;
    int m_seen = 0;
};

// Presses a button of a dialog as a click does.
inline void Press(wxWindow& dialog, int id) {
    wxWindow* button = dialog.FindWindow(id);
    ASSERT_NE(button, nullptr) << "no control " << id;
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

} // namespace dialogs_test
