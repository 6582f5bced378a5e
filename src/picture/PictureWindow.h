// Folder picture/: the picture viewer and the decoding of a checked picture file.
//
// PictureWindow: the modal window that shows one picture at its natural size, titled with the
// file's name, sized to the picture plus the window frame and centred. A picture larger than the
// screen is shown in a window that fits the screen, with scroll bars.
#pragma once

#include "picture/PictureImage.h"

#include <wx/bitmap.h>
#include <wx/dialog.h>

#include <string>

inline constexpr const char* kCannotLoadPictureMessage = "Couldn't load the image !    ";

class PictureWindow : public wxDialog {
public:
    // `picture` must be decoded (Ok()).
    PictureWindow(wxWindow* parent, const PictureImage& picture);

    // The size of the picture area, logical pixels (the picture's own size divided by the
    // screen's scale, unless the screen is smaller).
    wxSize PictureAreaSize() const;
    const wxBitmap& Bitmap() const { return m_bitmap; }

private:
    wxBitmap m_bitmap;
    wxWindow* m_canvas = nullptr;
};

// The path's part after its last '/' (the whole path when there is none): the window's title.
std::string PictureWindowTitle(const std::string& path);

// Decodes the picture at `path` and shows it modally. A file that is no picture or cannot be
// decoded ends in the message "Couldn't load the image !    " (caption "Vesperanova", stop icon)
// and no window remains. Returns true when the picture was shown.
bool ShowPictureWindow(wxWindow* parent, const std::string& path);
