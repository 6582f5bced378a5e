#include "picture/PictureWindow.h"

#include "guibase/Messages.h"

#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>

#include <algorithm>

namespace {

// The picture area never grows past this share of the screen's work area, so the window with
// its frame stays on the screen.
constexpr double kMaxScreenShare = 0.9;

class PictureCanvas : public wxScrolled<wxWindow> {
public:
    PictureCanvas(wxWindow* parent, const wxBitmap& bitmap)
        : wxScrolled<wxWindow>(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                               wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE),
          m_bitmap(bitmap) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        SetVirtualSize(bitmap.GetLogicalSize());
        SetScrollRate(1, 1);
        ShowScrollbars(wxSHOW_SB_DEFAULT, wxSHOW_SB_DEFAULT);
        Bind(wxEVT_PAINT, &PictureCanvas::OnPaint, this);
    }

    // The picture takes the keyboard, so Escape and Enter reach the window.
    bool AcceptsFocus() const override { return true; }

private:
    void OnPaint(wxPaintEvent&) {
        wxPaintDC dc(this);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        DoPrepareDC(dc);
        dc.DrawBitmap(m_bitmap, 0, 0, false);
    }

    const wxBitmap& m_bitmap;
};

wxSize ScreenLimit(wxWindow* parent) {
    const int index = parent ? wxDisplay::GetFromWindow(parent) : 0;
    const wxRect area =
        wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea();
    return {static_cast<int>(area.width * kMaxScreenShare),
            static_cast<int>(area.height * kMaxScreenShare)};
}

} // namespace

std::string PictureWindowTitle(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

PictureWindow::PictureWindow(wxWindow* parent, const PictureImage& picture)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(PictureWindowTitle(picture.path)),
               wxDefaultPosition, wxDefaultSize, wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU),
      // On a scaled screen (200 %) each pixel of the picture is one device pixel of the screen:
      // the picture is shown at the screen's resolution, not enlarged.
      m_bitmap(picture.image, wxBITMAP_SCREEN_DEPTH, GetContentScaleFactor()) {
    m_canvas = new PictureCanvas(this, m_bitmap);
    const wxSize limit = ScreenLimit(parent);
    const wxSize natural = m_bitmap.GetLogicalSize();
    const wxSize area(std::min(natural.x, limit.x), std::min(natural.y, limit.y));
    m_canvas->SetMinClientSize(area);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_canvas, 1, wxEXPAND);
    SetSizer(sizer);
    // The window's client area is the picture; the platform adds its frame and caption.
    SetClientSize(area);
    Centre(wxBOTH);
    // The window has no buttons: Escape or Enter closes it, wherever the keyboard is inside it.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if (key == WXK_ESCAPE || key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
            EndModal(wxID_OK);
            return;
        }
        event.Skip();
    });
    Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
        if (event.IsShown()) {
            CallAfter([this] { m_canvas->SetFocus(); });
        }
        event.Skip();
    });
}

wxSize PictureWindow::PictureAreaSize() const {
    return m_canvas->GetClientSize();
}

bool ShowPictureWindow(wxWindow* parent, const std::string& path) {
    const PictureImage picture = LoadPictureImage(path);
    if (!picture.Ok()) {
        ShowProgramMessage(kCannotLoadPictureMessage, wxOK | wxICON_STOP, parent);
        return false;
    }
    PictureWindow window(parent, picture);
    window.ShowModal();
    return true;
}
