#include "chart/PrintGeometry.h"

#include "chart/DrawSurface.h"

#include <cmath>

void ChartPrintJob::Begin() {
    // Printing is only offered while the animation is stopped; the printed frame is an ordinary
    // one.
    m_chart.m_bAnimate = 0;
}

FrameResult ChartPrintJob::PrintPage(const SkyState& sky, const CatalogStore& catalog,
                                     const AppSettings& settings, DrawSurface& surface,
                                     const PixelRect& usableArea) {
    FrameOptions options;
    options.target = FrameTarget::Printer;
    options.pageWidth = usableArea.Width();
    options.pageHeight = usableArea.Height();
    const FrameResult result = Draw(m_chart, sky, catalog, settings, surface, options);
    if (result.ok) {
        DrawPageBorder(surface, usableArea);
    }
    return result;
}

PixelRect PrintableArea(int paperWidth, int paperHeight, double pixelsPerInchX,
                        double pixelsPerInchY, const PaperMargins& margins) {
    const PixelRect area{static_cast<int>(std::ceil(margins.left * pixelsPerInchX)),
                         static_cast<int>(std::ceil(margins.top * pixelsPerInchY)),
                         paperWidth - static_cast<int>(std::ceil(margins.right * pixelsPerInchX)),
                         paperHeight -
                             static_cast<int>(std::ceil(margins.bottom * pixelsPerInchY))};
    const bool usable = area.left >= 0 && area.top >= 0 && area.Width() > 0 && area.Height() > 0;
    return usable ? area : PixelRect{0, 0, paperWidth, paperHeight};
}
