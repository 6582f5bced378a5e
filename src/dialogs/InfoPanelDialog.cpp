#include "dialogs/InfoPanelDialog.h"

#include "guibase/Icons.h"
#include "picture/PictureWindow.h"
#include "picturefiles/PictureLookup.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <algorithm>

namespace {

constexpr int kIconSize = 32;       // pixels
constexpr int kFontPoints = 9;      // the panels' fixed-pitch font
constexpr int kGap = 6;             // pixels between controls
constexpr int kValueColumnsMax = 3; // right ascension and declination have three values

wxString ValueName(const std::string& label, std::size_t column) {
    return wxString::FromUTF8(label) + wxString::Format(":%zu", column);
}

} // namespace

CInfoPanelDialog::CInfoPanelDialog(wxWindow* parent, InfoPanelContent content, bool withImageButton,
                                   const std::string& programDir)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(content.title)), m_content(std::move(content)) {
    SetFont(wxFont(wxFontInfo(kFontPoints).Family(wxFONTFAMILY_TELETYPE)));

    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* box = new wxStaticBoxSizer(wxHORIZONTAL, this);
    wxWindow* boxWindow = box->GetStaticBox();

    auto* icon = new wxStaticBitmap(boxWindow, wxID_ANY,
                                    ProgramIcon().GetBitmap(wxSize(kIconSize, kIconSize)));
    box->Add(icon, 0, wxALIGN_TOP | wxALL, kGap);

    // Two columns: the right-aligned label, and the row's values side by side (hours or degrees,
    // minutes, seconds read as one text, "5h 35' 17.3\"").
    auto* grid = new wxFlexGridSizer(2, kGap / 2, kGap * 2);
    for (const InfoPanelRow& row : m_content.rows) {
        auto* label = new wxStaticText(boxWindow, wxID_ANY, wxString::FromUTF8(row.label));
        grid->Add(label, 0, wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
        auto* values = new wxBoxSizer(wxHORIZONTAL);
        for (std::size_t column = 0; column < row.values.size(); ++column) {
            auto* value =
                new wxStaticText(boxWindow, wxID_ANY, wxString::FromUTF8(row.values[column]),
                                 wxDefaultPosition, wxDefaultSize, 0, ValueName(row.label, column));
            values->Add(value, 0, wxALIGN_CENTER_VERTICAL | (column > 0 ? wxLEFT : 0), kGap);
        }
        grid->Add(values, 0, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    }
    box->Add(grid, 1, wxALL, kGap);
    top->Add(box, 1, wxEXPAND | wxALL, kGap);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->Add(ok, 0, wxALL, kGap / 2);
    if (withImageButton) {
        m_imageButton = new wxButton(this, wxID_ANY, "Image");
        m_picturePath = FindObjectPicture(programDir, m_content.pictureName);
        m_imageButton->Enable(m_picturePath.has_value());
        m_imageButton->Bind(wxEVT_BUTTON, &CInfoPanelDialog::OnImage, this);
        buttons->Add(m_imageButton, 0, wxALL, kGap / 2);
    }
    auto* graph = new wxButton(this, wxID_ANY, "Altitude Graph");
    graph->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(kAltitudeGraphReturn); });
    buttons->Add(graph, 0, wxALL, kGap / 2);
    m_slewButton = new wxButton(this, wxID_ANY, "Slew Telescope");
    m_slewButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(kSlewReturn); });
    m_syncButton = new wxButton(this, wxID_ANY, "Sync Telescope");
    m_syncButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(kSyncReturn); });
    for (wxButton* mountButton : {m_slewButton, m_syncButton}) {
        mountButton->Hide();
        buttons->Add(mountButton, 0, wxALL, kGap / 2);
    }
    buttons->AddStretchSpacer();
    top->Add(buttons, 0, wxEXPAND | wxBOTTOM, kGap);

    SetSizerAndFit(top);
    SetEscapeId(wxID_OK);
    Centre(wxBOTH);
}

wxStaticText* CInfoPanelDialog::ValueControl(const std::string& label, std::size_t column) const {
    return dynamic_cast<wxStaticText*>(FindWindowByName(ValueName(label, column), this));
}

void CInfoPanelDialog::ShowMountButtons() {
    m_slewButton->Show();
    m_syncButton->Show();
    GetSizer()->Fit(this);
    Centre(wxBOTH);
}

void CInfoPanelDialog::OnImage(wxCommandEvent&) {
    if (m_picturePath) {
        ShowPictureWindow(this, m_picturePath->string());
    }
}

StarInfoDialog::StarInfoDialog(wxWindow* parent, const CatalogStore& catalog, std::size_t starIndex,
                               const Instant& instant, const Place& place, const SkyModel& model)
    : CInfoPanelDialog(parent, StarInfoContent(catalog, starIndex, instant, place, model), false,
                       {}) {}

FaintStarInfoDialog::FaintStarInfoDialog(wxWindow* parent, const CatalogStore& catalog,
                                         std::size_t faintIndex, const Instant& instant,
                                         const Place& place, const SkyModel& model)
    : CInfoPanelDialog(parent, FaintStarInfoContent(catalog, faintIndex, instant, place, model),
                       false, {}) {}

BodyInfoDialog::BodyInfoDialog(wxWindow* parent, const BodyTable& bodies, std::size_t bodyIndex,
                               const Instant& instant, const Place& place,
                               const std::string& programDir, const SkyModel& model)
    : CInfoPanelDialog(parent, BodyInfoContent(bodies, bodyIndex, instant, place, model), true,
                       programDir) {}

DeepSkyInfoDialog::DeepSkyInfoDialog(wxWindow* parent, const CatalogStore& catalog,
                                     std::size_t deepSkyIndex, const Instant& instant,
                                     const Place& place, const std::string& programDir,
                                     const SkyModel& model)
    : CInfoPanelDialog(parent, DeepSkyInfoContent(catalog, deepSkyIndex, instant, place, model),
                       true, programDir) {}
