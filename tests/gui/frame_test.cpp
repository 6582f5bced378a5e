// The main frame as the user meets it: title, menus, toolbars, status panes, and the commands and
// keys that drive the chart.
#include "GuiTestEnvironment.h"

#include "astro/ClockTime.h"
#include "chart/CairoSurface.h"
#include "commandstate/CommandTable.h"
#include "guibase/StatusPanes.h"
#include "navigation/Animation.h"
#include "settings/AppSettings.h"
#include "texts/StatusTexts.h"

#include <wx/aui/aui.h>
#include <wx/choice.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include <set>

namespace guitest {
namespace {

TEST_F(DesktopTest, WindowIsTitledWithTheProgramNameAndFillsTheScreen) {
    EXPECT_EQ(Frame().GetTitle(), "Vesperanova");
    const wxRect screen = wxGetClientDisplayRect();
    EXPECT_GE(Frame().GetSize().x, screen.width * 9 / 10);
    EXPECT_GE(Frame().GetSize().y, screen.height * 9 / 10);
}

struct MenuCase {
    int id;
    const char* label; // with mnemonic and accelerator text
    bool checkable;
};

const MenuCase kMenuCases[] = {
    {cmd::FileOpen, "&Open...\tCtrl+O", false},
    {cmd::FilePrintPreview, "Print Pre&view", false},
    {cmd::FilePrint, "&Print...\tCtrl+P", false},
    {cmd::FilePrintSetup, "P&rint Setup...", false},
    {cmd::FileExportChart, "&Export Chart...\tCtrl+Shift+E", false},
    {cmd::FileExit, "E&xit\tAlt+F4", false},
    {cmd::ViewStarNames, "&Star Names\tShift+S", true},
    {cmd::ViewPlanetNames, "&Planet Names\tShift+P", true},
    {cmd::ViewDeepSkyLabels, "&Deep Sky Labels\tShift+D", true},
    {cmd::ViewEcliptic, "&Eclipic\tE", true},
    {cmd::ViewHorizon, "&Horizon\tH", true},
    {cmd::ViewStarColors, "Star &Colors\tShift+C", true},
    {cmd::ViewNightVision, "&Night Vision\tCtrl+R", true},
    {cmd::ViewFollowClock, "Follow the &Clock", true},
    {cmd::TimeNow, "&Now\tCtrl+T", false},
    {cmd::ViewToolbar, "&Toolbar", true},
    {cmd::ViewStatusBar, "Status &Bar", true},
    {cmd::ChartEquatorial, "&Equatorial\tCtrl+Q", true},
    {cmd::ChartLocalHorizon, "&Local Horizon\tCtrl+H", true},
    {cmd::SettingsDateTime, "&Date/Time...", false},
    {cmd::SettingsLocation, "&Location...", false},
    {cmd::SettingsMagnitudeLimits, "&Magnitude Limits...", false},
    {cmd::SkyBlack, "&Black\tCtrl+K", true},
    {cmd::SkyColor, "&Color\tCtrl+C", true},
    {cmd::SearchFindObject, "&Find Object...\tCtrl+Shift+F", false},
    {cmd::SearchStar, "&Star...", false},
    {cmd::SearchSolarSystem, "So&lar System Object...", false},
    {cmd::SearchConstellation, "&Constellation...", false},
    {cmd::SearchMessier, "&Messier Catalog...", false},
    {cmd::SearchNgc, "&NGC Catalog...", false},
    {cmd::HorizonEast, "&East\tCtrl+E", false},
    {cmd::HorizonWest, "&West\tCtrl+W", false},
    {cmd::HorizonNorth, "&North\tCtrl+N", false},
    {cmd::HorizonSouth, "&South\tCtrl+S", false},
    {cmd::Zenith, "&Zenith\tCtrl+Z", false},
    {cmd::Nadir, "Na&dir\tCtrl+D", false},
    {cmd::TelescopeConnect, "&Connect\u2026", false},
    {cmd::TelescopeSlew, "&Slew to Object", false},
    {cmd::TelescopeFollow, "&Keep Centred on Telescope", true},
    {cmd::HelpContents, "&Contents", false},
    {cmd::HelpUsing, "&Using Help", false},
    {cmd::HelpAbout, "&About...", false},
};

TEST_F(DesktopTest, MenuEntriesCarryTheirTextsAcceleratorsAndCheckMarks) {
    wxMenuBar* bar = Frame().GetMenuBar();
    ASSERT_NE(bar, nullptr);
    const char* const titles[] = {"&File",    "&View",      "&Settings", "Sea&rch",
                                  "&Observe", "&Telescope", "&Help"};
    ASSERT_EQ(bar->GetMenuCount(), std::size(titles));
    for (size_t i = 0; i < std::size(titles); ++i) {
        EXPECT_EQ(bar->GetMenuLabel(i), titles[i]);
    }
    for (const MenuCase& c : kMenuCases) {
        SCOPED_TRACE(c.label);
        wxMenuItem* item = bar->FindItem(c.id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->GetItemLabel(), wxString::FromUTF8(c.label));
        EXPECT_EQ(item->IsCheckable(), c.checkable);
    }
}

TEST_F(DesktopTest, FileMenuKeepsItsSeparatorsAndRecentPlaceholder) {
    wxMenu* file = Frame().GetMenuBar()->GetMenu(0);
    std::vector<int> ids;
    for (const wxMenuItem* item : file->GetMenuItems()) {
        ids.push_back(item->IsSeparator() ? 0 : item->GetId());
    }
    const std::vector<int> expected = {cmd::FileOpen,
                                       cmd::FileExportChart,
                                       0,
                                       cmd::FilePrint,
                                       cmd::FilePrintPreview,
                                       cmd::FilePrintSetup,
                                       0,
                                       cmd::FileRecentFirst,
                                       0,
                                       cmd::FileExit};
    EXPECT_EQ(ids, expected);
    EXPECT_EQ(file->GetLabel(cmd::FileRecentFirst), "Recent Files");
}

TEST_F(DesktopTest, RecentPicturesReplaceThePlaceholderNewestFirstWithoutRepeats) {
    Frame().AddRecentPicture("/pictures/M31.JPG");
    Frame().AddRecentPicture("/pictures/Moon.gif");
    Frame().AddRecentPicture("/pictures/M31.JPG");
    wxMenu* file = Frame().GetMenuBar()->GetMenu(0);
    EXPECT_EQ(file->GetLabel(cmd::FileRecentFirst), "&1 /pictures/M31.JPG");
    EXPECT_EQ(file->GetLabel(cmd::FileRecentFirst + 1), "&2 /pictures/Moon.gif");
    EXPECT_EQ(file->FindItem(cmd::FileRecentFirst + 2), nullptr);
    EXPECT_TRUE(Frame().StateOf(cmd::FileRecentFirst + 1).enabled);
    Frame().SetRecentPictures({});
    EXPECT_EQ(file->GetLabel(cmd::FileRecentFirst), "Recent Files");
    EXPECT_FALSE(Frame().StateOf(cmd::FileRecentFirst).enabled);
}

TEST_F(DesktopTest, MainToolbarHoldsItsButtonsInOrderWithTheTimeStepBox) {
    wxAuiToolBar& bar = Frame().MainToolbar();
    std::vector<int> ids;
    for (size_t i = 0; i < bar.GetToolCount(); ++i) {
        const wxAuiToolBarItem* item = bar.FindToolByIndex(static_cast<int>(i));
        ids.push_back(item->GetKind() == wxITEM_SEPARATOR ? 0 : item->GetId());
    }
    const std::vector<int> expected = {cmd::FileOpen,
                                       cmd::FilePrintPreview,
                                       cmd::FilePrint,
                                       0,
                                       cmd::LayerGrid,
                                       cmd::LayerBoundaries,
                                       cmd::LayerFigures,
                                       cmd::LayerDeepSky,
                                       cmd::LayerMilkyWay,
                                       cmd::LayerSolarSystem,
                                       cmd::ViewNaturalSky,
                                       0,
                                       cmd::SettingsDateTime,
                                       cmd::TimeNow,
                                       cmd::SettingsLocation,
                                       0,
                                       cmd::TimeStepBox,
                                       cmd::AnimBackward,
                                       cmd::StepBackward,
                                       cmd::AnimStop,
                                       cmd::StepForward,
                                       cmd::AnimForward,
                                       0,
                                       cmd::HelpContext,
                                       cmd::HelpAbout};
    EXPECT_EQ(ids, expected);
    EXPECT_EQ(bar.GetToolShortHelp(cmd::LayerGrid), "Grids");
    EXPECT_EQ(bar.GetToolLongHelp(cmd::LayerGrid), "Grid lines");
    EXPECT_EQ(bar.GetToolShortHelp(cmd::FileOpen), "Open");
    EXPECT_EQ(bar.GetToolLongHelp(cmd::FileOpen), "Open a picture");

    const wxAuiPaneInfo& pane = Frame().DockManager().GetPane(&bar);
    EXPECT_TRUE(pane.IsToolbar());
    EXPECT_EQ(pane.dock_direction, wxAUI_DOCK_TOP);
    EXPECT_TRUE(pane.IsTopDockable());
    EXPECT_TRUE(pane.IsBottomDockable());
    EXPECT_FALSE(pane.IsLeftDockable());
    EXPECT_FALSE(pane.IsRightDockable());
}

TEST_F(DesktopTest, TimeStepBoxListsTheEightStepsAndStartsAtOneDay) {
    wxChoice& box = Frame().TimeStepBox();
    const char* const entries[] = {" Real time", " 10 minutes", " 30 minutes", " 1 hour",
                                   " 1 day",     " 7 days",     " 1 month",    " 1 year"};
    ASSERT_EQ(box.GetCount(), 8u);
    for (unsigned i = 0; i < 8; ++i) {
        EXPECT_EQ(box.GetString(i), entries[i]);
    }
    EXPECT_EQ(box.GetSelection(), 4);
    EXPECT_EQ(Frame().TimeStepIndex(), 4);
}

TEST_F(DesktopTest, NavigationToolbarFloatsWithThreeRowsOfTwoButtons) {
    const wxAuiPaneInfo& pane = Frame().DockManager().GetPane(&Frame().NavigationToolbar());
    EXPECT_TRUE(pane.IsFloating());
    EXPECT_FALSE(pane.IsDockable());
    EXPECT_TRUE(pane.IsFixed());
    std::vector<std::vector<int>> rows;
    for (wxWindow* child : Frame().NavigationToolbar().GetChildren()) {
        auto* bar = dynamic_cast<wxAuiToolBar*>(child);
        ASSERT_NE(bar, nullptr);
        std::vector<int> row;
        for (size_t i = 0; i < bar->GetToolCount(); ++i) {
            row.push_back(bar->FindToolByIndex(static_cast<int>(i))->GetId());
        }
        rows.push_back(row);
    }
    const std::vector<std::vector<int>> expected = {
        {cmd::ZoomIn, cmd::ZoomOut}, {cmd::PanDown, cmd::PanUp}, {cmd::PanLeft, cmd::PanRight}};
    EXPECT_EQ(rows, expected);
}

TEST_F(DesktopTest, StatusPanesShowPlaceTimeAndDate) {
    wxStatusBar* bar = Frame().GetStatusBar();
    ASSERT_EQ(bar->GetFieldsCount(), cmd::kPaneCount);
    for (int pane = 1; pane < cmd::kPaneCount; ++pane) {
        EXPECT_GT(bar->GetStatusWidth(pane), 0) << "pane " << pane;
    }
    // The place pane shows the place as the settings hold it, typed or picked.
    SkySession& sky = View().Session();
    const Observer before = View().Settings().Observer;
    View().Settings().Observer.Location = "Chile:La Serena";
    sky.SetClockTime(SkyDate{1998, 12, 7, 21, 5, 0});
    Frame().RefreshStatusPanes();
    EXPECT_EQ(PaneText(cmd::kPanePlaceName), "Chile:La Serena");
    EXPECT_EQ(PaneText(cmd::kPaneClockTime), "21:05");
    EXPECT_EQ(PaneText(cmd::kPaneCalendarDate), "07  Dec 1998");
    sky.SetClockTime(SkyDate{1998, 12, 7, 0, 0, 0});
    Frame().RefreshStatusPanes();
    EXPECT_EQ(PaneText(cmd::kPaneClockTime), "0:00");
    View().Settings().Observer = before;
}

TEST_F(DesktopTest, PointerOverTheSkyShowsItsPositionInTheCoordinatePanes) {
    const ChartState& chart = View().Chart();
    wxMouseEvent move(wxEVT_MOTION);
    move.SetPosition(wxPoint(chart.m_nCenterX, chart.m_nCenterY));
    View().GetEventHandler()->ProcessEvent(move);
    Frame().RefreshStatusPanes();
    EXPECT_TRUE(PaneText(cmd::kPaneRa).StartsWith("RA "));
    EXPECT_TRUE(PaneText(cmd::kPaneDec).StartsWith("DEC "));
}

// Every layer and display switch: the command flips the chart's switch, shows it checked and
// draws a new frame; the same command flips it back.
TEST_F(DesktopTest, LayerAndDisplaySwitchesToggleCheckAndRedraw) {
    struct Case {
        int id;
        int ChartState::*field;
    };
    const Case cases[] = {
        {cmd::LayerGrid, &ChartState::m_bCoordinations},
        {cmd::LayerBoundaries, &ChartState::m_bBoundaries},
        {cmd::LayerFigures, &ChartState::m_bConstelations},
        {cmd::LayerDeepSky, &ChartState::m_bDeepSky},
        {cmd::LayerMilkyWay, &ChartState::m_bMilkyWay},
        {cmd::LayerSolarSystem, &ChartState::m_bSolarSystem},
        {cmd::ViewStarNames, &ChartState::m_bStarNames},
        {cmd::ViewPlanetNames, &ChartState::m_bSolSysLabels},
        {cmd::ViewDeepSkyLabels, &ChartState::m_bDeepSkyNames},
        {cmd::ViewEcliptic, &ChartState::m_bEcliptic},
        {cmd::ViewHorizon, &ChartState::m_bHorizon},
        {cmd::ViewStarColors, &ChartState::m_bColoredStars},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const int before = View().Chart().*c.field;
        const long frames = RepaintNow();
        Command(c.id);
        EXPECT_EQ(View().Chart().*c.field, before != 0 ? 0 : 1);
        EXPECT_EQ(Frame().StateOf(c.id).checked, std::optional<bool>(before == 0));
        EXPECT_GT(RepaintNow(), frames);
        Command(c.id);
        EXPECT_EQ(View().Chart().*c.field, before);
    }
}

TEST_F(DesktopTest, ChartModeAndSkyBackgroundSetTheChartAndTheSettingsTogether) {
    Command(cmd::ChartLocalHorizon);
    EXPECT_EQ(View().Chart().m_bHorizonView, 1);
    EXPECT_EQ(Session().settings.HorizonView, 1);
    EXPECT_EQ(Frame().StateOf(cmd::ChartLocalHorizon).checked, std::optional<bool>(true));
    EXPECT_EQ(Frame().StateOf(cmd::ChartEquatorial).checked, std::optional<bool>(false));
    Command(cmd::ChartEquatorial);
    EXPECT_EQ(View().Chart().m_bHorizonView, 0);
    EXPECT_EQ(Session().settings.HorizonView, 0);
    // Choosing the chart already shown changes nothing but draws again.
    const long frames = RepaintNow();
    Command(cmd::ChartEquatorial);
    EXPECT_EQ(View().Chart().m_bHorizonView, 0);
    EXPECT_GT(RepaintNow(), frames);

    Command(cmd::SkyColor);
    EXPECT_EQ(View().Chart().m_bColoredSky, 1);
    EXPECT_EQ(Session().settings.ColoredSky, 1);
    Command(cmd::SkyBlack);
    EXPECT_EQ(View().Chart().m_bColoredSky, 0);
    EXPECT_EQ(Session().settings.ColoredSky, 0);

    // The natural style: a check item, kept in the settings, drawn at once.
    const long before = RepaintNow();
    Command(cmd::ViewNaturalSky);
    EXPECT_EQ(View().Chart().m_bNaturalSky, 1);
    EXPECT_EQ(Session().settings.NaturalSky, 1);
    EXPECT_EQ(Frame().StateOf(cmd::ViewNaturalSky).checked, std::optional<bool>(true));
    EXPECT_GT(RepaintNow(), before);
    Command(cmd::ViewNaturalSky);
    EXPECT_EQ(Session().settings.NaturalSky, 0);
}

TEST_F(DesktopTest, ZoomAndPanCommandsMoveTheChart) {
    ChartState& chart = View().Chart();
    const int level = chart.m_nLevel;
    Command(cmd::ZoomIn);
    EXPECT_EQ(chart.m_nLevel, level + 1);
    EXPECT_EQ(chart.m_nRadius, static_cast<unsigned>((level + 2) * chart.m_nBaseRadius));
    Command(cmd::ZoomOut);
    EXPECT_EQ(chart.m_nLevel, level);
    const int turnY = chart.m_nTurnY;
    Command(cmd::PanUp);
    EXPECT_EQ(chart.m_nTurnY, turnY + 5);
    Command(cmd::PanDown);
    EXPECT_EQ(chart.m_nTurnY, turnY);
    const double turnX = chart.m_dTurnX;
    Command(cmd::PanRight);
    EXPECT_NE(chart.m_dTurnX, turnX);
    Command(cmd::PanLeft);
    EXPECT_NEAR(chart.m_dTurnX, turnX, 1e-9); // hours; one step there and back
}

TEST_F(DesktopTest, HorizonPointsCentreTheLocalHorizonChart) {
    Command(cmd::ChartLocalHorizon);
    Command(cmd::HorizonEast);
    EXPECT_DOUBLE_EQ(View().Chart().m_dTurnX, -6.0);
    EXPECT_EQ(View().Chart().m_nTurnY, 0);
    Command(cmd::Zenith);
    EXPECT_EQ(View().Chart().m_nTurnY, 90);
    EXPECT_DOUBLE_EQ(View().Chart().m_dTurnX, -6.0);
    Command(cmd::ChartEquatorial);
}

TEST_F(DesktopTest, AnimationRunsTheDateForwardAndDisablesDialogsUntilStopped) {
    const SkyDate start = View().Session().ClockTime();
    Command(cmd::AnimForward);
    ASSERT_TRUE(View().Animating());
    EXPECT_TRUE(Frame().StateOf(cmd::AnimStop).enabled);
    for (const int id :
         {cmd::AnimForward, cmd::AnimBackward, cmd::StepForward, cmd::StepBackward,
          cmd::SettingsDateTime, cmd::SettingsLocation, cmd::SearchStar, cmd::SearchFindObject,
          cmd::HorizonEast, cmd::ChartLocalHorizon, cmd::SkyColor, cmd::FileOpen, cmd::FilePrint,
          cmd::HelpAbout, cmd::TimeStepBox}) {
        EXPECT_FALSE(Frame().StateOf(id).enabled) << id;
    }
    for (const int id : {cmd::ZoomIn, cmd::PanUp, cmd::LayerGrid, cmd::ViewEcliptic}) {
        EXPECT_TRUE(Frame().StateOf(id).enabled) << id;
    }
    // A disabled command does nothing, wherever it comes from.
    Command(cmd::ChartLocalHorizon);
    EXPECT_EQ(View().Chart().m_bHorizonView, 0);

    const long frames = View().FramesDrawn();
    EXPECT_TRUE(PumpUntil([&] { return View().Session().ClockTime().day != start.day; }));
    EXPECT_TRUE(PumpUntil([&] { return View().FramesDrawn() > frames; }));
    Command(cmd::AnimStop);
    EXPECT_FALSE(View().Animating());
    EXPECT_TRUE(Frame().StateOf(cmd::SettingsDateTime).enabled);
    EXPECT_FALSE(Frame().StateOf(cmd::AnimStop).enabled);
    EXPECT_EQ(PaneText(cmd::kPaneCalendarDate),
              wxString::FromUTF8(DatePaneText(View().Session().ClockTime())));
}

TEST_F(DesktopTest, SingleStepsMoveOneStepOfTheChosenSize) {
    SkySession& sky = View().Session();
    sky.SetClockTime(SkyDate{1999, 2, 25, 12, 0, 0});
    Frame().TimeStepBox().SetSelection(5); // " 7 days"
    Command(cmd::StepForward);
    EXPECT_EQ(sky.ClockTime(), (SkyDate{1999, 3, 4, 12, 0, 0}));
    EXPECT_FALSE(View().Animating());
    Command(cmd::StepBackward);
    EXPECT_EQ(sky.ClockTime(), (SkyDate{1999, 2, 25, 12, 0, 0}));
    EXPECT_EQ(PaneText(cmd::kPaneCalendarDate), "25  Feb 1999");
}

TEST_F(DesktopTest, NowAndFollowingTheClockUntilTheUserSetsATime) {
    // "Now" as the chart takes it: the observer's clock time to the minute (NowAtObserver),
    // read before and after so that a minute turning over in between cannot fail the test.
    SkySession& sky = View().Session();
    const auto nowShown = [&] {
        const SkyDate before = NowAtObserver(sky.Place().zone);
        const SkyDate shown = sky.ClockTime();
        return shown == before || shown == NowAtObserver(sky.Place().zone);
    };
    const SkyDate old{1999, 2, 25, 12, 0, 0};
    sky.SetClockTime(old);
    PressKey('T', wxMOD_CONTROL);
    EXPECT_TRUE(nowShown());
    EXPECT_EQ(PaneText(cmd::kPaneCalendarDate), wxString::FromUTF8(DatePaneText(sky.ClockTime())));
    EXPECT_EQ(Frame().StateOf(cmd::ViewFollowClock).checked, false); // off by default

    Command(cmd::ViewFollowClock);
    EXPECT_EQ(Frame().StateOf(cmd::ViewFollowClock).checked, true);
    sky.SetClockTime(old); // as if the minute shown had passed long ago
    EXPECT_TRUE(PumpUntil([&] { return sky.ClockTime() != old; })); // the clock's timer
    EXPECT_TRUE(nowShown());
    // A step is a time the user sets: the clock is left, and the chart stays where it went.
    Command(cmd::StepForward);
    EXPECT_EQ(Frame().StateOf(cmd::ViewFollowClock).checked, false);
    const SkyDate stepped = sky.ClockTime();
    Pump(1500);
    EXPECT_EQ(sky.ClockTime(), stepped);
    Command(cmd::ViewFollowClock);
    Command(cmd::AnimForward);
    Command(cmd::AnimStop);
    EXPECT_EQ(Frame().StateOf(cmd::ViewFollowClock).checked, false);
}

TEST_F(DesktopTest, AnimationWithNothingThatMovesSaysSoAndDoesNotStart) {
    MessageRecorder messages;
    Command(cmd::LayerSolarSystem);
    Command(cmd::ViewHorizon);
    ASSERT_EQ(View().Chart().m_bSolarSystem, 0);
    ASSERT_EQ(View().Chart().m_bHorizon, 0);
    Command(cmd::AnimForward);
    EXPECT_FALSE(View().Animating());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text,
              "Solar System objects and horizon are not visible !    ");
}

TEST_F(DesktopTest, ToolbarAndStatusBarCanBeHiddenAndShownAgain) {
    Command(cmd::ViewToolbar);
    EXPECT_EQ(Frame().StateOf(cmd::ViewToolbar).checked, std::optional<bool>(false));
    Command(cmd::ViewToolbar);
    EXPECT_EQ(Frame().StateOf(cmd::ViewToolbar).checked, std::optional<bool>(true));
    Command(cmd::ViewStatusBar);
    EXPECT_FALSE(Frame().GetStatusBar()->IsShown());
    Command(cmd::ViewStatusBar);
    EXPECT_TRUE(Frame().GetStatusBar()->IsShown());
}

TEST_F(DesktopTest, NightVisionLeavesOnlyRedOnTheScreen) {
    Command(cmd::ViewNightVision);
    EXPECT_EQ(Session().settings.NightVision, 1);
    RepaintNow();
    CairoImageSurface& image = View().Offscreen();
    bool anyLight = false;
    for (int y = 0; y < 2 * View().Chart().m_nCenterY; y += 7) {
        for (int x = 0; x < 2 * View().Chart().m_nCenterX; x += 7) {
            const Rgb pixel = image.PixelAt(x, y);
            ASSERT_EQ(pixel.g, 0) << x << "," << y;
            ASSERT_EQ(pixel.b, 0) << x << "," << y;
            anyLight = anyLight || pixel.r > 0;
        }
    }
    EXPECT_TRUE(anyLight);
    Command(cmd::ViewNightVision);
    EXPECT_EQ(Session().settings.NightVision, 0);
}

TEST_F(DesktopTest, ResizingMovesTheCentreButKeepsTheScale) {
    ChartState& chart = View().Chart();
    const unsigned radius = chart.m_nRadius;
    const wxSize before = View().GetClientSize();
    View().SetSize(wxSize(801, 601));
    Pump(20);
    EXPECT_EQ(chart.m_nCenterX, 400); // integer halves of the client size
    EXPECT_EQ(chart.m_nCenterY, 300);
    EXPECT_EQ(chart.m_nRadius, radius);
    Frame().SendSizeEvent();
    Pump(50);
    EXPECT_EQ(View().GetClientSize(), before);
    EXPECT_EQ(chart.m_nCenterX, before.x / 2);
}

TEST_F(DesktopTest, PointingAtAToolbarButtonShowsItsPrompt) {
    wxAuiToolBar& bar = Frame().MainToolbar();
    const wxRect rect = bar.GetToolRect(cmd::LayerMilkyWay);
    ASSERT_FALSE(rect.IsEmpty());
    wxMouseEvent move(wxEVT_MOTION);
    move.SetPosition(rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2));
    bar.GetEventHandler()->ProcessEvent(move);
    EXPECT_EQ(PaneText(cmd::kPaneMessage), "Milky Way");
    wxMouseEvent leave(wxEVT_LEAVE_WINDOW);
    bar.GetEventHandler()->ProcessEvent(leave);
    EXPECT_EQ(PaneText(cmd::kPaneMessage), "Ready");
}

TEST_F(DesktopTest, MenuEntriesOfToolbarCommandsCarryTheirPictures) {
    wxMenuBar* bar = Frame().GetMenuBar();
    for (const int id :
         {cmd::FileOpen, cmd::FilePrintPreview, cmd::FilePrint, cmd::SettingsDateTime,
          cmd::SettingsLocation, cmd::SettingsMagnitudeLimits, cmd::SearchStar,
          cmd::SearchSolarSystem, cmd::SearchConstellation, cmd::HelpContents, cmd::HelpAbout}) {
        const wxMenuItem* item = bar->FindItem(id);
        ASSERT_NE(item, nullptr) << id;
        EXPECT_TRUE(item->GetBitmap().IsOk()) << id;
    }
    // The popups of the Settings and Search menus have pictures too.
    for (const int menu : {2, 3}) {
        for (const wxMenuItem* item : bar->GetMenu(menu)->GetMenuItems()) {
            if (item->IsSubMenu()) {
                EXPECT_TRUE(item->GetBitmap().IsOk()) << item->GetItemLabelText();
            }
        }
    }
}

} // namespace
} // namespace guitest
