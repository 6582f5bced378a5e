// The chart's part in a print job of one page: the screen geometry saved before the page and put
// back after it, and the page itself (the printed layers at the printer's scale, then the border
// along the usable area). The platform's printing procedure (print dialog, progress window,
// preview) calls these through the view's printout.
#pragma once

#include "chart/ChartState.h"
#include "chart/Frame.h"

struct AppSettings;
struct CatalogStore;
class DrawSurface;

// Radius and projection origin of the screen, which the printed page replaces while it is drawn.
struct ScreenGeometry {
    unsigned radius = 0; // m_nRadius, pixels
    int centerX = 0;     // m_nCenterX
    int centerY = 0;     // m_nCenterY
    bool operator==(const ScreenGeometry&) const = default;
};

ScreenGeometry SaveScreenGeometry(const ChartState& chart);
void RestoreScreenGeometry(ChartState& chart, const ScreenGeometry& geometry);

// A print job's steps on the chart, in the order the printing procedure calls them. Prepare
// saves the screen geometry, Begin stops the animation flag, PrintPage draws the page, End puts
// the screen geometry back (only when Prepare saved it: a job cancelled before Prepare finished
// leaves the chart alone).
class ChartPrintJob {
public:
    explicit ChartPrintJob(ChartState& chart) : m_chart(chart) {}

    void Prepare();
    void Begin();
    // Draws the page on `surface`, whose usable area is `usableArea` in printer pixels (left,
    // top, right, bottom; right and bottom one past the last pixel). The paper is not painted:
    // it stays white. The printed geometry comes from the area's width H and height V: centre
    // (H / 2, V / 2), radius (level + 1) * base radius * min(H, V) / full-screen height. The
    // picking tables hold printer pixels afterwards.
    FrameResult PrintPage(CatalogStore& catalog, const AppSettings& settings, DrawSurface& surface,
                          const PixelRect& usableArea);
    void End();

    bool Prepared() const { return m_saved; }

private:
    ChartState& m_chart;
    ScreenGeometry m_screen;
    bool m_saved = false;
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
