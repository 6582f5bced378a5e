#include "frame/AboutDialog.h"

#include "guibase/Icons.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace {

constexpr int kPictureSize = 64; // pixels
constexpr int kMargin = 12;      // pixels

} // namespace

AboutDialog::AboutDialog(wxWindow* parent) : wxDialog(parent, wxID_ANY, "About Vesperanova...") {
    auto* picture = new wxStaticBitmap(this, wxID_ANY,
                                       ProgramIcon().GetBitmap(wxSize(kPictureSize, kPictureSize)));
    auto* name = new wxStaticText(this, wxID_ANY, "Vesperanova");
    name->SetFont(name->GetFont().Bold().Larger());
    auto* version = new wxStaticText(this, wxID_ANY, "Version 1.5");
    auto* blurb = new wxStaticText(this, wxID_ANY, "A planetarium for the desktop");

    auto* texts = new wxBoxSizer(wxVERTICAL);
    texts->Add(name, 0, wxBOTTOM, kMargin / 2);
    texts->Add(version, 0, wxBOTTOM, kMargin / 2);
    texts->Add(blurb);

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(picture, 0, wxALL, kMargin);
    top->Add(texts, 1, wxTOP | wxRIGHT | wxBOTTOM | wxALIGN_CENTER_VERTICAL, kMargin);

    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(top, 1, wxEXPAND);
    all->Add(ok, 0, wxALIGN_RIGHT | wxRIGHT | wxBOTTOM, kMargin);
    SetSizerAndFit(all);
    CentreOnParent();
}
