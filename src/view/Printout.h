// CChartPrintout: the chart's part in the platform's printing procedure (print dialog, progress
// window, preview). The job has exactly one page; the page is the chart as it stands on screen,
// drawn with the printed layers at the printer's scale on white paper, with a border along the
// printable area. The screen geometry is saved when the job begins and restored when it ends.
#pragma once

#include "interaction/PrintGeometry.h"

#include <wx/print.h>

#include <string>

struct AppSettings;
struct CatalogStore;
struct ChartState;
typedef struct _cairo cairo_t;

class CChartPrintout : public wxPrintout {
public:
    CChartPrintout(ChartState& chart, CatalogStore& store, const AppSettings& settings);

    void OnPreparePrinting() override;
    void OnBeginPrinting() override;
    void OnEndPrinting() override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

    // What ended the last page's drawing, empty when it was drawn.
    const std::string& LastError() const { return m_lastError; }
    // The area the last page was drawn on, in its pixels: the printer's printable area, or the
    // preview's picture of the page as it was drawn before being scaled onto the screen.
    const PixelRect& LastPageArea() const { return m_lastArea; }

private:
    FrameResult DrawPrinterPage(cairo_t* cr);
    FrameResult DrawPreviewPage(wxDC& dc, cairo_t* cr);

    ChartState& m_chart;
    CatalogStore& m_store;
    const AppSettings& m_settings;
    ChartPrintJob m_job;
    std::string m_lastError;
    PixelRect m_lastArea;
};
