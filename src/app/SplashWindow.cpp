#include "app/SplashWindow.h"

#include "guibase/Icons.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/filename.h>
#include <wx/utils.h>

#include <algorithm>
#include <filesystem>

namespace {

bool g_armed = false;
SplashWindow* g_instance = nullptr;

// Rounds of event handling that map and paint the window before start-up goes on.
constexpr int kPaintRounds = 3;
constexpr int kPaintRoundMs = 10;

// The picture is drawn at this size.
const wxSize kPictureSize(480, 300);

// The program's name and version over the picture (the picture file carries no text).
void Caption(wxBitmap& picture) {
    wxMemoryDC dc(picture);
    dc.SetTextForeground(wxColour(235, 240, 255));
    dc.SetFont(wxFontInfo(wxSize(0, 40)).Family(wxFONTFAMILY_SWISS).Bold());
    const int height = picture.GetLogicalHeight();
    dc.DrawText("Vesperanova", 28, height - 100);
    dc.SetFont(wxFontInfo(wxSize(0, 16)).Family(wxFONTFAMILY_SWISS));
    dc.SetTextForeground(wxColour(180, 195, 230));
    dc.DrawText("Version 1.5   -   loading the sky...", 30, height - 48);
    dc.SelectObject(wxNullBitmap);
}

wxBitmap Picture(const std::string& pictureDir) {
    const std::filesystem::path file = std::filesystem::path(pictureDir) / "splash.svg";
    std::error_code error;
    wxBitmap picture;
    if (!pictureDir.empty() && std::filesystem::is_regular_file(file, error)) {
        // Drawn at the screen's resolution on a scaled desktop, shown at the same logical size.
        const double scale = std::max(1.0, wxDisplay().GetScaleFactor());
        picture = wxBitmapBundle::FromSVGFile(wxString::FromUTF8(file.string()), kPictureSize)
                      .GetBitmap(kPictureSize * scale);
        if (picture.IsOk()) {
            picture.SetScaleFactor(scale);
        }
    }
    if (!picture.IsOk()) {
        picture = wxBitmap(kPictureSize);
        wxMemoryDC dc(picture);
        dc.SetBackground(wxBrush(wxColour(8, 18, 44)));
        dc.Clear();
        dc.DrawBitmap(ProgramIcon().GetBitmap(wxSize(128, 128)), kPictureSize.x - 160, 24, true);
        dc.SelectObject(wxNullBitmap);
    }
    Caption(picture);
    return picture;
}

} // namespace

void SplashWindow::SetArmed(bool armed) {
    g_armed = armed;
}

SplashWindow* SplashWindow::Instance() {
    return g_instance;
}

void SplashWindow::Show(const std::string& pictureDir) {
    if (!g_armed || g_instance != nullptr) {
        return;
    }
    const wxBitmap picture = Picture(pictureDir);
    if (!picture.IsOk()) {
        return;
    }
    g_instance = new SplashWindow(picture);
    // The catalogues load before the message loop runs: let the window system map and paint the
    // window first, or it would stay blank until loading is over.
    for (int round = 0; round < kPaintRounds && g_instance != nullptr; ++round) {
        wxYield();
        g_instance->Update();
        wxMilliSleep(kPaintRoundMs);
    }
}

SplashWindow::SplashWindow(const wxBitmap& picture)
    : wxSplashScreen(picture, wxSPLASH_CENTRE_ON_SCREEN | wxSPLASH_TIMEOUT, kTimeoutMs, nullptr,
                     wxID_ANY, wxDefaultPosition, wxDefaultSize,
                     wxBORDER_SIMPLE | wxFRAME_NO_TASKBAR | wxSTAY_ON_TOP) {}

SplashWindow::~SplashWindow() {
    g_instance = nullptr;
    // The main window is repainted at once where the splash window stood.
    if (wxWindow* top = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
        top != nullptr && top != this) {
        top->Refresh();
        top->Update();
    }
}
