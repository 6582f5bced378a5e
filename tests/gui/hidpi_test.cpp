// The chart on a scaled desktop. This program runs twice: as it is (scale 1) and with
// GDK_SCALE=2 on a screen twice as large (test_gui_scale2). The chart is drawn at the screen's
// device resolution, and the pointer and a right click given through the X server at a star's
// logical position find that star at either scale.
#include "GuiTestEnvironment.h"
#include "objects_support.h"

#include "catalog/CatalogStore.h"
#include "chart/CairoSurface.h"
#include "dialogs/InfoPanelDialog.h"
#include "navigation/Picking.h"
#include "navigation/PointerTracking.h"
#include "picture/PictureWindow.h"

#include <cairo.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace guitest {
namespace {

// The scale the desktop is run at (GDK_SCALE, 1 when unset).
int DesktopScale() {
    const char* value = std::getenv("GDK_SCALE");
    return value != nullptr && std::atoi(value) > 1 ? std::atoi(value) : 1;
}

// Moves the X server's pointer to the view's logical point (x, y) and, with `button`, clicks it.
// The X server counts device pixels: the logical screen position times the desktop's scale.
bool PointerTo(CNoctaView& view, int x, int y, int button = 0) {
    const wxPoint screen = view.ClientToScreen(wxPoint(x, y));
    const int scale = DesktopScale();
    // --sync waits for the pointer to move, which never happens when it is there already.
    std::string command = std::string("xdotool mousemove ") + (button == 0 ? "--sync " : "") +
                          std::to_string(screen.x * scale) + " " + std::to_string(screen.y * scale);
    if (button != 0) {
        command += " click " + std::to_string(button);
    }
    return std::system(command.c_str()) == 0;
}

class HiDpiTest : public DesktopTest {};

TEST_F(HiDpiTest, ChartIsDrawnAtTheScreensDeviceResolution) {
    RepaintNow();
    const int scale = DesktopScale();
    EXPECT_EQ(View().OffscreenScale(), scale);
    cairo_surface_t* image = View().Offscreen().Image();
    EXPECT_EQ(cairo_image_surface_get_width(image), View().Offscreen().Width() * scale);
    EXPECT_EQ(cairo_image_surface_get_height(image), View().Offscreen().Height() * scale);
    // The chart's geometry is in logical pixels: the client area of the window.
    const wxSize client = View().GetClientSize();
    EXPECT_EQ(2 * View().Chart().m_nCenterX, client.x - client.x % 2);
    EXPECT_EQ(2 * View().Chart().m_nCenterY, client.y - client.y % 2);
}

TEST_F(HiDpiTest, PointerAndRightClickAtALogicalPointFindTheStarThere) {
    RepaintNow();
    const ChartState& chart = View().Chart();
    const wxSize client = View().GetClientSize();
    // The brightest drawn star inside the window that nothing else covers.
    std::optional<std::size_t> star;
    for (std::size_t i = View().Picks().stars.size(); i-- > 0;) {
        const StarPick& s = View().Picks().stars[i];
        if ((s.x > 10 || s.y > 10) && s.x < client.x - 10 && s.y < client.y - 10 &&
            s.magnitude <= 2 &&
            PickObject(View().Picks(), s.x, s.y) == PickedObject{PickedKind::Star, i}) {
            star = i;
            break;
        }
    }
    ASSERT_TRUE(star.has_value()) << "no bright star drawn";
    const StarPick at = View().Picks().stars[*star];

    ASSERT_TRUE(PointerTo(View(), at.x, at.y)) << "xdotool failed";
    ASSERT_TRUE(PumpUntil([&] { return View().PointerPosition().has_value(); }));
    Pump(50);
    const auto want = PointerSkyPosition(chart, View().Session().Sky(), at.x, at.y);
    ASSERT_TRUE(want.has_value());
    EXPECT_EQ(View().PointerPosition()->ra, want->ra);
    EXPECT_EQ(View().PointerPosition()->dec, want->dec);

    std::string hr;
    objects_test::ModalWatcher<StarInfoDialog> watcher([&](StarInfoDialog& panel) {
        if (const auto* row = panel.Content().Row("HR number:")) {
            hr = row->values.at(0);
        }
    });
    ASSERT_TRUE(PointerTo(View(), at.x, at.y, 3)) << "xdotool failed";
    ASSERT_TRUE(PumpUntil([&] { return watcher.Seen() > 0; })) << "no star panel opened";
    EXPECT_EQ(hr, std::to_string(View().Session().Catalog().m_stars[*star].hr));
}

// A picture is shown pixel for pixel on the screen's device pixels: at 200 % its window is half
// as large in logical pixels, not enlarged.
TEST_F(HiDpiTest, PictureIsShownAtTheScreensDeviceResolution) {
    const PictureImage picture = LoadPictureImage(VN_SOURCE_DATA_DIR "/Images/M31.jpg");
    ASSERT_TRUE(picture.Ok());
    PictureWindow window(&Frame(), picture);
    const int scale = DesktopScale();
    EXPECT_EQ(window.Bitmap().GetScaleFactor(), scale);
    EXPECT_EQ(window.PictureAreaSize(),
              wxSize(picture.image.GetWidth() / scale, picture.image.GetHeight() / scale));
}

} // namespace
} // namespace guitest
