#include "frame/KeyboardTable.h"

#include "guibase/CommandIds.h"

#include <wx/accel.h>
#include <wx/defs.h>

#include <array>
#include <vector>

namespace {

constexpr std::array kBindings = {
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD_MULTIPLY, cmd::ZoomIn},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD_DIVIDE, cmd::ZoomOut},
    KeyBinding{wxACCEL_NORMAL, WXK_UP, cmd::PanUp},
    KeyBinding{wxACCEL_NORMAL, WXK_DOWN, cmd::PanDown},
    KeyBinding{wxACCEL_NORMAL, WXK_RIGHT, cmd::PanRight},
    KeyBinding{wxACCEL_NORMAL, WXK_LEFT, cmd::PanLeft},
    KeyBinding{wxACCEL_NORMAL, 'G', cmd::LayerGrid},
    KeyBinding{wxACCEL_NORMAL, 'B', cmd::LayerBoundaries},
    KeyBinding{wxACCEL_NORMAL, 'L', cmd::LayerFigures},
    KeyBinding{wxACCEL_NORMAL, 'D', cmd::LayerDeepSky},
    KeyBinding{wxACCEL_NORMAL, 'M', cmd::LayerMilkyWay},
    KeyBinding{wxACCEL_NORMAL, 'P', cmd::LayerSolarSystem},
    KeyBinding{wxACCEL_CTRL, 'E', cmd::HorizonEast},
    KeyBinding{wxACCEL_CTRL, 'W', cmd::HorizonWest},
    KeyBinding{wxACCEL_CTRL, 'N', cmd::HorizonNorth},
    KeyBinding{wxACCEL_CTRL, 'S', cmd::HorizonSouth},
    KeyBinding{wxACCEL_CTRL, 'Z', cmd::Zenith},
    KeyBinding{wxACCEL_CTRL, 'D', cmd::Nadir},
    KeyBinding{wxACCEL_CTRL, 'F', cmd::AnimForward},
    KeyBinding{wxACCEL_CTRL, 'B', cmd::AnimBackward},
    KeyBinding{wxACCEL_NORMAL, WXK_ESCAPE, cmd::AnimStop},
    KeyBinding{wxACCEL_NORMAL, ']', cmd::StepForward},
    KeyBinding{wxACCEL_NORMAL, '[', cmd::StepBackward},
    KeyBinding{wxACCEL_CTRL, 'P', cmd::FilePrint},
    KeyBinding{wxACCEL_CTRL, 'O', cmd::FileOpen},
    KeyBinding{wxACCEL_SHIFT, 'S', cmd::ViewStarNames},
    KeyBinding{wxACCEL_SHIFT, 'P', cmd::ViewPlanetNames},
    KeyBinding{wxACCEL_SHIFT, 'D', cmd::ViewDeepSkyLabels},
    KeyBinding{wxACCEL_NORMAL, 'E', cmd::ViewEcliptic},
    KeyBinding{wxACCEL_NORMAL, 'H', cmd::ViewHorizon},
    KeyBinding{wxACCEL_SHIFT, 'C', cmd::ViewStarColors},
    KeyBinding{wxACCEL_CTRL, 'Q', cmd::ChartEquatorial},
    KeyBinding{wxACCEL_CTRL, 'H', cmd::ChartLocalHorizon},
    KeyBinding{wxACCEL_CTRL, 'K', cmd::SkyBlack},
    KeyBinding{wxACCEL_CTRL, 'C', cmd::SkyColor},
    KeyBinding{wxACCEL_NORMAL, WXK_F1, cmd::HelpIndex},
    KeyBinding{wxACCEL_SHIFT, WXK_F1, cmd::HelpContext},
    KeyBinding{wxACCEL_ALT, WXK_F4, cmd::FileExit},
    KeyBinding{wxACCEL_CTRL, 'R', cmd::ViewNightVision},
    KeyBinding{wxACCEL_CTRL | wxACCEL_SHIFT, 'E', cmd::FileExportChart},
    KeyBinding{wxACCEL_CTRL | wxACCEL_SHIFT, 'F', cmd::SearchFindObject},
};

} // namespace

std::span<const KeyBinding> KeyboardTable() {
    return kBindings;
}

wxAcceleratorTable MakeAcceleratorTable() {
    std::vector<wxAcceleratorEntry> entries;
    entries.reserve(kBindings.size());
    for (const KeyBinding& binding : kBindings) {
        entries.emplace_back(binding.flags, binding.keyCode, binding.command);
    }
    return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}
