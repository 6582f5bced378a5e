#include "dialogs/LocationDialog.h"

#include "astro/ClockTime.h"
#include "catalog/CatalogStore.h"
#include "catalog/PlaceZones.h"
#include "dialogs/FieldError.h"
#include "files/Utf8Text.h"
#include "guibase/Messages.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <optional>
#include <string>

namespace {

constexpr int kGap = 8;          // pixels between controls
constexpr int kNumberWidth = 60; // pixels, width of a number field
constexpr int kPlaceWidth = 300; // pixels

wxTextCtrl* NumberBox(wxWindow* parent, int id) {
    return new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxSize(kNumberWidth, -1));
}

wxString Number(int value) {
    return wxString::Format("%d", value);
}

// One angle group: degrees, minutes and the two hemisphere buttons.
wxStaticBoxSizer* AngleGroup(wxWindow* parent, const char* title, wxTextCtrl*& degrees,
                             int degreesId, wxTextCtrl*& minutes, int minutesId,
                             wxRadioButton*& first, int firstId, const char* firstLabel,
                             wxRadioButton*& second, int secondId, const char* secondLabel) {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, parent, title);
    wxWindow* box = group->GetStaticBox();
    auto* grid = new wxFlexGridSizer(2, kGap / 2, kGap);
    degrees = NumberBox(box, degreesId);
    grid->Add(new wxStaticText(box, wxID_ANY, "deg"), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(degrees);
    minutes = NumberBox(box, minutesId);
    grid->Add(new wxStaticText(box, wxID_ANY, "min"), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(minutes);
    group->Add(grid, 0, wxALL, kGap);
    auto* radios = new wxBoxSizer(wxHORIZONTAL);
    first =
        new wxRadioButton(box, firstId, firstLabel, wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    second = new wxRadioButton(box, secondId, secondLabel);
    radios->Add(first, 0, wxRIGHT, kGap);
    radios->Add(second, 0);
    group->Add(radios, 0, wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    return group;
}

} // namespace

CLocationDialog::CLocationDialog(wxWindow* parent, const Observer& observer, const SkyDate& clock,
                                 const CatalogStore& catalog)
    : wxDialog(parent, wxID_ANY, "Location"), m_observer(observer), m_clock(clock),
      m_store(catalog) {
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* placeGroup = new wxStaticBoxSizer(wxVERTICAL, this, "Location");
    wxArrayString places;
    for (const std::string& name : PlaceListEntries(catalog, observer.Location)) {
        places.Add(wxString::FromUTF8(name));
    }
    m_place = new wxComboBox(placeGroup->GetStaticBox(), location_id::Place, places[0],
                             wxDefaultPosition, wxSize(kPlaceWidth, -1), places, wxCB_DROPDOWN);
    m_place->SetSelection(0);
    placeGroup->Add(m_place, 0, wxEXPAND | wxALL, kGap);
    top->Add(placeGroup, 0, wxEXPAND | wxALL, kGap);

    auto* angles = new wxBoxSizer(wxHORIZONTAL);
    angles->Add(AngleGroup(this, "Longitude", m_longDeg, location_id::LongitudeDegrees, m_longMin,
                           location_id::LongitudeMinutes, m_west, location_id::West, "W", m_east,
                           location_id::East, "E"),
                1, wxEXPAND | wxRIGHT, kGap);
    angles->Add(AngleGroup(this, "Latitude", m_latDeg, location_id::LatitudeDegrees, m_latMin,
                           location_id::LatitudeMinutes, m_north, location_id::North, "N", m_south,
                           location_id::South, "S"),
                1, wxEXPAND);
    top->Add(angles, 0, wxEXPAND | wxLEFT | wxRIGHT, kGap);

    auto* zoneRow = new wxBoxSizer(wxHORIZONTAL);
    zoneRow->Add(new wxStaticText(this, wxID_ANY, "Time zone"), 0,
                 wxALIGN_CENTER_VERTICAL | wxRIGHT, kGap);
    m_zone = NumberBox(this, location_id::TimeZone);
    zoneRow->Add(m_zone, 0, wxALIGN_CENTER_VERTICAL);
    m_daylightSaving = new wxCheckBox(this, location_id::DaylightSaving, "Daylight saving time");
    zoneRow->Add(m_daylightSaving, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 2 * kGap);
    top->Add(zoneRow, 0, wxLEFT | wxRIGHT | wxTOP, kGap);
    m_zoneNote = new wxStaticText(this, wxID_ANY, wxEmptyString);
    top->Add(m_zoneNote, 0, wxEXPAND | wxALL, kGap);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault(); // Enter in the dialog presses OK
    buttons->Add(ok, 0, wxRIGHT, kGap);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0);
    top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    SetSizerAndFit(top);
    // The note wraps within the width the fields give the dialog.
    m_noteWidth = GetClientSize().x - 2 * kGap;
    SetEscapeId(wxID_CANCEL);

    ShowPlaceFields(ObserverFields(observer));
    m_zoneName = observer.TimeZoneName;
    m_standardZone = observer.TimeZone;
    ShowZone(!m_zoneName.empty());

    Bind(wxEVT_BUTTON, &CLocationDialog::OnOk, this, wxID_OK);
    m_place->Bind(wxEVT_COMBOBOX, &CLocationDialog::OnPlaceChosen, this);
    m_place->Bind(wxEVT_TEXT, &CLocationDialog::OnPlaceTyped, this);
    m_daylightSaving->Bind(wxEVT_CHECKBOX, &CLocationDialog::OnDaylightSaving, this);
    m_zone->Bind(wxEVT_TEXT, &CLocationDialog::OnZoneTyped, this);
    CentreOnParent();
}

LocationFields CLocationDialog::Fields() const {
    LocationFields fields;
    fields.place = m_place->GetValue().utf8_string();
    fields.longitudeDegrees = m_longDeg->GetValue().utf8_string();
    fields.longitudeMinutes = m_longMin->GetValue().utf8_string();
    fields.east = m_east->GetValue();
    fields.latitudeDegrees = m_latDeg->GetValue().utf8_string();
    fields.latitudeMinutes = m_latMin->GetValue().utf8_string();
    fields.north = m_north->GetValue();
    fields.timeZone = m_zone->GetValue().utf8_string();
    if (m_daylightSaving->GetValue()) {
        // The field shows the offset in force; what is checked and stored is the standard one.
        fields.timeZone = TimeZoneText(m_standardZone);
    }
    return fields;
}

void CLocationDialog::ShowPlaceFields(const PlaceFields& fields) {
    m_longDeg->ChangeValue(Number(fields.longitudeDegrees));
    m_longMin->ChangeValue(Number(fields.longitudeMinutes));
    (fields.east ? m_east : m_west)->SetValue(true);
    m_latDeg->ChangeValue(Number(fields.latitudeDegrees));
    m_latMin->ChangeValue(Number(fields.latitudeMinutes));
    (fields.north ? m_north : m_south)->SetValue(true);
    m_zone->ChangeValue(wxString::FromUTF8(TimeZoneText(fields.timeZone)));
}

void CLocationDialog::ChoosePlace(int entry) {
    if (entry < 1 || entry > static_cast<int>(kLocationCount)) {
        return; // the current place has no table row: the fields stay as they are
    }
    const LocationRecord& row = m_store.m_locations[static_cast<std::size_t>(entry - 1)];
    m_placeRow = entry - 1;
    m_placeUnknown = false;
    m_place->ChangeValue(wxString::FromUTF8(PlaceRowName(row)));
    ShowPlaceFields(PlaceRowFields(row));
    m_zoneName = std::string(m_store.m_placeZones.ZoneOf(PlaceRowName(row)));
    m_standardZone = -row.timeZone;
    ShowZone(!m_zoneName.empty());
}

Observer CLocationDialog::ZoneObserver() const {
    Observer observer;
    observer.TimeZone = m_standardZone;
    if (m_daylightSaving->GetValue()) {
        observer.TimeZoneName = m_zoneName;
    }
    return observer;
}

void CLocationDialog::ShowZone(bool useNamedZone) {
    const bool known = IsKnownTimeZone(m_zoneName);
    m_daylightSaving->Enable(known);
    m_daylightSaving->SetValue(useNamedZone && known);
    const UtcOffset offset = ObserverUtcOffset(m_clock, ZoneOf(ZoneObserver()));
    if (m_daylightSaving->GetValue()) {
        m_zone->ChangeValue(wxString::FromUTF8(TimeZoneText(offset.hours)));
        ShowNote(wxString::FromUTF8(m_zoneName + (offset.summerTime
                                                      ? ": summer time on the chart's date"
                                                      : ": standard time on the chart's date")));
    } else if (!m_zoneName.empty() && !known) {
        ShowNote(
            wxString::FromUTF8("The time zone " + m_zoneName + " is unknown to this computer."));
    } else {
        ShowFixedOffsetNote();
    }
}

void CLocationDialog::ShowFixedOffsetNote() {
    ShowNote(m_placeUnknown ? "This place is not in the list: the longitude, latitude and time "
                              "zone above are used as typed, the zone as a fixed offset from "
                              "Greenwich."
                            : "Fixed offset from Greenwich.");
}

void CLocationDialog::ShowNote(const wxString& text) {
    m_noteText = text;
    m_zoneNote->SetLabel(text);
    if (m_noteWidth > 0) {
        m_zoneNote->Wrap(m_noteWidth);
        GetSizer()->Fit(this);
    }
}

void CLocationDialog::OnPlaceTyped(wxCommandEvent&) {
    LookUpTypedPlace();
}

void CLocationDialog::LookUpTypedPlace() {
    const std::string typed = m_place->GetValue().utf8_string();
    if (TrimmedText(typed) == TrimmedText(m_observer.Location)) {
        // The place the dialog opened with: its own fields and zone again, once another place
        // has replaced them.
        if (m_placeRow >= 0 || m_placeUnknown) {
            m_placeRow = -1;
            m_placeUnknown = false;
            ShowPlaceFields(ObserverFields(m_observer));
            m_zoneName = m_observer.TimeZoneName;
            m_standardZone = m_observer.TimeZone;
            ShowZone(!m_zoneName.empty());
        }
        return;
    }
    const std::optional<std::size_t> row = FindPlaceRow(m_store, typed);
    if (row) {
        // A name that several rows share keeps the row chosen from the list.
        const bool sameName =
            m_placeRow >= 0 &&
            FindPlaceRow(m_store,
                         PlaceRowName(m_store.m_locations[static_cast<std::size_t>(m_placeRow)])) ==
                row;
        if (!sameName) {
            ChoosePlace(static_cast<int>(*row) + 1);
        }
        return;
    }
    // A name of the user's own: the coordinates shown stay, and no named zone is taken from
    // another place.
    m_placeRow = -1;
    m_placeUnknown = true;
    if (m_daylightSaving->GetValue()) {
        m_zone->ChangeValue(wxString::FromUTF8(TimeZoneText(m_standardZone)));
    }
    m_zoneName.clear();
    ShowZone(false);
}

wxString CLocationDialog::ZoneNote() const {
    return m_noteText;
}

void CLocationDialog::SetDaylightSaving(bool on) {
    m_daylightSaving->SetValue(on);
    wxCommandEvent event(wxEVT_CHECKBOX, location_id::DaylightSaving);
    event.SetInt(on ? 1 : 0);
    OnDaylightSaving(event);
}

void CLocationDialog::OnDaylightSaving(wxCommandEvent& event) {
    if (!event.IsChecked()) {
        m_zone->ChangeValue(wxString::FromUTF8(TimeZoneText(m_standardZone)));
    }
    ShowZone(event.IsChecked());
}

void CLocationDialog::OnZoneTyped(wxCommandEvent&) {
    // A zone typed by hand is a fixed offset; the box can turn the named zone on again.
    if (m_daylightSaving->GetValue()) {
        m_daylightSaving->SetValue(false);
        ShowFixedOffsetNote();
    }
}

wxTextCtrl& CLocationDialog::Control(LocationField field) {
    switch (field) {
    case LocationField::LongitudeMinutes:
        return *m_longMin;
    case LocationField::LongitudeDegrees:
        return *m_longDeg;
    case LocationField::LatitudeMinutes:
        return *m_latMin;
    case LocationField::LatitudeDegrees:
        return *m_latDeg;
    case LocationField::TimeZone:
        break;
    }
    return *m_zone;
}

bool CLocationDialog::Apply() {
    // A name set without typing events is looked up all the same.
    LookUpTypedPlace();
    const LocationCheck check = CheckLocation(Fields());
    if (!check.values) {
        ReportFieldError(this, check.message, Control(check.field));
        return false;
    }
    const bool named = m_daylightSaving->GetValue();
    m_observer = *check.values;
    m_observer.TimeZoneName = named ? m_zoneName : std::string();
    return true;
}

void CLocationDialog::OnOk(wxCommandEvent&) {
    if (Apply()) {
        EndModal(wxID_OK);
    }
}

void CLocationDialog::OnPlaceChosen(wxCommandEvent& event) {
    ChoosePlace(event.GetSelection());
}
