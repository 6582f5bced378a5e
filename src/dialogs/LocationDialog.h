// The Location dialog of the Settings menu: the place (a list of the 409 places of the table,
// the current place first, editable), longitude and latitude in degrees and minutes with their
// E/W and N/S buttons, and the time zone with its "Daylight saving time" box. Choosing a place of
// the table, or typing its name, fills the fields from it and takes its named zone
// (placezones.tab); another name keeps the fields and a fixed offset; the box, ticked
// while a named zone is used, turns it off (the fixed standard offset) and on again, and typing
// in the zone field means a fixed offset. With a named zone the field shows the offset in force
// on the chart's date.
// OK checks the fields, takes the new observer and closes; the caller hands the new place to the
// sky session (which recomputes the Sun, Moon, horizon and sidereal angles, not
// the planets) and redraws.
#pragma once

#include "dialogrules/DialogValidation.h"
#include "dialogrules/SettingsDialogRules.h"

#include <wx/dialog.h>

#include "astro/Observer.h"
#include "astro/SkyDate.h"

struct CatalogStore;
class wxCheckBox;
class wxComboBox;
class wxStaticText;
class wxRadioButton;
class wxTextCtrl;

namespace location_id {
inline constexpr int Place = 1012;
inline constexpr int LongitudeDegrees = 1019;
inline constexpr int LongitudeMinutes = 1020;
inline constexpr int LatitudeDegrees = 1021;
inline constexpr int LatitudeMinutes = 1022;
inline constexpr int West = 1023;
inline constexpr int East = 1024;
inline constexpr int North = 1025;
inline constexpr int South = 1026;
inline constexpr int TimeZone = 1027;
inline constexpr int DaylightSaving = 1028;
} // namespace location_id

class CLocationDialog : public wxDialog {
public:
    // Shows `observer`; the zone's offset is the one in force at the clock time `clock`.
    CLocationDialog(wxWindow* parent, const Observer& observer, const SkyDate& clock,
                    const CatalogStore& catalog);

    // The observer shown when the dialog was made, or the one OK took.
    const Observer& Place() const { return m_observer; }

    LocationFields Fields() const;
    void ShowPlaceFields(const PlaceFields& fields);

    // The place list's entry `entry` was chosen: entry p >= 1 fills the fields from table row
    // p - 1; entry 0 (the current place) leaves them as they are.
    void ChoosePlace(int entry);

    // OK without closing: false (message shown, focus on the field, nothing changed) when a
    // field is wrong; otherwise the observer is written and the sky recomputed for the place.
    bool Apply();

    wxComboBox& PlaceBox() { return *m_place; }
    wxCheckBox& DaylightSavingBox() { return *m_daylightSaving; }
    // The note under the zone (unwrapped): the zone and whether summer time is in force, or why
    // the fixed offset is used.
    wxString ZoneNote() const;
    wxStaticText& ZoneNoteControl() { return *m_zoneNote; }
    // Ticks or unticks the box as a click does.
    void SetDaylightSaving(bool on);
    wxTextCtrl& Control(LocationField field);
    wxRadioButton& EastButton() { return *m_east; }
    wxRadioButton& WestButton() { return *m_west; }
    wxRadioButton& NorthButton() { return *m_north; }
    wxRadioButton& SouthButton() { return *m_south; }

private:
    void OnOk(wxCommandEvent& event);
    void OnPlaceChosen(wxCommandEvent& event);
    void OnDaylightSaving(wxCommandEvent& event);
    void OnZoneTyped(wxCommandEvent& event);
    void OnPlaceTyped(wxCommandEvent& event);
    // A typed name of the table fills the fields as choosing it does; any other name than the
    // one the dialog opened with keeps the fields and makes the zone a fixed offset.
    void LookUpTypedPlace();
    void ShowNote(const wxString& text);
    void ShowFixedOffsetNote();
    // The box's state and the zone field for m_zoneName and m_standardZone.
    void ShowZone(bool useNamedZone);
    // The observer the zone field stands for: the named zone when the box is ticked.
    Observer ZoneObserver() const;

    Observer m_observer;
    SkyDate m_clock;
    const CatalogStore& m_store;
    wxComboBox* m_place = nullptr;
    wxTextCtrl* m_longDeg = nullptr;
    wxTextCtrl* m_longMin = nullptr;
    wxRadioButton* m_west = nullptr;
    wxRadioButton* m_east = nullptr;
    wxTextCtrl* m_latDeg = nullptr;
    wxTextCtrl* m_latMin = nullptr;
    wxRadioButton* m_north = nullptr;
    wxRadioButton* m_south = nullptr;
    wxTextCtrl* m_zone = nullptr;
    wxCheckBox* m_daylightSaving = nullptr;
    wxStaticText* m_zoneNote = nullptr;
    std::string m_zoneName;      // the named zone the box turns on, empty when there is none
    float m_standardZone = 0.0f; // its standard offset, hours east
    int m_placeRow = -1;         // the table row the fields were last filled from, or -1
    bool m_placeUnknown = false; // the place name is the user's own, not the opening one
    int m_noteWidth = 0;         // pixels the zone note wraps at
    wxString m_noteText;         // the zone note as written, before wrapping
};
