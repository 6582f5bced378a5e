#include "dialogs/MagnitudeLimitsDialog.h"

#include "chart/ChartState.h"
#include "dialogrules/SettingsDialogRules.h"
#include "settings/AppSettings.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <wx/panel.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kGap = 8;           // pixels between controls
constexpr int kSliderWidth = 320; // pixels
constexpr int kScaleStep = 2;     // slider positions between two scale labels

// Labels under a slider, each centred under the position it names. The toolkit draws the first
// and last positions this far inside the slider's ends (half its knob).
class ScaleLabels : public wxPanel {
public:
    static constexpr int kTrackInset = 13; // pixels

    ScaleLabels(wxWindow* parent, int max, const std::vector<std::string>& labels)
        : wxPanel(parent), m_max(max) {
        int position = 0;
        for (const std::string& label : labels) {
            m_labels.push_back({new wxStaticText(this, wxID_ANY, label), position});
            position += kScaleStep;
        }
        // "mag" stands at the right end, after the last position.
        m_unit = new wxStaticText(this, wxID_ANY, "mag");
        SetMinSize(wxSize(kSliderWidth, m_unit->GetBestSize().y));
        Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
            Place();
            event.Skip();
        });
    }

private:
    struct Label {
        wxStaticText* text;
        int position;
    };

    void Place() {
        const int width = GetClientSize().x;
        const double step = (width - 2.0 * kTrackInset) / m_max;
        for (const Label& label : m_labels) {
            const int textWidth = label.text->GetBestSize().x;
            int x = kTrackInset + static_cast<int>(label.position * step) - textWidth / 2;
            x = std::clamp(x, 0, std::max(0, width - textWidth));
            label.text->SetPosition(wxPoint(x, 0));
        }
        m_unit->SetPosition(wxPoint(std::max(0, width - m_unit->GetBestSize().x), 0));
    }

    int m_max;
    std::vector<Label> m_labels;
    wxStaticText* m_unit = nullptr;
};

// A slider over its scale in a titled group.
wxStaticBoxSizer* SliderGroup(wxWindow* parent, const char* title, int id, int max,
                              const std::vector<std::string>& labels, wxSlider*& slider) {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, parent, title);
    wxWindow* box = group->GetStaticBox();
    slider = new wxSlider(box, id, 0, 0, max, wxDefaultPosition, wxSize(kSliderWidth, -1),
                          wxSL_HORIZONTAL | wxSL_AUTOTICKS);
    slider->SetTickFreq(1);
    group->Add(slider, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kGap);
    group->Add(new ScaleLabels(box, max, labels), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    return group;
}

} // namespace

CMagnitudeLimitsDialog::CMagnitudeLimitsDialog(wxWindow* parent, AppSettings& settings,
                                               ChartState& chart)
    : wxDialog(parent, wxID_ANY, "Magnitude limits"), m_settings(settings), m_chart(chart) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    const bool faint = chart.m_bFaintStars != 0;
    top->Add(SliderGroup(this, "Stars", magnitude_id::StarSlider, StarSliderMax(faint),
                         StarSliderLabels(faint), m_star),
             0, wxEXPAND | wxALL, kGap);
    top->Add(SliderGroup(this, "Deep sky objects", magnitude_id::DeepSkySlider, kDeepSkySliderMax,
                         {"6", "8", "10", "12"}, m_deepSky),
             0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);

    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    m_auto = new wxCheckBox(this, magnitude_id::AutoMode, "Auto mode");
    bottom->Add(m_auto, 0, wxALIGN_CENTER_VERTICAL);
    bottom->AddStretchSpacer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault(); // Enter in the dialog presses OK
    bottom->Add(ok, 0, wxRIGHT, kGap);
    bottom->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0);
    top->Add(bottom, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    SetSizerAndFit(top);
    SetEscapeId(wxID_CANCEL);

    m_star->SetValue(StarSliderPosition(settings.StarLimit, faint));
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
    const MagnitudeLimitsResult result = MagnitudeLimitsFromDialog(
        m_auto->GetValue(), m_star->GetValue(), m_deepSky->GetValue(), m_chart.m_nLevel,
        m_chart.m_dStarLimit, m_chart.m_bFaintStars != 0);
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
