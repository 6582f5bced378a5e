// The Observe menu's windows in the running desktop program: the Tonight list sorts by a column
// heading and a double click centres the chart on the object at its highest point; the altitude
// graph opens for the object looked at and saves a PNG without a file dialog.
#include "dialogs_support.h"

#include "astro/ClockTime.h"
#include "chart/Centering.h"
#include "commandstate/CommandTable.h"
#include "dialogs/AltitudeGraphDialog.h"
#include "dialogs/TonightDialog.h"
#include "frame/MainFrame.h"
#include "search/NameIndex.h"

#include <wx/image.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>

#include <cmath>
#include <string>
#include <vector>

using dialogs_test::ModalDriver;

namespace {

constexpr double kUnixEpochJd = 2440587.5;

class PlanningWindowsTest : public dialogs_test::DesktopFixture {
protected:
    void SetUp() override {
        DesktopFixture::SetUp();
        // A dark December evening with a short list of planets and Messier objects.
        Settings().SkyDate = SkyDate{2026, 12, 9, 20, 0, 0};
        ChartSky().SetClockTime(Settings().SkyDate);
    }
    void TearDown() override {
        Frame().Context().lookedAt.reset();
        DesktopFixture::TearDown();
    }

    // Sends what a click on the list's column heading sends.
    static void ClickHeading(wxListCtrl& list, int column) {
        wxListEvent click(wxEVT_LIST_COL_CLICK, list.GetId());
        click.m_col = column;
        click.SetEventObject(&list);
        list.GetEventHandler()->ProcessEvent(click);
    }
    static std::vector<double> Altitudes(wxListCtrl& list) {
        std::vector<double> shown;
        for (long i = 0; i < list.GetItemCount(); ++i) {
            shown.push_back(std::stod(list.GetItemText(i, 2).utf8_string()));
        }
        return shown;
    }
};

TEST_F(PlanningWindowsTest, TonightSortsByAHeadingAndADoubleClickCentresAtTheHighestPoint) {
    std::optional<VisibleObject> chosen;
    ModalDriver<CTonightDialog> driver([&](CTonightDialog& d) {
        wxListCtrl& list = *d.List();
        ASSERT_GE(list.GetItemCount(), 3);
        ClickHeading(list, static_cast<int>(WellPlacedColumn::MaxAltitude));
        std::vector<double> shown = Altitudes(list);
        EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
        ClickHeading(list, static_cast<int>(WellPlacedColumn::MaxAltitude)); // the other way
        shown = Altitudes(list);
        EXPECT_TRUE(std::is_sorted(shown.rbegin(), shown.rend()));
        EXPECT_EQ(list.GetSortIndicator(), static_cast<int>(WellPlacedColumn::MaxAltitude));
        EXPECT_FALSE(list.IsAscendingSortIndicator());
        // A double click on the highest object.
        chosen = d.Rows().front();
        wxListEvent activate(wxEVT_LIST_ITEM_ACTIVATED, list.GetId());
        activate.m_itemIndex = 0;
        activate.SetEventObject(&list);
        list.GetEventHandler()->ProcessEvent(activate);
    });
    Command(cmd::ObserveTonight);
    ASSERT_EQ(driver.Seen(), 1);
    ASSERT_TRUE(chosen.has_value());

    // The chart's clock shows the instant of the highest point, to the second, and the chart is
    // centred on the object as Find centres it.
    const ClockInstant clock = ObserverInstant(ChartSky().ClockTime(), ChartSky().Place().zone);
    EXPECT_NEAR(kUnixEpochJd + clock.time_since_epoch().count() / 86400.0, chosen->entry.transit,
                1.0 / 86400.0);
    const PlannedObject& object = chosen->entry.object;
    const NamedKind kind = object.kind == PlannedKind::DeepSky ? NamedKind::DeepSky
                           : object.kind == PlannedKind::Star  ? NamedKind::Star
                                                               : NamedKind::Body;
    const SearchTarget target =
        NamedObjectPosition({kind, object.index}, ChartSky().Catalog(), Sky());
    ChartState centred = Chart();
    CenterOn(centred, Sky(), target.ra, target.dec);
    EXPECT_DOUBLE_EQ(Chart().m_dTurnX, centred.m_dTurnX);
    EXPECT_EQ(Chart().m_nTurnY, centred.m_nTurnY);
    EXPECT_TRUE(View().MarkShown());
    // The altitude graph is now offered for it.
    ASSERT_TRUE(Frame().Context().lookedAt.has_value());
    EXPECT_EQ(Frame().Context().lookedAt->index, object.index);
}

TEST_F(PlanningWindowsTest, AltitudeGraphOpensForTheObjectLookedAtAndSavesAPng) {
    Frame().Context().lookedAt = PlannedObject{PlannedKind::Body, kBodyJupiter};
    const std::filesystem::path stem = guitest::FreshDirectory("altitude_graph") / "jupiter";
    ModalDriver<CAltitudeGraphDialog> driver([&](CAltitudeGraphDialog& d) {
        EXPECT_EQ(d.Graph().title.rfind("Jupiter", 0), 0u) << d.Graph().title;
        const wxString before = d.Reading()->GetLabel();
        d.ShowReadingAt(450.0); // the pointer in the middle of the graph
        EXPECT_NE(d.Reading()->GetLabel(), before);
        EXPECT_TRUE(d.SaveTo(stem.string(), 0)); // the PNG filter adds ".png"
    });
    Command(cmd::ObserveAltitudeGraph);
    ASSERT_EQ(driver.Seen(), 1);
    EXPECT_TRUE(Messages().empty());
    wxImage saved;
    ASSERT_TRUE(saved.LoadFile(stem.string() + ".png", wxBITMAP_TYPE_PNG));
    EXPECT_GT(saved.GetWidth(), saved.GetHeight());
}

} // namespace
