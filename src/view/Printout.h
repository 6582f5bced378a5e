// CChartPrintout: the chart's part in the platform's printing procedure (print dialog, progress
// window, preview). The job has exactly one page; the page is the chart as it stands on screen,
// drawn with the printed layers at the printer's scale on white paper, laid out on the printable
// area (the paper less the printer's margins) with a border along it. The screen geometry is
// saved when the job begins and restored when it ends.
#pragma once

#include "chart/PrintGeometry.h"

#include <wx/print.h>

#include <string>

struct AppSettings;
class SkySession;
struct ChartState;
typedef struct _cairo cairo_t;

class CChartPrintout : public wxPrintout {
public:
    // `printData`, when given, is the print job's data: the printable area is then taken from
    // the printer's page setup; otherwise from the default margins of the paper.
    CChartPrintout(ChartState& chart, SkySession& session, const AppSettings& settings,
                   const wxPrintData* printData = nullptr);

    void OnPreparePrinting() override;
    void OnBeginPrinting() override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

    // What ended the last page's drawing, empty when it was drawn.
    const std::string& LastError() const { return m_lastError; }
    // The printable area the last page was laid out on, in the printer's pixels with the origin
    // at the paper's corner (for the preview: of the page as drawn before being scaled onto the
    // screen).
    const PixelRect& LastPageArea() const { return m_lastArea; }

private:
    FrameResult DrawPrinterPage(cairo_t* cr);
    FrameResult DrawPreviewPage(wxDC& dc, cairo_t* cr);
    // Lays the page out on `area` of the paper drawn through `cr` and draws it.
    FrameResult DrawOnArea(cairo_t* cr, const PixelRect& area);
    PaperMargins Margins(bool printing) const;

    ChartState& m_chart;
    SkySession& m_session;
    const AppSettings& m_settings;
    const wxPrintData* m_printData = nullptr;
    ChartPrintJob m_job;
    std::string m_lastError;
    PixelRect m_lastArea;
};
