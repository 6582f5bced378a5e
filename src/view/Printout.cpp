#include "view/Printout.h"

#include "chart/CairoSurface.h"
#include "chart/ChartState.h"

#include <cairo.h>

namespace {

constexpr int kOnlyPage = 1;

} // namespace

CChartPrintout::CChartPrintout(ChartState& chart, CatalogStore& store, const AppSettings& settings)
    : wxPrintout("Vesperanova"), m_chart(chart), m_store(store), m_settings(settings),
      m_job(chart) {}

void CChartPrintout::OnPreparePrinting() {}

void CChartPrintout::OnBeginPrinting() {
    m_job.Prepare();
    m_job.Begin();
}

void CChartPrintout::OnEndPrinting() {
    m_job.End();
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
    // The printable area in printer pixels; the printing procedure maps them onto the page (and
    // the preview scales them onto its picture of the page).
    int width = 0;
    int height = 0;
    GetPageSizePixels(&width, &height);
    m_lastArea = PixelRect{0, 0, width, height};
    cairo_save(cr);
    FrameResult result;
    {
        CairoSurface surface(cr, width, height);
        result = m_job.PrintPage(m_store, m_settings, surface, m_lastArea);
        surface.Flush();
    }
    cairo_restore(cr);
    m_lastError = result.ok ? std::string() : result.error;
    return result.ok;
}
