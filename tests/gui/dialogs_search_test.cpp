// The five search dialogs in the running desktop program: lists, messages, centring in both
// chart modes and hemispheres, Cancel, and the Search menu commands with their redraw.
#include "dialogs_support.h"

#include "astro/Transforms.h"
#include "catalog/CatalogStore.h"
#include "chart/Centering.h"
#include "commands/CommandHandlers.h"
#include "dialogs/SearchDialogs.h"
#include "search/Search.h"

#include <wx/listbox.h>
#include <wx/textctrl.h>

#include <cmath>

using dialogs_test::ModalDriver;
using dialogs_test::Press;

namespace {

// Turns are computed from the same single-precision catalogue values on both sides.
constexpr double kTurnTolerance = 1e-9; // hours

class SearchDialogsTest : public dialogs_test::DesktopFixture {
protected:
    void SetUp() override {
        DesktopFixture::SetUp();
        Settings().Observer.NS = "N";
        Chart().SetHemisphere("N");
        Settings().HorizonView = 0;
        Chart().m_nHorizonViewSetting = 0;
        Chart().m_bHorizonView = 0;
        Chart().m_nLevel = 2;
        Chart().m_dTurnX = 3.0;
        Chart().m_nTurnY = 10;
        Chart().m_nTilt = 10;
    }

    // The Messier record with this number.
    static const DeepSkyRecord& Messier(int number) {
        for (std::size_t i = 0; i < kMessierCount; ++i) {
            if (ChartSky().Catalog().m_deepSky[i].number == number) {
                return ChartSky().Catalog().m_deepSky[i];
            }
        }
        throw std::runtime_error("no such Messier record");
    }

    static int Select(wxListBox& list, const char* text) {
        const int index = list.FindString(text, true);
        list.SetSelection(index);
        return index;
    }
};

TEST_F(SearchDialogsTest, MessierFindsTextNotNumber) {
    CSearchMessierDialog dialog(&Frame(), Chart(), ChartSky());
    EXPECT_EQ(dialog.GetTitle(), "Search for Messier...");
    EXPECT_TRUE(dialog.NumberBox().IsEmpty());

    dialog.NumberBox().ChangeValue("");
    EXPECT_FALSE(dialog.CentreOnNumber());
    EXPECT_TRUE(Messages().empty()); // an empty box does nothing at all
    EXPECT_DOUBLE_EQ(Chart().m_dTurnX, 3.0);

    dialog.NumberBox().ChangeValue("042");
    EXPECT_FALSE(dialog.CentreOnNumber());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Wrong catalog number !    ");
    EXPECT_EQ(Messages()[0].style, wxOK | wxICON_EXCLAMATION);
    EXPECT_DOUBLE_EQ(Chart().m_dTurnX, 3.0);
    EXPECT_EQ(Chart().m_nTurnY, 10);

    dialog.NumberBox().ChangeValue("42");
    ASSERT_TRUE(dialog.CentreOnNumber());
    const DeepSkyRecord& m42 = Messier(42);
    EXPECT_NEAR(Chart().m_dTurnX, -m42.ra, kTurnTolerance);
    EXPECT_EQ(Chart().m_nTurnY, static_cast<int>(std::trunc(m42.dec)));
    EXPECT_EQ(Chart().m_nTilt, std::abs(Chart().m_nTurnY));
}

TEST_F(SearchDialogsTest, MessierBoxTakesThreeDigitsOnly) {
    CSearchMessierDialog dialog(&Frame(), Chart(), ChartSky());
    dialog.Show();
    dialog.NumberBox().SetFocus();
    dialog.NumberBox().WriteText("12345"); // typed text beyond three characters is refused
    EXPECT_LE(dialog.NumberBox().GetValue().length(), kMessierNumberMaxLength);
    dialog.Hide();
}

TEST_F(SearchDialogsTest, ListsWithoutSelectionShowTheirMessages) {
    struct Case {
        CSearchListDialog::Kind kind;
        const char* title;
        const char* message;
        std::size_t entries;
    } cases[] = {
        {CSearchListDialog::Kind::Star, "Search for star...", "Select star or press ' Cancel '    ",
         kStarNameCount},
        {CSearchListDialog::Kind::Ngc, "Search for NGC...", "Select object or press ' Cancel '    ",
         kNgcCount},
        {CSearchListDialog::Kind::Constellation, "Search for constellation...",
         "Select constellation or press ' Cancel '    ", 88},
    };
    for (const Case& c : cases) {
        ClearMessages();
        CSearchListDialog dialog(&Frame(), c.kind, Chart(), ChartSky());
        EXPECT_EQ(dialog.GetTitle(), c.title);
        EXPECT_EQ(dialog.List().GetCount(), c.entries);
        EXPECT_EQ(dialog.List().GetSelection(), wxNOT_FOUND);
        EXPECT_FALSE(dialog.CentreOnSelection());
        ASSERT_EQ(Messages().size(), 1u) << c.title;
        EXPECT_EQ(Messages()[0].text, c.message);
        EXPECT_EQ(Messages()[0].style, wxOK | wxICON_EXCLAMATION);
        EXPECT_DOUBLE_EQ(Chart().m_dTurnX, 3.0);
    }
}

TEST_F(SearchDialogsTest, SouthernObserverAndWidestZoomSnap) {
    // A star at 6.75 h, -16.7 degrees for a southern observer: turn -17.25 and centre 16 at
    // level 2; at level 0 the snap gives -17 and 15.
    Settings().Observer.NS = "S";
    Chart().SetHemisphere("S");
    CenterOn(Chart(), Sky(), 6.75, -16.7);
    EXPECT_NEAR(Chart().m_dTurnX, -17.25, kTurnTolerance);
    EXPECT_EQ(Chart().m_nTurnY, 16);
    Chart().m_nLevel = 0;
    CSearchListDialog dialog(&Frame(), CSearchListDialog::Kind::Star, Chart(), ChartSky());
    Select(dialog.List(), "Sirius");
    ASSERT_TRUE(dialog.CentreOnSelection());
    const auto sirius = FindNamedStar(ChartSky().Catalog(), "Sirius");
    ASSERT_TRUE(sirius);
    EXPECT_EQ(Chart().m_nTurnY % 15, 0);
    EXPECT_EQ(Chart().m_dTurnX, std::round(Chart().m_dTurnX));
    EXPECT_NEAR(Chart().m_dTurnX, sirius->ra - 24, 0.5);
}

TEST_F(SearchDialogsTest, HorizonChartCentresOnAltitudeEvenBelowTheHorizon) {
    Settings().HorizonView = 1;
    Chart().m_nHorizonViewSetting = 1;
    Chart().m_bHorizonView = 1;
    CSearchSolarSystemDialog dialog(&Frame(), Chart(), Sky());
    for (int body = 0; body < 10; ++body) {
        dialog.CentreOnBody(body);
        const SolarSystemBody& b = Sky().m_bodies[static_cast<std::size_t>(body)];
        const HorizontalPosition h = EquatorialToHorizontal(b.ra, b.dec, Sky().m_dGST,
                                                            Sky().m_dLongitude, Sky().m_dLatitude);
        EXPECT_EQ(Chart().m_nTurnY, static_cast<int>(std::trunc(h.altitude))) << body;
    }
}

// The menu commands run their dialogs modally; the driver acts from inside the modal loop.
TEST_F(SearchDialogsTest, CommandsCentreAndRedrawOrChangeNothingOnCancel) {
    const long before = View().FramesDrawn();
    {
        ModalDriver<CSearchSolarSystemDialog> driver(
            [](CSearchSolarSystemDialog& d) { Press(d, search_id::Sun); });
        SearchSolarSystemCommand(Frame().Context(), CommandId::SearchSolarSystem);
        EXPECT_EQ(driver.Seen(), 1);
    }
    const SolarSystemBody& sun = Sky().m_bodies[kBodySun];
    EXPECT_NEAR(Chart().m_dTurnX, -sun.ra, kTurnTolerance);
    EXPECT_TRUE(RedrawnAfter(before));

    // Double-click on an entry acts as OK.
    {
        ModalDriver<CSearchListDialog> driver([](CSearchListDialog& d) {
            Select(d.List(), "Orion");
            wxCommandEvent dclick(wxEVT_LISTBOX_DCLICK, search_id::List);
            dclick.SetEventObject(&d.List());
            dclick.SetInt(d.List().GetSelection());
            d.List().GetEventHandler()->ProcessEvent(dclick);
        });
        SearchConstellationCommand(Frame().Context(), CommandId::SearchConstellation);
    }
    const auto orion = FindConstellationCentre("Orion");
    ASSERT_TRUE(orion);
    EXPECT_NEAR(Chart().m_dTurnX, -orion->ra, kTurnTolerance);
    EXPECT_EQ(Chart().m_nTurnY, static_cast<int>(orion->dec));

    // Cancel after choosing an entry changes nothing.
    const double turnX = Chart().m_dTurnX;
    const int turnY = Chart().m_nTurnY;
    {
        ModalDriver<CSearchListDialog> driver([](CSearchListDialog& d) {
            Select(d.List(), "Vega");
            Press(d, wxID_CANCEL);
        });
        SearchStarCommand(Frame().Context(), CommandId::SearchStar);
        EXPECT_EQ(driver.Seen(), 1);
    }
    EXPECT_DOUBLE_EQ(Chart().m_dTurnX, turnX);
    EXPECT_EQ(Chart().m_nTurnY, turnY);

    // A wrong number keeps the dialog open; the driver then cancels it.
    {
        ModalDriver<CSearchMessierDialog> driver([](CSearchMessierDialog& d) {
            d.NumberBox().ChangeValue("999");
            Press(d, wxID_OK);
            EXPECT_TRUE(d.IsModal());
        });
        SearchMessierCommand(Frame().Context(), CommandId::SearchMessier);
    }
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Wrong catalog number !    ");
    EXPECT_DOUBLE_EQ(Chart().m_dTurnX, turnX);
}

} // namespace
