#include "dialogs/SearchDialogs.h"

#include "astro/CatalogueOfDate.h"
#include "astro/SkySession.h"
#include "astro/SkyState.h"
#include "chart/Centering.h"
#include "chart/ChartState.h"
#include "guibase/Messages.h"
#include "search/Search.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

#include <array>

namespace {

constexpr int kGap = 8;             // pixels between controls
constexpr int kListWidth = 220;     // pixels
constexpr int kListHeight = 200;    // pixels
constexpr int kNumberBoxWidth = 80; // pixels

const char* Title(CSearchListDialog::Kind kind) {
    switch (kind) {
    case CSearchListDialog::Kind::Star:
        return "Search for star...";
    case CSearchListDialog::Kind::Ngc:
        return "Search for NGC...";
    case CSearchListDialog::Kind::Constellation:
        return "Search for constellation...";
    }
    return "";
}

const char* NothingSelectedMessage(CSearchListDialog::Kind kind) {
    switch (kind) {
    case CSearchListDialog::Kind::Star:
        return kSelectStarMessage;
    case CSearchListDialog::Kind::Ngc:
        return kSelectObjectMessage;
    case CSearchListDialog::Kind::Constellation:
        return kSelectConstellationMessage;
    }
    return "";
}

std::vector<std::string> Entries(CSearchListDialog::Kind kind, const CatalogStore& store) {
    switch (kind) {
    case CSearchListDialog::Kind::Star:
        return StarSearchEntries(store);
    case CSearchListDialog::Kind::Ngc:
        return NgcSearchEntries(store);
    case CSearchListDialog::Kind::Constellation:
        return ConstellationSearchEntries();
    }
    return {};
}

void ShowExclamation(const std::string& text, wxWindow* parent) {
    ShowProgramMessage(text, wxOK | wxICON_EXCLAMATION, parent);
}

wxSizer* OkCancel(wxDialog* dialog) {
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    auto* ok = new wxButton(dialog, wxID_OK, "OK");
    ok->SetDefault(); // Enter in the dialog presses OK
    buttons->Add(ok, 0, wxRIGHT, kGap);
    buttons->Add(new wxButton(dialog, wxID_CANCEL, "Cancel"), 0);
    return buttons;
}

} // namespace

// ---------------------------------------------------------------------------------------------

CSearchListDialog::CSearchListDialog(wxWindow* parent, Kind kind, ChartState& chart,
                                     const SkySession& session)
    : wxDialog(parent, wxID_ANY, Title(kind)), m_kind(kind), m_chart(chart),
      m_store(session.Catalog()), m_sky(session.Sky()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    // The entries come sorted from the core, so the list needs no sorting of its own (which
    // would follow the toolkit's collation instead of the order the core defines).
    wxArrayString items;
    for (const std::string& entry : Entries(kind, m_store)) {
        items.Add(wxString::FromUTF8(entry));
    }
    m_list = new wxListBox(this, search_id::List, wxDefaultPosition,
                           wxSize(kListWidth, kListHeight), items, wxLB_SINGLE | wxLB_ALWAYS_SB);
    top->Add(m_list, 1, wxEXPAND | wxALL, kGap);
    top->Add(OkCancel(this), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    SetSizerAndFit(top);
    SetEscapeId(wxID_CANCEL);
    Bind(wxEVT_BUTTON, &CSearchListDialog::OnOk, this, wxID_OK);
    m_list->Bind(wxEVT_LISTBOX_DCLICK, &CSearchListDialog::OnOk, this);
    m_list->SetFocus();
    CentreOnParent();
}

bool CSearchListDialog::CentreOnSelection() {
    const int selected = m_list->GetSelection();
    if (selected == wxNOT_FOUND) {
        ShowExclamation(NothingSelectedMessage(m_kind), this);
        return false;
    }
    const std::string text = m_list->GetString(static_cast<unsigned>(selected)).utf8_string();
    std::optional<SearchTarget> target;
    switch (m_kind) {
    case Kind::Star:
        target = FindNamedStar(m_store, text);
        break;
    case Kind::Ngc:
        target = FindNgc(m_store, text);
        break;
    case Kind::Constellation:
        target = FindConstellationCentre(text);
        if (target) { // the chart's frame: carried to the date in the precise model
            CarryToCatalogueDate(m_store, target->ra, target->dec);
        }
        break;
    }
    if (!target) {
        return false; // every entry comes from the table, so this cannot happen
    }
    CenterOn(m_chart, m_sky, target->ra, target->dec);
    return true;
}

void CSearchListDialog::OnOk(wxCommandEvent&) {
    if (CentreOnSelection()) {
        EndModal(wxID_OK);
    }
}

// ---------------------------------------------------------------------------------------------

CSearchMessierDialog::CSearchMessierDialog(wxWindow* parent, ChartState& chart,
                                           const SkySession& session)
    : wxDialog(parent, wxID_ANY, "Search for Messier..."), m_chart(chart),
      m_store(session.Catalog()), m_sky(session.Sky()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "Enter catalog number");
    m_number = new wxTextCtrl(group->GetStaticBox(), search_id::MessierNumber, wxEmptyString,
                              wxDefaultPosition, wxSize(kNumberBoxWidth, -1), 0,
                              wxTextValidator(wxFILTER_DIGITS));
    m_number->SetMaxLength(kMessierNumberMaxLength);
    group->Add(m_number, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, kGap);
    top->Add(group, 0, wxEXPAND | wxALL, kGap);
    top->Add(OkCancel(this), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    SetSizerAndFit(top);
    SetEscapeId(wxID_CANCEL);
    Bind(wxEVT_BUTTON, &CSearchMessierDialog::OnOk, this, wxID_OK);
    m_number->SetFocus();
    CentreOnParent();
}

bool CSearchMessierDialog::CentreOnNumber() {
    // The box takes three characters at most; a longer text (never typed) is cut the same way.
    const std::string text = m_number->GetValue().utf8_string().substr(0, kMessierNumberMaxLength);
    const MessierResult found = FindMessier(m_store, text);
    switch (found.outcome) {
    case MessierSearch::Empty:
        return false;
    case MessierSearch::NotFound:
        ShowExclamation(kWrongCatalogNumberMessage, this);
        m_number->SetFocus();
        return false;
    case MessierSearch::Found:
        CenterOn(m_chart, m_sky, found.target.ra, found.target.dec);
        return true;
    }
    return false;
}

void CSearchMessierDialog::OnOk(wxCommandEvent&) {
    if (CentreOnNumber()) {
        EndModal(wxID_OK);
    }
}

// ---------------------------------------------------------------------------------------------

namespace {

struct BodyButton {
    int id;
    const char* label;
    int body;
};

// In rows of 2, 4 and 4: Sun, Moon / Mercury, Venus, Mars, Jupiter / Saturn, Uranus, Neptune,
// Pluto.
constexpr std::array<BodyButton, kBodyCount> kBodyButtons{{
    {search_id::Sun, "Sun", kBodySun},
    {search_id::Moon, "Moon", kBodyMoon},
    {search_id::Mercury, "Mercury", kBodyMercury},
    {search_id::Venus, "Venus", kBodyVenus},
    {search_id::Mars, "Mars", kBodyMars},
    {search_id::Jupiter, "Jupiter", kBodyJupiter},
    {search_id::Saturn, "Saturn", kBodySaturn},
    {search_id::Uranus, "Uranus", kBodyUranus},
    {search_id::Neptune, "Neptune", kBodyNeptune},
    {search_id::Pluto, "Pluto", kBodyPluto},
}};
constexpr std::array<std::size_t, 3> kRowLengths{2, 4, 4};

int BodyForButton(int id) {
    for (const BodyButton& b : kBodyButtons) {
        if (b.id == id) {
            return b.body;
        }
    }
    return -1;
}

} // namespace

CSearchSolarSystemDialog::CSearchSolarSystemDialog(wxWindow* parent, ChartState& chart,
                                                   const SkyState& sky)
    : wxDialog(parent, wxID_ANY, "Search for Solar System object..."), m_chart(chart), m_sky(sky) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    std::size_t next = 0;
    for (std::size_t length : kRowLengths) {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        row->AddStretchSpacer();
        for (std::size_t i = 0; i < length; ++i, ++next) {
            const BodyButton& b = kBodyButtons[next];
            row->Add(new wxButton(this, b.id, b.label), 0, wxLEFT | wxRIGHT, kGap / 2);
        }
        row->AddStretchSpacer();
        top->Add(row, 0, wxEXPAND | wxTOP | wxLEFT | wxRIGHT, kGap);
    }
    auto* cancel = new wxBoxSizer(wxHORIZONTAL);
    cancel->AddStretchSpacer();
    cancel->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0);
    top->Add(cancel, 0, wxEXPAND | wxALL, kGap);
    SetSizerAndFit(top);
    SetEscapeId(wxID_CANCEL);
    Bind(wxEVT_BUTTON, &CSearchSolarSystemDialog::OnBody, this, search_id::Mercury,
         search_id::Moon);
    CentreOnParent();
}

void CSearchSolarSystemDialog::CentreOnBody(int body) {
    const SearchTarget target = SolarSystemTarget(m_sky, body);
    CenterOn(m_chart, m_sky, target.ra, target.dec);
}

void CSearchSolarSystemDialog::OnBody(wxCommandEvent& event) {
    const int body = BodyForButton(event.GetId());
    if (body < 0) {
        event.Skip();
        return;
    }
    CentreOnBody(body);
    EndModal(wxID_OK);
}
