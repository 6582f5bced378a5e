// The splash window: the program's picture in a small borderless window above all others while
// the catalogues load. It goes by itself after three seconds. At most one exists at a time.
#pragma once

#include <wx/splash.h>

#include <string>

class SplashWindow : public wxSplashScreen {
public:
    // Arms or disarms the window (the command line's show-splash indication).
    static void SetArmed(bool armed);
    // Shows the window, unless it is not armed or already shown. `pictureDir` is where the
    // picture (splash.svg) is looked for; without it a picture drawn by the program is shown.
    static void Show(const std::string& pictureDir);
    // The window while it exists, else nullptr.
    static SplashWindow* Instance();

    // How long the window stays, milliseconds.
    static constexpr int kTimeoutMs = 3000;

    ~SplashWindow() override;

private:
    explicit SplashWindow(const wxBitmap& picture);
};
