// Right-clicking drawn objects in the running desktop program opens their information panels
// with the texts the core computes; the Image buttons find the sample pictures.
#include "objects_support.h"

#include "app/DesktopSession.h"
#include "astro/Recompute.h"
#include "chart/Centering.h"
#include "chart/Projection.h"
#include "dialogs/InfoPanelDialog.h"
#include "frame/MainFrame.h"
#include "guibase/Messages.h"
#include "navigation/Picking.h"
#include "navigation/PointerTracking.h"
#include "picture/PictureWindow.h"
#include "view/NoctaView.h"

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using objects_test::ModalWatcher;

namespace {

// What a test saw of a panel while it was open.
struct SeenPanel {
    std::string title;
    InfoPanelContent content;
    std::vector<std::string> shownValues; // the first value control of every row, as displayed
    bool imageEnabled = false;
};

class ObjectPanelsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        objects_test::EnsureGuiApp();
        s_dir = fs::path(testing::TempDir()) / "vn_objects_panels";
        fs::remove_all(s_dir);
        fs::create_directories(s_dir / "config");
        setenv("XDG_CONFIG_HOME", (s_dir / "config").c_str(), 1);
        SetMessageSink([](const std::string& text, long) {
            s_messages.push_back(text);
            return wxOK;
        });
        s_session = new DesktopSession;
        StartupOptions options;
        options.showSplash = false;
        options.profilePath = s_dir / "nocta.ini";
        // The panels' references are values of the classic model.
        std::ofstream(options.profilePath) << "[Settings]\nPrecisePositions=0\n";
        ASSERT_EQ(StartDesktop(*s_session, options), kExitOk);
        ASSERT_TRUE(objects_test::PumpUntil([] { return View().FramesDrawn() > 0; }));
    }
    static void TearDownTestSuite() {
        if (s_session != nullptr) {
            FinishDesktop(*s_session);
            delete s_session;
            s_session = nullptr;
        }
        SetMessageSink({});
        fs::remove_all(s_dir);
    }

    static CMainFrame& Frame() { return *s_session->frame.get(); }
    static CNoctaView& View() { return Frame().View(); }

    // A fixed instant (Jupiter in Taurus, near M1 and the Pleiades), the chart centred on
    // Jupiter, and a fresh frame drawn.
    static void ShowJupiterEvening() {
        AppSettings& settings = s_session->settings;
        settings.SkyDate = SkyDate{2024, 12, 7, 22, 0, 0};
        ChartState& chart = View().Chart();
        View().Session().SetClockTime(settings.SkyDate);
        const SkyState& sky = View().Session().Sky();
        CenterOn(chart, sky, sky.m_bodies[kBodyJupiter].ra, sky.m_bodies[kBodyJupiter].dec);
        const long before = View().FramesDrawn();
        View().Redraw();
        View().Update();
        ASSERT_TRUE(objects_test::PumpUntil([&] { return View().FramesDrawn() > before; }));
    }

    static void RightClick(PixelPoint at) {
        wxMouseEvent click(wxEVT_RIGHT_DOWN);
        click.SetPosition(wxPoint(at.x, at.y));
        click.SetEventObject(&View());
        View().GetEventHandler()->ProcessEvent(click);
    }

    // Right-clicks `at` and returns what the panel of class T showed, or nothing when none
    // opened.
    template <class T> static std::optional<SeenPanel> PanelAfterRightClick(PixelPoint at) {
        std::optional<SeenPanel> seen;
        ModalWatcher<T> watcher([&](T& panel) {
            SeenPanel s;
            s.title = panel.GetTitle().utf8_string();
            s.content = panel.Content();
            for (const InfoPanelRow& row : panel.Content().rows) {
                wxStaticText* value = panel.ValueControl(row.label);
                s.shownValues.push_back(value ? value->GetLabel().utf8_string() : "<missing>");
            }
            s.imageEnabled = panel.ImageButton() && panel.ImageButton()->IsEnabled();
            seen = std::move(s);
        });
        RightClick(at);
        objects_test::Pump();
        return seen;
    }

    static std::vector<std::string> FirstValues(const InfoPanelContent& content) {
        std::vector<std::string> values;
        for (const InfoPanelRow& row : content.rows) {
            values.push_back(row.values.empty() ? std::string() : row.values.front());
        }
        return values;
    }

    static inline DesktopSession* s_session = nullptr;
    static inline fs::path s_dir;
    static inline std::vector<std::string> s_messages;
};

TEST_F(ObjectPanelsTest, RightClickOnPlanetOpensItsSolarSystemPanel) {
    ShowJupiterEvening();
    const PixelPoint jupiter = View().Picks().bodies[kBodyJupiter];
    ASSERT_NE(jupiter, PixelPoint{}) << "Jupiter was not drawn";
    // a click two pixels off still hits (the box is 3 pixels each way)
    const auto seen = PanelAfterRightClick<BodyInfoDialog>({jupiter.x + 2, jupiter.y - 2});
    ASSERT_TRUE(seen.has_value()) << "no Solar System panel opened";
    EXPECT_EQ(seen->title, "Jupiter");
    const AppSettings& settings = s_session->settings;
    const InfoPanelContent expected = BodyInfoContent(
        View().Session().Sky().m_bodies, kBodyJupiter,
        InstantOf(settings.SkyDate, ZoneOf(settings.Observer)), PlaceOf(settings.Observer));
    EXPECT_EQ(seen->content.rows, expected.rows);
    EXPECT_EQ(seen->shownValues, FirstValues(expected));
    // Near opposition Jupiter is about magnitude -2.8 and 47 arcseconds across.
    const std::string magnitude = seen->content.Row("Magnitude:")->values[0];
    EXPECT_LT(std::stod(magnitude), -2.0) << magnitude;
    EXPECT_GT(std::stod(magnitude), -3.5) << magnitude;
    EXPECT_EQ(seen->content.Row("Angular size:")->values[0].back(), '"');
    EXPECT_TRUE(seen->imageEnabled) << "data/Images/Jupiter.jpg not found";
}

TEST_F(ObjectPanelsTest, RightClickOnStarOpensTheStarPanel) {
    ShowJupiterEvening();
    // The brightest drawn star that nothing else covers: a pick there must give that star.
    std::optional<std::size_t> star;
    for (std::size_t i = View().Picks().stars.size(); i-- > 0;) {
        const StarPick& s = View().Picks().stars[i];
        if ((s.x != 0 || s.y != 0) && s.magnitude <= 1 &&
            PickObject(View().Picks(), s.x, s.y) == PickedObject{PickedKind::Star, i}) {
            star = i;
            break;
        }
    }
    ASSERT_TRUE(star.has_value()) << "no bright star drawn";
    const StarPick at = View().Picks().stars[*star];
    const auto seen = PanelAfterRightClick<StarInfoDialog>({at.x, at.y});
    ASSERT_TRUE(seen.has_value()) << "no star panel opened";
    EXPECT_EQ(seen->title, "Star");
    const StarRecord& record = View().Session().Catalog().m_stars[*star];
    EXPECT_EQ(seen->content.Row("HR number:")->values[0], std::to_string(record.hr));
    const AppSettings& settings = s_session->settings;
    const InfoPanelContent expected = StarInfoContent(
        View().Session().Catalog(), *star, InstantOf(settings.SkyDate, ZoneOf(settings.Observer)),
        PlaceOf(settings.Observer));
    EXPECT_EQ(seen->shownValues, FirstValues(expected));
    EXPECT_FALSE(seen->imageEnabled); // the star panel has no Image button
}

TEST_F(ObjectPanelsTest, RightClickOnMessierObjectOpensTheDeepSkyPanel) {
    ShowJupiterEvening();
    std::optional<std::size_t> messier;
    for (std::size_t j = 0; j < kMessierCount; ++j) {
        const PixelPoint p = View().Picks().deepSky[j];
        if ((p.x != 0 || p.y != 0) &&
            PickObject(View().Picks(), p.x, p.y) == PickedObject{PickedKind::DeepSky, j}) {
            messier = j;
            break;
        }
    }
    ASSERT_TRUE(messier.has_value()) << "no Messier object drawn";
    const PixelPoint at = View().Picks().deepSky[*messier];
    const auto seen = PanelAfterRightClick<DeepSkyInfoDialog>(at);
    ASSERT_TRUE(seen.has_value()) << "no deep-sky panel opened";
    EXPECT_EQ(seen->title, "Deep sky object");
    const DeepSkyRecord& record = View().Session().Catalog().m_deepSky[*messier];
    EXPECT_EQ(seen->content.Row("Catalog number")->values[0], "M " + std::to_string(record.number));
    EXPECT_EQ(seen->content.Row("Right ascension:")->values.size(), 2u); // no seconds
    const AppSettings& settings = s_session->settings;
    const InfoPanelContent expected = DeepSkyInfoContent(
        View().Session().Catalog(), *messier,
        InstantOf(settings.SkyDate, ZoneOf(settings.Observer)), PlaceOf(settings.Observer));
    EXPECT_EQ(seen->shownValues, FirstValues(expected));
}

TEST_F(ObjectPanelsTest, RightClickOnEmptySkyOpensNothing) {
    ShowJupiterEvening();
    // Far outside the sphere no object is drawn.
    ModalWatcher<CInfoPanelDialog> watcher([](CInfoPanelDialog&) {});
    RightClick({2, 2});
    objects_test::Pump();
    EXPECT_EQ(watcher.Seen(), 0);
}

TEST_F(ObjectPanelsTest, PointerOverPlanetShowsItsPlaceInTheStatusBar) {
    ShowJupiterEvening();
    const SolarSystemBody jupiter = View().Session().Sky().m_bodies[kBodyJupiter];
    const PixelPoint at = View().Picks().bodies[kBodyJupiter];
    ASSERT_NE(at, PixelPoint{});
    const auto moveTo = [&](int x, int y) {
        wxMouseEvent move(wxEVT_MOTION);
        move.SetPosition(wxPoint(x, y));
        move.SetEventObject(&View());
        View().GetEventHandler()->ProcessEvent(move);
        Frame().RefreshStatusPanes();
    };
    moveTo(at.x, at.y);
    const auto& pointer = View().PointerPosition();
    ASSERT_TRUE(pointer.has_value());
    // one pixel of the level-2 chart is well under a tenth of a degree
    constexpr double kPixelToleranceDeg = 0.1;
    EXPECT_NEAR(pointer->ra * 15.0, jupiter.ra * 15.0, kPixelToleranceDeg);
    EXPECT_NEAR(pointer->dec, jupiter.dec, kPixelToleranceDeg);
    wxStatusBar* bar = Frame().GetStatusBar();
    ASSERT_NE(bar, nullptr);
    const std::string ra = bar->GetStatusText(1).utf8_string();
    const std::string dec = bar->GetStatusText(2).utf8_string();
    EXPECT_EQ(ra, RightAscensionPaneText(pointer->ra));
    EXPECT_EQ(dec, DeclinationPaneText(pointer->dec));
    EXPECT_EQ(ra.rfind("RA 04h ", 0), 0u) << ra;         // Jupiter at 4h 59m that evening
    EXPECT_EQ(dec.rfind("DEC 22\u00B0 ", 0), 0u) << dec; // and +22 degrees
    // off the sphere (the top-left corner of a zoomed-out chart) the panes go blank
    Frame().View().Chart().m_nLevel = 0;
    ApplyZoomRadius(Frame().View().Chart());
    moveTo(1, 1);
    EXPECT_FALSE(View().PointerPosition().has_value());
    EXPECT_EQ(bar->GetStatusText(1), "");
    EXPECT_EQ(bar->GetStatusText(2), "");
    Frame().View().Chart().m_nLevel = 2;
    ApplyZoomRadius(Frame().View().Chart());
}

TEST_F(ObjectPanelsTest, ImageButtonOpensThePictureOfTheObject) {
    const AppSettings& settings = s_session->settings;
    BodyInfoDialog panel(&Frame(), View().Session().Sky().m_bodies, kBodyMoon,
                         InstantOf(settings.SkyDate, ZoneOf(settings.Observer)),
                         PlaceOf(settings.Observer), settings.ProgramDir);
    ASSERT_NE(panel.ImageButton(), nullptr);
    ASSERT_TRUE(panel.ImageButton()->IsEnabled()) << settings.ProgramDir;
    EXPECT_EQ(panel.PicturePath()->filename(), "Moon.jpg");
    std::string title;
    wxSize area;
    ModalWatcher<PictureWindow> watcher([&](PictureWindow& window) {
        title = window.GetTitle().utf8_string();
        area = window.PictureAreaSize();
    });
    wxCommandEvent press(wxEVT_BUTTON, panel.ImageButton()->GetId());
    press.SetEventObject(panel.ImageButton());
    panel.ImageButton()->GetEventHandler()->ProcessEvent(press);
    EXPECT_EQ(watcher.Seen(), 1);
    EXPECT_EQ(title, "Moon.jpg");
    EXPECT_EQ(area, wxSize(240, 240)); // the sample pictures are 240 pixels square
}

TEST_F(ObjectPanelsTest, WithoutImagesFolderEveryImageButtonIsDisabled) {
    const AppSettings& settings = s_session->settings;
    const std::string nowhere = (s_dir / "no-program-dir").string();
    for (std::size_t b = 0; b < kBodyCount; ++b) {
        BodyInfoDialog panel(&Frame(), View().Session().Sky().m_bodies, b,
                             InstantOf(settings.SkyDate, ZoneOf(settings.Observer)),
                             PlaceOf(settings.Observer), nowhere);
        EXPECT_FALSE(panel.ImageButton()->IsEnabled()) << kBodyNames[b];
    }
    // the first NGC entry looks under the NGC label; there is no such picture anywhere
    DeepSkyInfoDialog ngc(&Frame(), View().Session().Catalog(), kNgcFirst,
                          InstantOf(settings.SkyDate, ZoneOf(settings.Observer)),
                          PlaceOf(settings.Observer), settings.ProgramDir);
    EXPECT_EQ(ngc.Content().pictureName.rfind("NGC", 0), 0u);
    EXPECT_FALSE(ngc.ImageButton()->IsEnabled());
}

} // namespace
