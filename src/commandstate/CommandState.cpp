#include "commandstate/CommandState.h"

#include "chart/ChartState.h"
#include "chart/LayerSwitches.h"

#include <array>

namespace {

constexpr std::array kAllCommands = {
    CommandId::Open,
    CommandId::PrintPreview,
    CommandId::Print,
    CommandId::PrintSetup,
    CommandId::RecentFiles,
    CommandId::Exit,
    CommandId::StarNames,
    CommandId::PlanetNames,
    CommandId::DeepSkyLabels,
    CommandId::Ecliptic,
    CommandId::Horizon,
    CommandId::StarColors,
    CommandId::Toolbar,
    CommandId::StatusBar,
    CommandId::ChartModeEquatorial,
    CommandId::ChartModeLocalHorizon,
    CommandId::DateTime,
    CommandId::Location,
    CommandId::MagnitudeLimits,
    CommandId::SkyBlack,
    CommandId::SkyColor,
    CommandId::SearchStar,
    CommandId::SearchSolarSystem,
    CommandId::SearchConstellation,
    CommandId::SearchMessier,
    CommandId::SearchNgc,
    CommandId::East,
    CommandId::West,
    CommandId::North,
    CommandId::South,
    CommandId::Zenith,
    CommandId::Nadir,
    CommandId::HelpContents,
    CommandId::HelpUsing,
    CommandId::About,
    CommandId::GridLines,
    CommandId::Boundaries,
    CommandId::ConstellationLines,
    CommandId::DeepSky,
    CommandId::MilkyWay,
    CommandId::SolarSystem,
    CommandId::TimeStepBox,
    CommandId::AnimationBackward,
    CommandId::StepBackward,
    CommandId::AnimationStop,
    CommandId::StepForward,
    CommandId::AnimationForward,
    CommandId::ContextHelp,
    CommandId::Help,
    CommandId::ZoomIn,
    CommandId::ZoomOut,
    CommandId::PanDown,
    CommandId::PanUp,
    CommandId::PanLeft,
    CommandId::PanRight,
};

} // namespace

std::span<const CommandId> AllCommands() {
    return kAllCommands;
}

const int* SwitchOfCommand(CommandId command, const ChartState& chart) {
#define VN_SWITCH_OF_COMMAND(name, setting, field, id, fallback)                                   \
    if (command == CommandId::id) {                                                                \
        return &chart.field;                                                                       \
    }
    VN_LAYER_SWITCHES(VN_SWITCH_OF_COMMAND)
#undef VN_SWITCH_OF_COMMAND
    return nullptr;
}

int* SwitchOfCommand(CommandId command, ChartState& chart) {
    return const_cast<int*>(SwitchOfCommand(command, static_cast<const ChartState&>(chart)));
}

CommandUiState QueryCommandState(CommandId command, const ChartState& chart) {
    const bool animating = chart.m_bAnimate != 0;
    CommandUiState state;
    // Layer and display switches: available at every moment, checked while the switch is on.
    if (const int* layer = SwitchOfCommand(command, chart)) {
        state.checked = *layer != 0;
        return state;
    }
    switch (command) {
    // Available at every moment, without a check mark (or with one the platform keeps).
    case CommandId::Exit:
    case CommandId::RecentFiles:
    case CommandId::Toolbar:
    case CommandId::StatusBar:
    case CommandId::ZoomIn:
    case CommandId::ZoomOut:
    case CommandId::PanDown:
    case CommandId::PanUp:
    case CommandId::PanLeft:
    case CommandId::PanRight:
        break;

    // Radio pairs of the settings menu, disabled while animating.
    case CommandId::ChartModeEquatorial:
        state.enabled = !animating;
        state.checked = chart.m_bHorizonView != 1;
        break;
    case CommandId::ChartModeLocalHorizon:
        state.enabled = !animating;
        state.checked = chart.m_bHorizonView != 0;
        break;
    case CommandId::SkyBlack:
        state.enabled = !animating;
        state.checked = chart.m_bColoredSky != 1;
        break;
    case CommandId::SkyColor:
        state.enabled = !animating;
        state.checked = chart.m_bColoredSky != 0;
        break;

    case CommandId::AnimationStop:
        state.enabled = animating;
        break;

    // Everything else opens a dialog, prints, centres on a horizon point, starts an animation
    // step or changes the step: only while the animation is stopped.
    default:
        state.enabled = !animating;
        break;
    }
    return state;
}
