// The layer and display switches (settings/LayerSwitchList.h) as a table of each switch's
// `--layers` name, settings field and chart field, which `--layers` walks.
#pragma once

#include "chart/ChartState.h"
#include "settings/AppSettings.h"
#include "settings/LayerSwitchList.h"

#include <cstdint>
#include <string>
#include <string_view>

struct LayerSwitch {
    std::string_view name; // as `--layers` takes it
    std::int32_t AppSettings::*setting;
    int ChartState::*chart;
};

#define VN_LAYER_SWITCH_ROW(name, setting, chart, command, fallback)                               \
    LayerSwitch{name, &AppSettings::setting, &ChartState::chart},
inline constexpr LayerSwitch kLayerSwitches[] = {VN_LAYER_SWITCHES(VN_LAYER_SWITCH_ROW)};
#undef VN_LAYER_SWITCH_ROW

// The row of a `--layers` name, or nullptr.
const LayerSwitch* FindLayerSwitch(std::string_view name);

// Every `--layers` name in the table's order, joined by ", ".
std::string LayerSwitchNames();
