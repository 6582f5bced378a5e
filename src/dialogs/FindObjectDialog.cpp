#include "dialogs/FindObjectDialog.h"

#include "astro/SkySession.h"
#include "chart/Centering.h"
#include "chart/ChartState.h"
#include "guibase/Messages.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int kGap = 8;          // pixels between controls
constexpr int kBoxWidth = 280;   // pixels
constexpr int kListHeight = 180; // pixels
constexpr const char* kTitle = "Find object...";
constexpr const char* kPrompt =
    "Name, designation or number (Betelgeuse, alpha Ori, 58 Ori, HR 2061, M31, NGC 869,\n"
    "Orion Nebula, Orion, Jupiter):";

} // namespace

CFindObjectDialog::CFindObjectDialog(wxWindow* parent, ChartState& chart, const SkySession& session)
    : wxDialog(parent, wxID_ANY, kTitle), m_chart(chart), m_store(session.Catalog()),
      m_sky(session.Sky()), m_index(session.Catalog()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, kPrompt), 0, wxALL, kGap);
    m_name = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(kBoxWidth, -1),
                            wxTE_PROCESS_ENTER);
    top->Add(m_name, 0, wxEXPAND | wxLEFT | wxRIGHT, kGap);
    // The completions of what is typed, refreshed at every change of the text.
    m_completions = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(kBoxWidth, kListHeight),
                                  0, nullptr, wxLB_SINGLE);
    top->Add(m_completions, 1, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kGap);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->Add(ok, 0, wxRIGHT, kGap);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0);
    top->Add(buttons, 0, wxEXPAND | wxALL, kGap);
    SetSizerAndFit(top);
    SetEscapeId(wxID_CANCEL);
    Bind(wxEVT_BUTTON, &CFindObjectDialog::OnOk, this, wxID_OK);
    m_name->Bind(wxEVT_TEXT_ENTER, &CFindObjectDialog::OnOk, this);
    m_name->Bind(wxEVT_TEXT, &CFindObjectDialog::OnText, this);
    m_completions->Bind(wxEVT_LISTBOX, &CFindObjectDialog::OnCompletion, this);
    m_completions->Bind(wxEVT_LISTBOX_DCLICK, &CFindObjectDialog::OnCompletionChosen, this);
    m_name->SetFocus();
    CentreOnParent();
}

bool CFindObjectDialog::CentreOnName() {
    const std::string text = m_name->GetValue().utf8_string();
    if (FoldName(text).empty()) {
        return false; // nothing typed: no search, no message
    }
    const std::optional<NamedObject> object = m_index.Find(text);
    if (!object) {
        ShowProgramMessage(kUnknownNameMessage, wxOK | wxICON_EXCLAMATION, this);
        return false;
    }
    const SearchTarget target = NamedObjectPosition(*object, m_store, m_sky);
    CenterOn(m_chart, m_sky, target.ra, target.dec);
    m_found = target;
    m_foundObject = object;
    return true;
}

void CFindObjectDialog::OnOk(wxCommandEvent&) {
    if (CentreOnName()) {
        EndModal(wxID_OK);
    }
}

void CFindObjectDialog::OnText(wxCommandEvent&) {
    m_completions->Clear();
    for (const std::string& name :
         m_index.Complete(m_name->GetValue().utf8_string(), kCompletionLimit)) {
        m_completions->Append(wxString::FromUTF8(name));
    }
}

void CFindObjectDialog::OnCompletion(wxCommandEvent& event) {
    // The box takes the chosen name without asking for new completions.
    m_name->ChangeValue(event.GetString());
    m_name->SetInsertionPointEnd();
}

void CFindObjectDialog::OnCompletionChosen(wxCommandEvent& event) {
    OnCompletion(event);
    OnOk(event);
}
