// The About box: "About Vesperanova...", the product name, "Version 1.5", the program's picture
// and an OK button.
#pragma once

#include <wx/dialog.h>

class AboutDialog : public wxDialog {
public:
    explicit AboutDialog(wxWindow* parent);
};
