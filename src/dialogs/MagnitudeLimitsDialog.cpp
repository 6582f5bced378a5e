#include "dialogs/MagnitudeLimitsDialog.h"

#include "chart/ChartState.h"
#include "interaction/SettingsDialogRules.h"
#include "settings/AppSettings.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <initializer_list>

namespace {

constexpr int kGap = 8;           // pixels between controls
constexpr int kSliderWidth = 260; // pixels
constexpr int kScaleStep = 2;     // slider positions between two scale labels

// A slider over its scale: the labels sit under every second position from the first, "mag"
// after the last.
wxStaticBoxSizer* SliderGroup(wxWindow* parent, const char* title, int id, int max,
                              std::initializer_list<const char*> labels, wxSlider*& slider) {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, parent, title);
    wxWindow* box = group->GetStaticBox();
    slider = new wxSlider(box, id, 0, 0, max, wxDefaultPosition, wxSize(kSliderWidth, -1),
                          wxSL_HORIZONTAL | wxSL_AUTOTICKS);
    slider->SetTickFreq(1);
    group->Add(slider, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kGap);
    // The labels share the slider's width in proportion to the positions they stand for.
    auto* scale = new wxBoxSizer(wxHORIZONTAL);
    for (const char* label : labels) {
        scale->Add(new wxStaticText(box, wxID_ANY, label), kScaleStep, wxALIGN_LEFT);
    }
    const int rest = max - kScaleStep * (static_cast<int>(labels.size()) - 1);
    scale->Add(new wxStaticText(box, wxID_ANY, "mag"), rest, wxALIGN_LEFT);
    group->Add(scale, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap + 4);
    return group;
}

} // namespace

CMagnitudeLimitsDialog::CMagnitudeLimitsDialog(wxWindow* parent, AppSettings& settings,
                                               ChartState& chart)
    : wxDialog(parent, wxID_ANY, "Magnitude limits"), m_settings(settings), m_chart(chart) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(SliderGroup(this, "Stars", magnitude_id::StarSlider, kStarSliderMax,
                         {"1", "2", "3", "4", "5", "6"}, m_star),
             0, wxEXPAND | wxALL, kGap);
    top->Add(SliderGroup(this, "Deep sky objects", magnitude_id::DeepSkySlider, kDeepSkySliderMax,
                         {"6", "8", "10", "12"}, m_deepSky),
             0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);

    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    m_auto = new wxCheckBox(this, magnitude_id::AutoMode, "Auto mode");
    bottom->Add(m_auto, 0, wxALIGN_CENTER_VERTICAL);
    bottom->AddStretchSpacer();
    bottom->Add(new wxButton(this, wxID_OK, "OK"), 0, wxRIGHT, kGap);
    bottom->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0);
    top->Add(bottom, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    SetSizerAndFit(top);
    SetEscapeId(wxID_CANCEL);

    m_star->SetValue(StarSliderPosition(settings.StarLimit));
    m_deepSky->SetValue(DeepSkySliderPosition(settings.DeepSkyLimit));
    m_auto->SetValue(settings.AutoMode == 1);
    EnableSliders();

    Bind(wxEVT_BUTTON, &CMagnitudeLimitsDialog::OnOk, this, wxID_OK);
    m_auto->Bind(wxEVT_CHECKBOX, &CMagnitudeLimitsDialog::OnAuto, this);
    CentreOnParent();
}

void CMagnitudeLimitsDialog::EnableSliders() {
    const bool manual = !m_auto->GetValue();
    m_star->Enable(manual);
    m_deepSky->Enable(manual);
}

void CMagnitudeLimitsDialog::SetAutoMode(bool ticked) {
    m_auto->SetValue(ticked);
    EnableSliders();
}

void CMagnitudeLimitsDialog::Apply() {
    const MagnitudeLimitsResult result =
        MagnitudeLimitsFromDialog(m_auto->GetValue(), m_star->GetValue(), m_deepSky->GetValue(),
                                  m_chart.m_nLevel, m_chart.m_dStarLimit);
    m_settings.StarLimit = result.starLimitCode;
    m_settings.DeepSkyLimit = result.deepSkyLimitCode;
    m_settings.AutoMode = result.autoMode;
    m_chart.m_dStarLimit = result.starLimit;
    m_chart.m_dDeepSkyLimit = result.deepSkyLimit;
}

void CMagnitudeLimitsDialog::OnOk(wxCommandEvent&) {
    Apply();
    EndModal(wxID_OK);
}

void CMagnitudeLimitsDialog::OnAuto(wxCommandEvent&) {
    EnableSliders();
}
