// Folder dialogs/: the dialogs and panels (settings, search, find, information panels); their
// rules live in the core (dialogrules/, search/, texts/).
//
// The five search dialogs of the Search menu. Each finds one object and, on OK (or a double-click
// on a list entry, or a body's button), centres the chart on it with CenterOn and closes as
// accepted; the caller then redraws the chart. A wrong or missing choice shows the dialog's
// message and leaves the dialog open and the chart unchanged; Cancel changes nothing.
#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

struct CatalogStore;
struct ChartState;
class SkySession;
struct SkyState;
class wxListBox;
class wxTextCtrl;

// Control ids of the search dialogs.
namespace search_id {
inline constexpr int List = 1001;
inline constexpr int MessierNumber = 1002;
inline constexpr int Sun = 1059;
inline constexpr int Moon = 1060;
inline constexpr int Mercury = 1051;
inline constexpr int Venus = 1052;
inline constexpr int Mars = 1054;
inline constexpr int Jupiter = 1053;
inline constexpr int Saturn = 1055;
inline constexpr int Uranus = 1056;
inline constexpr int Neptune = 1058;
inline constexpr int Pluto = 1057;
} // namespace search_id

// Star, NGC and constellation: a sorted list of names or numbers, OK and Cancel.
class CSearchListDialog : public wxDialog {
public:
    enum class Kind { Star, Ngc, Constellation };

    CSearchListDialog(wxWindow* parent, Kind kind, ChartState& chart, const SkySession& session);

    wxListBox& List() { return *m_list; }

    // OK: the selected entry's position becomes the chart's centre. False (and the message
    // shown) when no entry is selected.
    bool CentreOnSelection();

private:
    void OnOk(wxCommandEvent& event);

    Kind m_kind;
    ChartState& m_chart;
    const CatalogStore& m_store;
    const SkyState& m_sky;
    wxListBox* m_list = nullptr;
};

// Messier: a catalogue number of at most three digits.
class CSearchMessierDialog : public wxDialog {
public:
    CSearchMessierDialog(wxWindow* parent, ChartState& chart, const SkySession& session);

    wxTextCtrl& NumberBox() { return *m_number; }

    // OK: true when the number was found and the chart centred on it. An empty box does nothing
    // (false, no message); a number that matches no record shows "Wrong catalog number !".
    bool CentreOnNumber();

private:
    void OnOk(wxCommandEvent& event);

    ChartState& m_chart;
    const CatalogStore& m_store;
    const SkyState& m_sky;
    wxTextCtrl* m_number = nullptr;
};

// Solar System: one button per body (no OK button); a button centres at once.
class CSearchSolarSystemDialog : public wxDialog {
public:
    CSearchSolarSystemDialog(wxWindow* parent, ChartState& chart, const SkyState& sky);

    // Centres on the body (0 Moon, 1 Sun, 2 Mercury .. 9 Pluto).
    void CentreOnBody(int body);

private:
    void OnBody(wxCommandEvent& event);

    ChartState& m_chart;
    const SkyState& m_sky;
};
