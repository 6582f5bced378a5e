#include "dialogs/DateTimeDialog.h"

#include "astro/ClockTime.h"
#include "dialogs/FieldError.h"
#include "guibase/Messages.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <string>

namespace {

constexpr int kGap = 8;               // pixels between controls
constexpr int kNumberWidth = 70;      // pixels, width of a number field
constexpr int kSpinRange = 1'000'000; // the spin button itself tests no range

const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

wxString Number(int value) {
    return wxString::Format("%d", value);
}

wxTextCtrl* NumberBox(wxWindow* parent, int id) {
    return new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxSize(kNumberWidth, -1));
}

void AddLabelled(wxFlexGridSizer* grid, wxWindow* parent, const char* label, wxWindow* control,
                 wxWindow* beside = nullptr) {
    grid->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
    if (beside == nullptr) {
        grid->Add(control, 0, wxALIGN_CENTER_VERTICAL);
        return;
    }
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(control, 0, wxALIGN_CENTER_VERTICAL);
    row->Add(beside, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 2);
    grid->Add(row, 0, wxALIGN_CENTER_VERTICAL);
}

} // namespace

CDateTimeDialog::CDateTimeDialog(wxWindow* parent, const SkyDate& clock, const Observer& observer)
    : wxDialog(parent, wxID_ANY, "Date/Time"), m_clock(clock), m_observer(observer) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* groups = new wxBoxSizer(wxHORIZONTAL);

    auto* date = new wxStaticBoxSizer(wxVERTICAL, this, "Date");
    wxWindow* dateBox = date->GetStaticBox();
    auto* dateGrid = new wxFlexGridSizer(2, kGap / 2, kGap);
    m_yearBox = NumberBox(dateBox, datetime_id::Year);
    auto* spin = new wxSpinButton(dateBox, datetime_id::Spin, wxDefaultPosition, wxDefaultSize,
                                  wxSP_VERTICAL);
    spin->SetRange(-kSpinRange, kSpinRange);
    spin->SetValue(0);
    AddLabelled(dateGrid, dateBox, "Year", m_yearBox, spin);
    wxArrayString months;
    for (const char* name : kMonthNames) {
        months.Add(name);
    }
    m_month = new wxChoice(dateBox, datetime_id::Month, wxDefaultPosition, wxDefaultSize, months);
    AddLabelled(dateGrid, dateBox, "Month", m_month);
    m_day = NumberBox(dateBox, datetime_id::Day);
    AddLabelled(dateGrid, dateBox, "Day", m_day);
    date->Add(dateGrid, 0, wxALL, kGap);
    groups->Add(date, 0, wxEXPAND | wxRIGHT, kGap);

    auto* time = new wxStaticBoxSizer(wxVERTICAL, this, "Time");
    wxWindow* timeBox = time->GetStaticBox();
    auto* timeGrid = new wxFlexGridSizer(2, kGap / 2, kGap);
    m_hour = NumberBox(timeBox, datetime_id::Hour);
    AddLabelled(timeGrid, timeBox, "hour", m_hour);
    m_minute = NumberBox(timeBox, datetime_id::Minute);
    AddLabelled(timeGrid, timeBox, "min", m_minute);
    time->Add(timeGrid, 0, wxALL, kGap);
    time->AddStretchSpacer();
    time->Add(new wxButton(timeBox, datetime_id::Now, "Now..."), 0, wxALIGN_RIGHT | wxALL, kGap);
    groups->Add(time, 0, wxEXPAND);
    top->Add(groups, 0, wxALL, kGap);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault(); // Enter in the dialog presses OK
    buttons->Add(ok, 0, wxRIGHT, kGap);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0);
    top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    SetSizerAndFit(top);
    SetEscapeId(wxID_CANCEL);

    const SkyDate& sky = m_clock;
    m_year = sky.year;
    SetFields(DateTimeFields{std::to_string(sky.year), sky.month - 1, std::to_string(sky.day),
                             std::to_string(sky.hour), std::to_string(sky.minute)});

    Bind(wxEVT_BUTTON, &CDateTimeDialog::OnOk, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CDateTimeDialog::OnNow, this, datetime_id::Now);
    spin->Bind(wxEVT_SPIN_UP, &CDateTimeDialog::OnSpinUp, this);
    spin->Bind(wxEVT_SPIN_DOWN, &CDateTimeDialog::OnSpinDown, this);
    CentreOnParent();
}

DateTimeFields CDateTimeDialog::Fields() const {
    DateTimeFields fields;
    fields.year = m_yearBox->GetValue().utf8_string();
    fields.monthIndex = m_month->GetSelection();
    fields.day = m_day->GetValue().utf8_string();
    fields.hour = m_hour->GetValue().utf8_string();
    fields.minute = m_minute->GetValue().utf8_string();
    return fields;
}

void CDateTimeDialog::SetFields(const DateTimeFields& fields) {
    m_yearBox->ChangeValue(wxString::FromUTF8(fields.year));
    m_month->SetSelection(std::clamp(fields.monthIndex, 0, 11));
    m_day->ChangeValue(wxString::FromUTF8(fields.day));
    m_hour->ChangeValue(wxString::FromUTF8(fields.hour));
    m_minute->ChangeValue(wxString::FromUTF8(fields.minute));
}

wxTextCtrl& CDateTimeDialog::Control(DateTimeField field) {
    switch (field) {
    case DateTimeField::Day:
        return *m_day;
    case DateTimeField::Hour:
        return *m_hour;
    case DateTimeField::Minute:
        return *m_minute;
    case DateTimeField::Year:
        break;
    }
    return *m_yearBox;
}

bool CDateTimeDialog::Apply() {
    const DateTimeCheck check = CheckDateTime(Fields());
    if (!check.values) {
        ReportFieldError(this, check.message, Control(check.field));
        return false;
    }
    SkyDate sky = m_clock;
    sky.year = check.values->year;
    sky.month = check.values->month;
    sky.day = check.values->day;
    sky.hour = check.values->hour;
    sky.minute = check.values->minute; // the second stays as it is
    // A clock time that the place's zone skips (spring gap) is shown as the clocks show it.
    m_clock = NormalizeClockTime(sky, ZoneOf(m_observer));
    return true;
}

void CDateTimeDialog::StepYear(int delta) {
    // The step starts from the year shown when it is a whole number, else from the dialog's own.
    const FieldValue<int> shown =
        ReadInteger(m_yearBox->GetValue().utf8_string(), -kSpinRange, kSpinRange);
    m_year = shown.value.value_or(m_year) + delta;
    m_yearBox->ChangeValue(Number(m_year));
}

void CDateTimeDialog::TakeNow() {
    const SkyDate now = NowAtObserver(ZoneOf(m_observer));
    m_year = now.year;
    SetFields(DateTimeFields{std::to_string(now.year), now.month - 1, std::to_string(now.day),
                             std::to_string(now.hour), std::to_string(now.minute)});
}

void CDateTimeDialog::OnOk(wxCommandEvent&) {
    if (Apply()) {
        EndModal(wxID_OK);
    }
}

void CDateTimeDialog::OnSpinUp(wxSpinEvent&) {
    StepYear(+1);
}
void CDateTimeDialog::OnSpinDown(wxSpinEvent&) {
    StepYear(-1);
}
void CDateTimeDialog::OnNow(wxCommandEvent&) {
    TakeNow();
}
