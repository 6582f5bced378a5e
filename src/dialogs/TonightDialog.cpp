#include "dialogs/TonightDialog.h"

#include <wx/button.h>
#include <wx/font.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <chrono>
#include <cmath>
#include <cstdio>

#include "astro/ClockTime.h"

namespace {

constexpr double kUnixEpochJd = 2440587.5;

std::string TimeText(const std::optional<double>& jd, const ZoneRule& zone) {
    if (!jd) {
        return "-";
    }
    const SkyDate c = ObserverClockTime(
        ClockInstant{std::chrono::seconds(std::llround((*jd - kUnixEpochJd) * 1440.0) * 60)}, zone);
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%02d %02d:%02d", c.month, c.day, c.hour, c.minute);
    return text;
}

} // namespace

CTonightDialog::CTonightDialog(wxWindow* parent, const std::string& events,
                               std::vector<VisibleObject> rows, const ZoneRule& zone,
                               ShowObject show)
    : wxDialog(parent, wxID_ANY, "Tonight", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_rows(std::move(rows)), m_zone(zone), m_show(std::move(show)) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    // A fixed-width face keeps the times of the event lines in one column.
    auto* eventText = new wxStaticText(this, wxID_ANY, wxString::FromUTF8(events));
    eventText->SetFont(wxFont(wxFontInfo().Family(wxFONTFAMILY_TELETYPE)));
    top->Add(eventText, 0, wxALL, 8);
    m_list = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(620, 360),
                            wxLC_REPORT | wxLC_SINGLE_SEL);
    m_list->AppendColumn("Object", wxLIST_FORMAT_LEFT, 120);
    m_list->AppendColumn("Highest", wxLIST_FORMAT_LEFT, 120);
    m_list->AppendColumn("Altitude", wxLIST_FORMAT_RIGHT, 90);
    m_list->AppendColumn("Rise", wxLIST_FORMAT_LEFT, 120);
    m_list->AppendColumn("Set", wxLIST_FORMAT_LEFT, 120);
    m_list->Bind(wxEVT_LIST_COL_CLICK,
                 [this](wxListEvent& e) { SortBy(static_cast<WellPlacedColumn>(e.GetColumn())); });
    m_list->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent& e) {
        const long row = e.GetIndex();
        if (row >= 0 && static_cast<std::size_t>(row) < m_rows.size() && m_show) {
            m_show(m_rows[static_cast<std::size_t>(row)]);
            // The window covers the middle of the chart, where the object now stands.
            if (IsModal()) {
                EndModal(wxID_OK);
            }
        }
    });
    top->Add(m_list, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    auto* close = new wxButton(this, wxID_OK, "Close");
    top->Add(close, 0, wxALIGN_RIGHT | wxALL, 8);
    SetSizerAndFit(top);
    SetEscapeId(wxID_OK);
    Fill();
    Centre(wxBOTH);
}

void CTonightDialog::SortBy(WellPlacedColumn column) {
    m_ascending = column == m_column ? !m_ascending : true;
    m_column = column;
    SortVisible(m_rows, m_column, m_ascending);
    Fill();
}

void CTonightDialog::Fill() {
    // The heading of the sorting column shows which way it sorts.
    m_list->ShowSortIndicator(static_cast<int>(m_column), m_ascending);
    FillRows();
}

void CTonightDialog::FillRows() {
    m_list->DeleteAllItems();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const VisibleObject& v = m_rows[i];
        const long item = m_list->InsertItem(static_cast<long>(i), wxString::FromUTF8(v.name));
        char altitude[16];
        std::snprintf(altitude, sizeof altitude, "%.1f\u00b0", v.entry.maxAltitude);
        m_list->SetItem(item, 1, TimeText(v.entry.transit, m_zone));
        m_list->SetItem(item, 2, wxString::FromUTF8(altitude));
        m_list->SetItem(item, 3, TimeText(v.entry.rise, m_zone));
        m_list->SetItem(item, 4, TimeText(v.entry.set, m_zone));
    }
}
