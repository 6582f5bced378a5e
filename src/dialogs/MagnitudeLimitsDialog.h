// The Magnitude limits dialog of the Settings menu: a slider for the faintest star, one for the
// faintest deep-sky object, and the Auto mode box that lets the zoom level set both (and
// disables the sliders while ticked). OK writes the limits and closes; the caller redraws.
#pragma once

#include <wx/dialog.h>

struct AppSettings;
struct ChartState;
class wxCheckBox;
class wxSlider;

namespace magnitude_id {
inline constexpr int StarSlider = 1032;
inline constexpr int DeepSkySlider = 1033;
inline constexpr int AutoMode = 1036;
} // namespace magnitude_id

class CMagnitudeLimitsDialog : public wxDialog {
public:
    CMagnitudeLimitsDialog(wxWindow* parent, AppSettings& settings, ChartState& chart);

    wxSlider& StarSlider() { return *m_star; }
    wxSlider& DeepSkySlider() { return *m_deepSky; }
    wxCheckBox& AutoBox() { return *m_auto; }
    // Ticks or unticks the Auto mode box as a click does (the sliders follow).
    void SetAutoMode(bool ticked);

    // OK without closing: the codes and Auto mode into the settings, the limits into the chart.
    void Apply();

private:
    void OnOk(wxCommandEvent& event);
    void OnAuto(wxCommandEvent& event);
    void EnableSliders();

    AppSettings& m_settings;
    ChartState& m_chart;
    wxSlider* m_star = nullptr;
    wxSlider* m_deepSky = nullptr;
    wxCheckBox* m_auto = nullptr;
};
