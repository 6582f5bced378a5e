// The Date/Time dialog of the Settings menu: year (with a spin button), month, day, hour and
// minute of the chart's instant, and "Now..." for the computer's clock. OK checks the fields,
// takes the new clock time (the second stays) and closes; the caller hands it to the sky session
// and redraws.
#pragma once

#include "dialogrules/DialogValidation.h"

#include <wx/dialog.h>

#include "astro/Observer.h"
#include "astro/SkyDate.h"

class wxChoice;
class wxSpinEvent;
class wxTextCtrl;

namespace datetime_id {
inline constexpr int Hour = 1008;
inline constexpr int Spin = 1011;
inline constexpr int Month = 1012;
inline constexpr int Day = 1013;
inline constexpr int Minute = 1015;
inline constexpr int Now = 1016;
inline constexpr int Year = 1017;
} // namespace datetime_id

class CDateTimeDialog : public wxDialog {
public:
    // Shows `clock`, the clock time at `observer`'s place.
    CDateTimeDialog(wxWindow* parent, const SkyDate& clock, const Observer& observer);

    // The clock time shown when the dialog was made, or the one OK took.
    const SkyDate& ClockTime() const { return m_clock; }

    // The fields as typed.
    DateTimeFields Fields() const;
    void SetFields(const DateTimeFields& fields);

    // OK without closing: false (message shown, focus on the field, nothing changed) when a
    // field is wrong; otherwise the clock time is taken.
    bool Apply();

    // The spin button's step: the year one up or down, no range test.
    void StepYear(int delta);
    // "Now...": the fields take the computer's local date and time.
    void TakeNow();

    wxTextCtrl& Control(DateTimeField field);

private:
    void OnOk(wxCommandEvent& event);
    void OnSpinUp(wxSpinEvent& event);
    void OnSpinDown(wxSpinEvent& event);
    void OnNow(wxCommandEvent& event);

    SkyDate m_clock;
    Observer m_observer;
    int m_year = 0; // the dialog's year, which the spin button steps
    wxTextCtrl* m_yearBox = nullptr;
    wxChoice* m_month = nullptr;
    wxTextCtrl* m_day = nullptr;
    wxTextCtrl* m_hour = nullptr;
    wxTextCtrl* m_minute = nullptr;
};
