#include "chart/LayerSwitches.h"

const LayerSwitch* FindLayerSwitch(std::string_view name) {
    for (const LayerSwitch& row : kLayerSwitches) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

std::string LayerSwitchNames() {
    std::string names;
    for (const LayerSwitch& row : kLayerSwitches) {
        if (!names.empty()) {
            names += ", ";
        }
        names += row.name;
    }
    return names;
}
