#include "dialogs/FindObjectDialog.h"

#include "app/Messages.h"
#include "chart/Centering.h"
#include "chart/ChartState.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textcompleter.h>
#include <wx/textctrl.h>

namespace {

constexpr int kGap = 8;        // pixels between controls
constexpr int kBoxWidth = 280; // pixels
constexpr const char* kTitle = "Find object...";
constexpr const char* kPrompt =
    "Name, designation or number (Betelgeuse, alpha Ori, 58 Ori, HR 2061, M31, NGC 869,\n"
    "Orion Nebula, Orion, Jupiter):";

// Offers the index's names that begin with what is typed (case, blanks and accents ignored).
class NameCompleter : public wxTextCompleterSimple {
public:
    explicit NameCompleter(const NameIndex& index) : m_index(index) {}
    void GetCompletions(const wxString& prefix, wxArrayString& result) override {
        for (const std::string& name : m_index.Complete(prefix.utf8_string(), kCompletionLimit)) {
            result.Add(wxString::FromUTF8(name));
        }
    }

private:
    const NameIndex& m_index;
};

} // namespace

CFindObjectDialog::CFindObjectDialog(wxWindow* parent, ChartState& chart, const CatalogStore& store)
    : wxDialog(parent, wxID_ANY, kTitle), m_chart(chart), m_store(store), m_index(store) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, kPrompt), 0, wxALL, kGap);
    m_name = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(kBoxWidth, -1),
                            wxTE_PROCESS_ENTER);
    m_name->AutoComplete(new NameCompleter(m_index));
    top->Add(m_name, 0, wxEXPAND | wxLEFT | wxRIGHT, kGap);
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
    const SearchTarget target = NamedObjectPosition(*object, m_store, m_chart);
    CenterOn(m_chart, target.ra, target.dec);
    m_found = target;
    return true;
}

void CFindObjectDialog::OnOk(wxCommandEvent&) {
    if (CentreOnName()) {
        EndModal(wxID_OK);
    }
}
