// The chart's part in a print job of one page: the page itself (the printed layers at the
// printer's scale, then the border along the usable area). The platform's printing procedure (print
// dialog, progress window, preview) calls these through the view's printout.
#pragma once

#include "chart/ChartState.h"
#include "chart/Frame.h"

struct AppSettings;
struct CatalogStore;
class DrawSurface;

// A print job's steps on the chart, in the order the printing procedure calls them. Begin
// stops the animation flag, PrintPage draws the page. The page is drawn with its own projector,
// so the chart keeps the screen's geometry throughout.
class ChartPrintJob {
public:
    explicit ChartPrintJob(ChartState& chart) : m_chart(chart) {}

    void Begin();
    // Draws the page on `surface`, whose usable area is `usableArea` in printer pixels (left,
    // top, right, bottom; right and bottom one past the last pixel). The paper is not painted:
    // it stays white. The printed geometry comes from the area's width H and height V: centre
    // (H / 2, V / 2), radius (level + 1) * base radius * min(H, V) / full-screen height; the
    // result tells it, and its picking tables are in printer pixels.
    FrameResult PrintPage(const SkyState& sky, const CatalogStore& catalog,
                          const AppSettings& settings, DrawSurface& surface,
                          const PixelRect& usableArea);

private:
    ChartState& m_chart;
};

// The margins of a sheet the printer cannot print on, in inches.
struct PaperMargins {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// The printable area of a sheet of paperWidth x paperHeight printer pixels, with the origin at the
// paper's corner: the sheet less its margins, rounded inwards to whole pixels so nothing drawn
// along the area's edge falls into a margin. Margins that leave no area give the whole sheet.
PixelRect PrintableArea(int paperWidth, int paperHeight, double pixelsPerInchX,
                        double pixelsPerInchY, const PaperMargins& margins);
