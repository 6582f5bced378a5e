// Find Object and the mouse in the running desktop program: a name centres the chart as the
// other searches do and marks the object; an unknown name is reported and changes nothing; the
// wheel zooms about the pointer; a drag carries the sky with the pointer; a click still centres.
#include "dialogs_support.h"

#include "catalog/CatalogStore.h"
#include "chart/Centering.h"
#include "commands/CommandHandlers.h"
#include "commandstate/CommandTable.h"
#include "dialogs/FindObjectDialog.h"
#include "frame/MainFrame.h"
#include "navigation/MouseNavigation.h"
#include "navigation/Navigation.h"

#include <wx/listbox.h>
#include <wx/textctrl.h>

#include <cmath>

using dialogs_test::ModalDriver;
using dialogs_test::Press;

namespace {

class FindAndMouseTest : public dialogs_test::DesktopFixture {
protected:
    void SetUp() override {
        DesktopFixture::SetUp();
        SetMode(false, "N");
        Chart().m_nLevel = 3;
        ApplyZoomRadius(Chart());
        Chart().m_dTurnX = 3.0;
        Chart().m_nTurnY = 10;
        Chart().m_nTilt = 10;
    }
    static void SetMode(bool horizon, const char* hemisphere) {
        Settings().Observer.NS = hemisphere;
        Chart().SetHemisphere(hemisphere);
        Settings().HorizonView = horizon ? 1 : 0;
        Chart().m_nHorizonViewSetting = horizon ? 1 : 0;
        Chart().m_bHorizonView = horizon ? 1 : 0;
    }
    static void Send(wxEventType type, int x, int y, bool leftDown, int wheel = 0) {
        wxMouseEvent event(type);
        event.m_x = x;
        event.m_y = y;
        event.m_leftDown = leftDown;
        event.m_wheelRotation = wheel;
        event.m_wheelDelta = 120;
        event.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
        event.SetEventObject(&View());
        View().GetEventHandler()->ProcessEvent(event);
    }
    static ChartPosition Under(int x, int y) {
        const auto sky = Unproject(Chart(), x, y);
        return sky ? FramePosition(Chart(), *sky) : ChartPosition{-99.0, -99.0};
    }
};

TEST_F(FindAndMouseTest, FindCentresLikeTheOtherSearchesInEveryModeAndMarks) {
    struct Case {
        bool horizon;
        const char* hemisphere;
    };
    for (const Case c : {Case{false, "N"}, Case{false, "S"}, Case{true, "N"}, Case{true, "S"}}) {
        SCOPED_TRACE(std::string(c.horizon ? "horizon " : "equatorial ") + c.hemisphere);
        SetMode(c.horizon, c.hemisphere);
        // Where the star search puts Betelgeuse (HR 2061) is where Find Object must put it.
        const StarRecord* star = nullptr;
        for (const StarRecord& s : View().Session().Catalog().m_stars) {
            if (s.hr == 2061) {
                star = &s;
            }
        }
        ASSERT_NE(star, nullptr);
        ChartState expected = Chart();
        CenterOn(expected, View().Session().Sky(), star->ra, star->dec);

        const long frames = View().FramesDrawn();
        ModalDriver<CFindObjectDialog> driver([](CFindObjectDialog& d) {
            d.NameBox().ChangeValue("alpha orionis");
            Press(d, wxID_OK);
        });
        FindObjectCommand(Frame().Context(), CommandId::SearchFindObject);
        EXPECT_EQ(driver.Seen(), 1);
        EXPECT_DOUBLE_EQ(Chart().m_dTurnX, expected.m_dTurnX);
        EXPECT_EQ(Chart().m_nTurnY, expected.m_nTurnY);
        EXPECT_TRUE(View().MarkShown());
        EXPECT_TRUE(RedrawnAfter(frames));
    }
}

TEST_F(FindAndMouseTest, CompletionsFollowTheTextAndADoubleClickFinds) {
    ModalDriver<CFindObjectDialog> driver([](CFindObjectDialog& d) {
        d.NameBox().SetValue("alf Or"); // SetValue sends the text event typing sends
        ASSERT_NE(d.Completions().FindString("Alpha Ori"), wxNOT_FOUND);
        d.NameBox().SetValue("Betel");
        ASSERT_GE(d.Completions().GetCount(), 1u);
        EXPECT_EQ(d.Completions().GetString(0), "Betelgeuse");
        d.Completions().SetSelection(0);
        wxCommandEvent dclick(wxEVT_LISTBOX_DCLICK, d.Completions().GetId());
        dclick.SetEventObject(&d.Completions());
        dclick.SetInt(0);
        dclick.SetString("Betelgeuse");
        d.Completions().GetEventHandler()->ProcessEvent(dclick);
        EXPECT_FALSE(d.IsModal()); // found and closed
    });
    FindObjectCommand(Frame().Context(), CommandId::SearchFindObject);
    EXPECT_EQ(driver.Seen(), 1);
    EXPECT_TRUE(View().MarkShown());
}

TEST_F(FindAndMouseTest, UnknownNameIsReportedAndChangesNothing) {
    const double turnX = Chart().m_dTurnX;
    {
        ModalDriver<CFindObjectDialog> driver([](CFindObjectDialog& d) {
            d.NameBox().ChangeValue("Vulcan");
            Press(d, wxID_OK);
            EXPECT_TRUE(d.IsModal());
        });
        FindObjectCommand(Frame().Context(), CommandId::SearchFindObject);
    }
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, kUnknownNameMessage);
    EXPECT_EQ(Chart().m_dTurnX, turnX);
    // While the animation runs the command is disabled, as the other searches are.
    Chart().m_bAnimate = 1;
    EXPECT_FALSE(Frame().StateOf(cmd::SearchFindObject).enabled);
    Chart().m_bAnimate = 0;
    EXPECT_TRUE(Frame().StateOf(cmd::SearchFindObject).enabled);
}

TEST_F(FindAndMouseTest, WheelDragAndClickOnTheView) {
    const int cx = Chart().m_nCenterX;
    const int cy = Chart().m_nCenterY;
    // One notch in at a point off the centre: one level in, the sky there stays there.
    const ChartPosition before = Under(cx + 80, cy - 50);
    Send(wxEVT_MOUSEWHEEL, cx + 80, cy - 50, false, 120);
    EXPECT_EQ(Chart().m_nLevel, 4);
    const ChartPosition after = Under(cx + 80, cy - 50);
    EXPECT_NEAR(std::remainder(after.ra - before.ra, 24.0) * 15.0, 0.0, 0.7);
    EXPECT_NEAR(after.dec, before.dec, 0.7);
    Send(wxEVT_MOUSEWHEEL, cx + 80, cy - 50, false, -120);
    EXPECT_EQ(Chart().m_nLevel, 3);

    // A drag: the point under the press follows the pointer; the release does not centre.
    const ChartPosition grabbed = Under(cx, cy);
    Send(wxEVT_LEFT_DOWN, cx, cy, true);
    for (int step = 1; step <= 6; ++step) {
        Send(wxEVT_MOTION, cx + 10 * step, cy + 5 * step, true);
    }
    Send(wxEVT_LEFT_UP, cx + 60, cy + 30, false);
    const ChartPosition moved = Under(cx + 60, cy + 30);
    EXPECT_NEAR(std::remainder(moved.ra - grabbed.ra, 24.0) * 15.0, 0.0, 0.7);
    EXPECT_NEAR(moved.dec, grabbed.dec, 0.7);

    // A click without movement centres as before.
    ChartState expected = Chart();
    ASSERT_TRUE(ClickToCentre(expected, cx - 70, cy + 40));
    Send(wxEVT_LEFT_DOWN, cx - 70, cy + 40, true);
    Send(wxEVT_LEFT_UP, cx - 70, cy + 40, false);
    EXPECT_DOUBLE_EQ(Chart().m_dTurnX, expected.m_dTurnX);
    EXPECT_EQ(Chart().m_nTurnY, expected.m_nTurnY);
}

} // namespace
