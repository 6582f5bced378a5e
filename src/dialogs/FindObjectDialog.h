// Search, Find Object: one text box that takes every name the program knows (the core's
// NameIndex), with a list of completions under it that follows what is typed (a click puts a
// name into the box, a double-click finds it). OK centres the chart on the object with CenterOn, as
// the other searches do, and closes as accepted; the caller redraws and marks the object. An
// unknown name shows a message and leaves the dialog open and the chart unchanged; an empty box
// does nothing; Cancel changes nothing.
#pragma once

#include "search/NameIndex.h"

#include <wx/dialog.h>

#include <optional>

struct CatalogStore;
struct ChartState;
class SkySession;
struct SkyState;
class wxListBox;
class wxTextCtrl;

class CFindObjectDialog : public wxDialog {
public:
    CFindObjectDialog(wxWindow* parent, ChartState& chart, const SkySession& session);

    wxTextCtrl& NameBox() { return *m_name; }
    wxListBox& Completions() { return *m_completions; }

    // OK: true when the name was found and the chart centred on it (Found() then says where).
    bool CentreOnName();
    const std::optional<SearchTarget>& Found() const { return m_found; }
    // What the name stood for, when it was found.
    const std::optional<NamedObject>& FoundObject() const { return m_foundObject; }

private:
    void OnOk(wxCommandEvent& event);
    void OnText(wxCommandEvent& event);
    void OnCompletion(wxCommandEvent& event);
    void OnCompletionChosen(wxCommandEvent& event);

    ChartState& m_chart;
    const CatalogStore& m_store;
    const SkyState& m_sky;
    NameIndex m_index;
    wxTextCtrl* m_name = nullptr;
    wxListBox* m_completions = nullptr;
    std::optional<SearchTarget> m_found;
    std::optional<NamedObject> m_foundObject;
};
