// Night vision as the user meets it: the View menu entry and Ctrl+R, the red screen (the same
// frame in the red palette), the dark theme of the bars and dialogs and its return, the setting
// that the exit writes to the profile, and printing, which stays as it was.
#include "GuiTestEnvironment.h"

#include "chart/CairoSurface.h"
#include "chart/NightVisionPalette.h"
#include "commandstate/CommandTable.h"
#include "frame/DarkTheme.h"
#include "settings/AppSettings.h"
#include "settings/Profile.h"
#include "view/Printout.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/statusbr.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace guitest {
namespace {

// Perceived brightness of a window colour, 0..255.
double Brightness(const wxColour& colour) {
    return 0.2126 * colour.Red() + 0.7152 * colour.Green() + 0.0722 * colour.Blue();
}

class NightVisionTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        View().Chart().m_bColoredSky = 1;
        View().Chart().m_bColoredStars = 1;
    }
    void TearDown() override {
        if (Session().settings.NightVision != 0) {
            Command(cmd::ViewNightVision);
        }
    }

    // The screen frame's pixels, row by row, over the area the frame covers.
    static std::vector<Rgb> ScreenPixels() {
        RepaintNow();
        CairoImageSurface& image = View().Offscreen();
        std::vector<Rgb> pixels;
        for (int y = 0; y < 2 * View().Chart().m_nCenterY; ++y) {
            for (int x = 0; x < 2 * View().Chart().m_nCenterX; ++x) {
                pixels.push_back(image.PixelAt(x, y));
            }
        }
        return pixels;
    }
};

TEST_F(NightVisionTest, ScreenShowsTheSameFrameInTheRedPalette) {
    const std::vector<Rgb> normal = ScreenPixels();
    Command(cmd::ViewNightVision);
    ASSERT_EQ(Session().settings.NightVision, 1);
    const std::vector<Rgb> night = ScreenPixels();
    ASSERT_EQ(night.size(), normal.size());
    int wrong = 0;
    bool anyColour = false;
    for (size_t i = 0; i < normal.size(); ++i) {
        wrong += night[i] == NightVisionColour(normal[i]) ? 0 : 1;
        anyColour = anyColour || normal[i].g != normal[i].r || normal[i].b != normal[i].r;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(anyColour) << "the normal frame should have had colours to map";

    Command(cmd::ViewNightVision);
    ASSERT_EQ(Session().settings.NightVision, 0);
    const std::vector<Rgb> again = ScreenPixels();
    EXPECT_TRUE(again == normal);
}

TEST_F(NightVisionTest, CtrlRTogglesItAndTheMenuShowsTheCheck) {
    wxMenuBar* bar = Frame().GetMenuBar();
    ASSERT_NE(bar, nullptr);
    wxMenuItem* item = bar->FindItem(cmd::ViewNightVision);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->IsCheckable());

    PressKey('R', wxMOD_CONTROL);
    EXPECT_EQ(Session().settings.NightVision, 1);
    Frame().UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_TRUE(item->IsChecked());
    PressKey('R', wxMOD_CONTROL);
    EXPECT_EQ(Session().settings.NightVision, 0);
    Frame().UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_FALSE(item->IsChecked());
}

TEST_F(NightVisionTest, AvailableWhileTheAnimationRuns) {
    View().StartAnimation(true);
    ASSERT_TRUE(View().Animating());
    EXPECT_TRUE(Frame().StateOf(cmd::ViewNightVision).enabled);
    Command(cmd::ViewNightVision);
    EXPECT_EQ(Session().settings.NightVision, 1);
    EXPECT_TRUE(View().Animating());
    Command(cmd::ViewNightVision);
    EXPECT_EQ(Session().settings.NightVision, 0);
    View().StopAnimation();
}

TEST_F(NightVisionTest, BarsAndDialogsTurnDarkAndBack) {
    ASSERT_FALSE(DarkThemePreferred());
    const double faceBefore = Brightness(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    const double windowBefore = Brightness(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    const double statusBefore = Brightness(Frame().GetStatusBar()->GetBackgroundColour());

    Command(cmd::ViewNightVision);
    Pump(50);
    EXPECT_TRUE(DarkThemePreferred());
    const double faceDark = Brightness(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    const double windowDark = Brightness(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    // The night style sheet: faces and window backgrounds black, texts in its dark red.
    constexpr double kClearlyDarker = 60.0; // brightness levels of 255
    EXPECT_LT(faceDark, faceBefore - kClearlyDarker);
    EXPECT_LT(windowDark, windowBefore - kClearlyDarker);
    EXPECT_LT(Brightness(Frame().GetStatusBar()->GetBackgroundColour()),
              statusBefore - kClearlyDarker);
    const wxColour black(kNightBackgroundColour);
    const wxColour red(kNightTextColour);
    for (const wxSystemColour back :
         {wxSYS_COLOUR_BTNFACE, wxSYS_COLOUR_WINDOW, wxSYS_COLOUR_MENU}) {
        EXPECT_EQ(wxSystemSettings::GetColour(back), black) << back;
    }
    for (const wxSystemColour text :
         {wxSYS_COLOUR_BTNTEXT, wxSYS_COLOUR_WINDOWTEXT, wxSYS_COLOUR_MENUTEXT}) {
        EXPECT_EQ(wxSystemSettings::GetColour(text), red) << text;
    }

    Command(cmd::ViewNightVision);
    Pump(50);
    EXPECT_FALSE(DarkThemePreferred());
    EXPECT_EQ(Brightness(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)), faceBefore);
    EXPECT_EQ(Brightness(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)), windowBefore);
    EXPECT_EQ(Brightness(Frame().GetStatusBar()->GetBackgroundColour()), statusBefore);
}

TEST_F(NightVisionTest, TheProfileWrittenAtExitKeepsIt) {
    Command(cmd::ViewNightVision);
    const std::filesystem::path path = FreshDirectory("night-profile") / "nocta.ini";
    ASSERT_TRUE(SaveProfile(path, Session().settings, {}));
    std::ifstream in(path);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const size_t settings = text.find("[Settings]");
    const size_t key = text.find("\nNightVision=1\n");
    ASSERT_NE(settings, std::string::npos);
    ASSERT_NE(key, std::string::npos) << text;
    EXPECT_LT(settings, key);
    EXPECT_LT(key, text.find("[Location]"));
    AppSettings back;
    ASSERT_TRUE(LoadSettings(back, path));
    EXPECT_EQ(back.NightVision, 1);
}

TEST_F(NightVisionTest, PrintedPageStaysBlackOnWhite) {
    Command(cmd::ViewNightVision);
    const unsigned radius = View().Chart().m_nRadius;
    constexpr int kPageWidth = 800; // printer pixels of a small test page
    constexpr int kPageHeight = 1100;
    wxBitmap bitmap(kPageWidth, kPageHeight, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    CChartPrintout printout(View().Chart(), View().Session(), Session().settings);
    printout.SetDC(&dc);
    printout.SetPageSizePixels(kPageWidth, kPageHeight);
    printout.SetPPIPrinter(96, 96);
    printout.SetPPIScreen(96, 96);
    printout.OnBeginPrinting();
    ASSERT_TRUE(printout.OnPrintPage(1)) << printout.LastError();
    printout.OnEndPrinting();
    dc.SelectObject(wxNullBitmap);
    EXPECT_EQ(View().Chart().m_nRadius, radius);

    const wxImage page = bitmap.ConvertToImage();
    int white = 0;
    int dark = 0;
    for (int y = 0; y < kPageHeight; y += 3) {
        for (int x = 0; x < kPageWidth; x += 3) {
            const int r = page.GetRed(x, y);
            const int g = page.GetGreen(x, y);
            const int b = page.GetBlue(x, y);
            white += (r == 255 && g == 255 && b == 255) ? 1 : 0;
            dark += (r < 96 && g < 96 && b < 96) ? 1 : 0;
        }
    }
    // Paper white, ink black: nothing turned red.
    EXPECT_GT(white, kPageWidth * kPageHeight / 9 / 2);
    EXPECT_GT(dark, 0);
}

} // namespace
} // namespace guitest
