#include "view/Printout.h"

#include "chart/CairoSurface.h"
#include "chart/ChartState.h"

#include <cairo.h>
#include <gtk/gtk.h>
#include <wx/gtk/print.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

constexpr int kOnlyPage = 1;
// Longest side of the picture the preview draws the page into before shrinking it: an A4 page
// at 300 pixels per inch fits whole (3508); finer printers are drawn at this size (about 50 MB).
constexpr int kPreviewPixelsMax = 4000;

// A picture of width x height pixels in which each pixel is the darkest (per colour channel) of
// the block of `source` it covers.
cairo_surface_t* ShrinkKeepingDark(cairo_surface_t* source, int width, int height) {
    cairo_surface_flush(source);
    const int sourceWidth = cairo_image_surface_get_width(source);
    const int sourceHeight = cairo_image_surface_get_height(source);
    const int sourceStride = cairo_image_surface_get_stride(source);
    const unsigned char* from = cairo_image_surface_get_data(source);
    cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    const int stride = cairo_image_surface_get_stride(target);
    unsigned char* to = cairo_image_surface_get_data(target);
    for (int y = 0; y < height; ++y) {
        const int y0 = static_cast<int>(static_cast<long long>(y) * sourceHeight / height);
        const int y1 = std::max(
            y0 + 1, static_cast<int>(static_cast<long long>(y + 1) * sourceHeight / height));
        auto* row = reinterpret_cast<std::uint32_t*>(to + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const int x0 = static_cast<int>(static_cast<long long>(x) * sourceWidth / width);
            const int x1 = std::max(
                x0 + 1, static_cast<int>(static_cast<long long>(x + 1) * sourceWidth / width));
            std::uint32_t r = 0xFF, g = 0xFF, b = 0xFF;
            for (int sy = y0; sy < y1 && sy < sourceHeight; ++sy) {
                const auto* line = reinterpret_cast<const std::uint32_t*>(
                    from + static_cast<std::ptrdiff_t>(sy) * sourceStride);
                for (int sx = x0; sx < x1 && sx < sourceWidth; ++sx) {
                    const std::uint32_t p = line[sx];
                    r = std::min(r, (p >> 16) & 0xFF);
                    g = std::min(g, (p >> 8) & 0xFF);
                    b = std::min(b, p & 0xFF);
                }
            }
            row[x] = (r << 16) | (g << 8) | b;
        }
    }
    cairo_surface_mark_dirty(target);
    return target;
}

} // namespace

CChartPrintout::CChartPrintout(ChartState& chart, SkySession& session, const AppSettings& settings,
                               const wxPrintData* printData)
    : wxPrintout("Vesperanova"), m_chart(chart), m_session(session), m_settings(settings),
      m_printData(printData), m_job(chart) {}

// The printer's margins from the running job's page setup (`printing`: asked only while the job
// runs, when its print context is alive); otherwise the default margins of the chosen paper (or
// of the default paper).
PaperMargins CChartPrintout::Margins(bool printing) const {
    GtkPageSetup* setup = nullptr;
    GtkPaperSize* paper = nullptr;
    auto* native = m_printData != nullptr
                       ? dynamic_cast<wxGtkPrintNativeData*>(m_printData->GetNativeData())
                       : nullptr;
    if (printing && native != nullptr && native->GetPrintContext() != nullptr) {
        setup = gtk_print_context_get_page_setup(native->GetPrintContext());
    }
    if (setup != nullptr) {
        return PaperMargins{gtk_page_setup_get_left_margin(setup, GTK_UNIT_INCH),
                            gtk_page_setup_get_top_margin(setup, GTK_UNIT_INCH),
                            gtk_page_setup_get_right_margin(setup, GTK_UNIT_INCH),
                            gtk_page_setup_get_bottom_margin(setup, GTK_UNIT_INCH)};
    }
    if (native != nullptr && native->GetPrintConfig() != nullptr) {
        paper = gtk_print_settings_get_paper_size(native->GetPrintConfig());
    }
    if (paper == nullptr) {
        paper = gtk_paper_size_new(nullptr);
    }
    const PaperMargins margins{gtk_paper_size_get_default_left_margin(paper, GTK_UNIT_INCH),
                               gtk_paper_size_get_default_top_margin(paper, GTK_UNIT_INCH),
                               gtk_paper_size_get_default_right_margin(paper, GTK_UNIT_INCH),
                               gtk_paper_size_get_default_bottom_margin(paper, GTK_UNIT_INCH)};
    gtk_paper_size_free(paper);
    return margins;
}

FrameResult CChartPrintout::DrawOnArea(cairo_t* cr, const PixelRect& area) {
    m_lastArea = area;
    cairo_save(cr);
    cairo_translate(cr, area.left, area.top);
    cairo_rectangle(cr, 0, 0, area.Width(), area.Height());
    cairo_clip(cr); // nothing falls into the margins
    FrameResult result;
    {
        CairoSurface surface(cr, area.Width(), area.Height());
        result = m_job.PrintPage(m_session.Sky(), m_session.Catalog(), m_settings, surface,
                                 PixelRect{0, 0, area.Width(), area.Height()});
        surface.Flush();
    }
    cairo_restore(cr);
    return result;
}

void CChartPrintout::OnPreparePrinting() {}

void CChartPrintout::OnBeginPrinting() {
    m_job.Begin();
}

bool CChartPrintout::HasPage(int page) {
    return page == kOnlyPage;
}

void CChartPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = kOnlyPage;
    *maxPage = kOnlyPage;
    *pageFrom = kOnlyPage;
    *pageTo = kOnlyPage;
}

bool CChartPrintout::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    if (page != kOnlyPage || dc == nullptr) {
        return false;
    }
    auto* cr = static_cast<cairo_t*>(dc->GetHandle());
    if (cr == nullptr) {
        m_lastError = "the printer offers no drawing context";
        return false;
    }
    const FrameResult result = IsPreview() ? DrawPreviewPage(*dc, cr) : DrawPrinterPage(cr);
    m_lastError = result.ok ? std::string() : result.error;
    return result.ok;
}

// The printer: the page in the printer's own pixels, as vector drawing. The drawing context has
// its origin at the paper's corner.
FrameResult CChartPrintout::DrawPrinterPage(cairo_t* cr) {
    int width = 0;
    int height = 0;
    GetPageSizePixels(&width, &height);
    int ppiX = 0;
    int ppiY = 0;
    GetPPIPrinter(&ppiX, &ppiY);
    return DrawOnArea(cr, PrintableArea(width, height, ppiX, ppiY, Margins(true)));
}

// The preview: its picture of the page has far fewer pixels than the printer. The page is drawn
// first in the printer's own pixels (text and symbols have printer-pixel sizes, so only this
// keeps their proportions to the page), into a picture of at most kPreviewPixelsMax pixels on
// its longer side, and then shrunk onto the preview's picture keeping the darkest pixel of each
// block: the printer's one-pixel lines stay visible, as thin pens do in any print preview,
// instead of fading into the paper.
FrameResult CChartPrintout::DrawPreviewPage(wxDC& dc, cairo_t* cr) {
    int previewWidth = 0;
    int previewHeight = 0;
    dc.GetSize(&previewWidth, &previewHeight);
    int pageWidth = 0;
    int pageHeight = 0;
    GetPageSizePixels(&pageWidth, &pageHeight);
    if (previewWidth <= 0 || previewHeight <= 0 || pageWidth <= 0 || pageHeight <= 0) {
        return FailedFrame("the preview has no page");
    }
    int ppiX = 0;
    int ppiY = 0;
    GetPPIPrinter(&ppiX, &ppiY);
    const PixelRect area = PrintableArea(pageWidth, pageHeight, ppiX, ppiY, Margins(false));

    const double shrink =
        std::min(1.0, static_cast<double>(kPreviewPixelsMax) / std::max(pageWidth, pageHeight));
    const int drawnWidth = std::max(1, static_cast<int>(std::ceil(pageWidth * shrink)));
    const int drawnHeight = std::max(1, static_cast<int>(std::ceil(pageHeight * shrink)));
    cairo_surface_t* drawn =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, drawnWidth, drawnHeight);
    cairo_t* drawnCr = cairo_create(drawn);
    cairo_set_source_rgb(drawnCr, 1.0, 1.0, 1.0); // the paper
    cairo_paint(drawnCr);
    if (shrink < 1.0) {
        cairo_scale(drawnCr, shrink, shrink);
    }
    const FrameResult result = DrawOnArea(drawnCr, area);
    cairo_destroy(drawnCr);
    if (result.ok) {
        cairo_surface_t* shown = ShrinkKeepingDark(drawn, previewWidth, previewHeight);
        cairo_save(cr);
        cairo_set_source_surface(cr, shown, 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(shown);
    }
    cairo_surface_destroy(drawn);
    return result;
}
