#include "dialogs/AltitudeGraphDialog.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/dcbuffer.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>
#include <cairo.h>
#include <cmath>
#include <cstdio>

#include "astro/ClockTime.h"
#include "guibase/Messages.h"

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 500;
constexpr double kUnixEpochJd = 2440587.5;

// The graph drawn by cairo into a bitmap; in reds (the brightness kept) for night vision.
wxBitmap GraphBitmap(const AltitudeGraph& graph, bool nightVision) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    DrawAltitudeGraph(cr, kWidth, kHeight, graph);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    wxImage image(kWidth, kHeight);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const unsigned char* p = data + y * stride + x * 4; // B, G, R, unused
            if (nightVision) {
                const auto level =
                    static_cast<unsigned char>((p[0] * 11 + p[1] * 59 + p[2] * 30) / 100);
                image.SetRGB(x, y, level, 0, 0);
            } else {
                image.SetRGB(x, y, p[2], p[1], p[0]);
            }
        }
    }
    cairo_surface_destroy(surface);
    return wxBitmap(image);
}

} // namespace

CAltitudeGraphDialog::CAltitudeGraphDialog(wxWindow* parent, AltitudeGraph graph, ZoneRule zone,
                                           bool nightVision)
    : wxDialog(parent, wxID_ANY, "Altitude Graph"), m_graph(std::move(graph)),
      m_zone(std::move(zone)), m_nightVision(nightVision) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    m_picture = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxSize(kWidth, kHeight));
    m_picture->SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_picture->Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
    m_picture->Bind(wxEVT_MOTION, [this](wxMouseEvent& e) { ShowReadingAt(e.GetX()); });
    top->Add(m_picture, 0, wxALL, 6);
    m_reading =
        new wxStaticText(this, wxID_ANY, "Point at the graph to read the time and altitude");
    top->Add(m_reading, 0, wxLEFT | wxRIGHT, 8);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    auto* save = new wxButton(this, wxID_SAVE, "Save As...");
    save->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSave(); });
    buttons->Add(save, 0, wxALL, 4);
    auto* close = new wxButton(this, wxID_OK, "Close");
    close->SetDefault();
    buttons->Add(close, 0, wxALL, 4);
    top->Add(buttons, 0, wxEXPAND | wxALL, 4);
    SetSizerAndFit(top);
    SetEscapeId(wxID_OK);
    Centre(wxBOTH);
}

void CAltitudeGraphDialog::ShowReadingAt(double x) {
    const std::optional<GraphReading> r = ReadGraphAt(m_graph, kWidth, kHeight, x);
    if (!r) {
        return;
    }
    const SkyDate clock = ObserverClockTime(
        ClockInstant{std::chrono::seconds(std::llround((r->jd - kUnixEpochJd) * 1440.0) * 60)},
        m_zone);
    char text[64];
    std::snprintf(text, sizeof text, "%02d:%02d   altitude %.1f\u00b0", clock.hour, clock.minute,
                  r->altitude);
    m_reading->SetLabel(wxString::FromUTF8(text));
}

void CAltitudeGraphDialog::OnPaint() {
    wxAutoBufferedPaintDC dc(m_picture);
    dc.DrawBitmap(GraphBitmap(m_graph, m_nightVision), 0, 0);
}

void CAltitudeGraphDialog::OnSave() {
    wxFileDialog dialog(
        this, "Save the altitude graph", "", "altitude.png",
        "PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf",
        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() == wxID_OK) {
        SaveTo(dialog.GetPath().utf8_string(), dialog.GetFilterIndex());
    }
}

bool CAltitudeGraphDialog::SaveTo(std::string path, int filterIndex) {
    if (!GraphFormatForPath(path)) {
        static constexpr const char* kExtensions[] = {".png", ".svg", ".pdf"};
        path += kExtensions[std::clamp(filterIndex, 0, 2)];
    }
    const std::string error =
        WriteAltitudeGraph(path, *GraphFormatForPath(path), kWidth, kHeight, m_graph);
    if (!error.empty()) {
        ShowProgramMessage(error, wxOK | wxICON_EXCLAMATION, this);
    }
    return error.empty();
}
