// Printing without a printer: the chart's printout rendered through the platform's print preview
// (its page goes into a memory bitmap), the preview window of the File menu, and the screen
// geometry after both. No test starts a print job.
#include "dialogs_support.h"

#include "commands/CommandHandlers.h"
#include "view/Printout.h"

#include <wx/gtk/print.h>
#include <wx/image.h>
#include <wx/print.h>
#include <wx/toplevel.h>

#include <memory>

namespace {

// The platform's preview with its page rendering opened to the test: the page drawn into a
// bitmap of a chosen size, as the preview window does for its zoom.
class PagePreview : public wxGtkPrintPreview {
public:
    using wxGtkPrintPreview::wxGtkPrintPreview;

    wxImage Render(int width, int height) {
        wxBitmap bitmap(width, height, 24);
        if (!RenderPageIntoBitmap(bitmap, 1)) {
            return {};
        }
        return bitmap.ConvertToImage();
    }
    int PageWidth() const { return m_pageWidth; }
    int PageHeight() const { return m_pageHeight; }
};

bool Dark(const wxImage& image, int x, int y) {
    return image.GetRed(x, y) < 128 && image.GetGreen(x, y) < 128 && image.GetBlue(x, y) < 128;
}

class PrintPreviewTest : public dialogs_test::DesktopFixture {
protected:
    struct Geometry {
        unsigned radius;
        int cx, cy;
        bool operator==(const Geometry&) const = default;
    };
    static Geometry Screen() { return {Chart().m_nRadius, Chart().m_nCenterX, Chart().m_nCenterY}; }
};

TEST_F(PrintPreviewTest, PreviewPageShowsTheChartOnWhitePaperInsideItsBorder) {
    const Geometry before = Screen();
    wxPrintDialogData data;
    data.GetPrintData().SetQuality(300);
    auto* printout = new CChartPrintout(Chart(), View().Session(), Settings());
    PagePreview preview(printout, nullptr, &data);
    ASSERT_TRUE(preview.IsOk());
    constexpr int kWidth = 400;
    const int height = kWidth * preview.PageHeight() / preview.PageWidth();
    const wxImage page = preview.Render(kWidth, height);
    ASSERT_TRUE(page.IsOk());
    ASSERT_TRUE(printout->LastError().empty()) << printout->LastError();

    // One page, drawn in the printer's pixels.
    EXPECT_EQ(preview.GetMinPage(), 1);
    EXPECT_EQ(preview.GetMaxPage(), 1);
    EXPECT_GT(preview.PageWidth(), kWidth * 4); // a page of hundreds of pixels per inch

    // Laid out on the printable area, inside the paper's margins, with the border along it; the
    // margins stay white.
    const PixelRect area = printout->LastPageArea();
    EXPECT_GT(area.left, 0);
    EXPECT_GT(area.top, 0);
    EXPECT_LT(area.right, preview.PageWidth());
    EXPECT_LT(area.bottom, preview.PageHeight());
    const auto shownX = [&](int x) { return x * kWidth / preview.PageWidth(); };
    const auto shownY = [&](int y) { return y * height / preview.PageHeight(); };
    const int left = shownX(area.left);
    const int top = shownY(area.top);
    const int right = shownX(area.right - 1);
    const int bottom = shownY(area.bottom - 1);
    for (int x : {left + 2, (left + right) / 2, right - 2}) {
        EXPECT_TRUE(Dark(page, x, top)) << x;
        EXPECT_TRUE(Dark(page, x, bottom)) << x;
        EXPECT_FALSE(Dark(page, x, 0)) << x;
        EXPECT_FALSE(Dark(page, x, height - 1)) << x;
    }
    for (int y : {top + 2, (top + bottom) / 2, bottom - 2}) {
        EXPECT_TRUE(Dark(page, left, y)) << y;
        EXPECT_TRUE(Dark(page, right, y)) << y;
        EXPECT_FALSE(Dark(page, 0, y)) << y;
        EXPECT_FALSE(Dark(page, kWidth - 1, y)) << y;
    }
    // White paper with the chart's black stars and lines on it: neither empty nor filled.
    long dark = 0;
    for (int y = top + 2; y < bottom - 2; ++y) {
        for (int x = left + 2; x < right - 2; ++x) {
            dark += Dark(page, x, y) ? 1 : 0;
        }
    }
    const long inside = static_cast<long>(right - left - 4) * (bottom - top - 4);
    EXPECT_GT(dark, inside / 200);
    EXPECT_LT(dark, inside / 2);
    EXPECT_TRUE(page.GetRed(kWidth / 3, top + 5) > 200 || page.GetRed(kWidth / 3, top + 6) > 200);

    // The screen geometry is back after the page.
    EXPECT_EQ(Screen(), before);
}

TEST_F(PrintPreviewTest, PreviewWindowShowsOnePageAndTheScreenComesBack) {
    const Geometry before = Screen();
    PrintPreviewCommand(Frame().Context(), CommandId::FilePrintPreview);
    wxPreviewFrame* window = nullptr;
    ASSERT_TRUE(guitest::PumpUntil([&] {
        for (wxWindow* w : wxTopLevelWindows) {
            if (auto* f = dynamic_cast<wxPreviewFrame*>(w); f != nullptr && f->IsShown()) {
                window = f;
            }
        }
        return window != nullptr;
    }));
    guitest::Pump(200);                // the page is drawn
    EXPECT_FALSE(Frame().IsEnabled()); // the chart cannot change under the preview
    EXPECT_EQ(Screen(), before);
    const long frames = View().FramesDrawn();
    window->Close(true);
    ASSERT_TRUE(RedrawnAfter(frames));
    EXPECT_TRUE(Frame().IsEnabled());
    EXPECT_EQ(Screen(), before);
}

} // namespace
