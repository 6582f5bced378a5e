#include "commandstate/CommandState.h"

#include "chart/ChartState.h"
#include "chart/LayerSwitches.h"
#include "settings/AppSettings.h"

#include <array>

namespace {

struct RuleRow {
    CommandId command;
    CommandRule rule;
};

#define VN_RULE_ROW(name, id, rule, ...) RuleRow{CommandId::name, CommandRule::rule},
constexpr std::array kRules = {VN_COMMAND_TABLE(VN_RULE_ROW)};
#undef VN_RULE_ROW

#define VN_COMMAND_OF_ROW(name, ...) CommandId::name,
constexpr std::array kAllCommands = {VN_COMMAND_TABLE(VN_COMMAND_OF_ROW)};
#undef VN_COMMAND_OF_ROW

} // namespace

std::span<const CommandId> AllCommands() {
    return kAllCommands;
}

CommandRule RuleOf(CommandId command) {
    for (const RuleRow& row : kRules) {
        if (row.command == command) {
            return row.rule;
        }
    }
    return CommandRule::Always;
}

std::optional<CommandId> CommandOfId(int wxId) {
    for (const CommandId command : kAllCommands) {
        if (static_cast<int>(command) == wxId) {
            return command;
        }
    }
    return std::nullopt;
}

bool IsCheckable(CommandId command) {
    switch (RuleOf(command)) {
    case CommandRule::Always:
    case CommandRule::WhileStopped:
    case CommandRule::WhileRunning:
    case CommandRule::RecentEntry:
    case CommandRule::MountOffline:
    case CommandRule::MountOnline:
    case CommandRule::MountPosition:
    case CommandRule::MountAndObject:
        return false;
    default:
        return true;
    }
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

CommandUiState QueryCommandState(CommandId command, const CommandInputs& inputs) {
    const ChartState& chart = inputs.chart;
    const bool animating = chart.m_bAnimate != 0;
    switch (RuleOf(command)) {
    case CommandRule::Always:
        return {};
    case CommandRule::WhileStopped:
        return {!animating, std::nullopt};
    case CommandRule::WhileRunning:
        return {animating, std::nullopt};
    case CommandRule::Switch: {
        const int* layer = SwitchOfCommand(command, chart);
        // Without their catalogue the faint stars cannot be switched on.
        const bool enabled = command != CommandId::ViewFaintStars || inputs.faintStarsAvailable;
        return {enabled, layer != nullptr && *layer != 0};
    }
    case CommandRule::Equatorial:
        return {!animating, chart.m_bHorizonView != 1};
    case CommandRule::LocalHorizon:
        return {!animating, chart.m_bHorizonView != 0};
    case CommandRule::BlackSky:
        return {!animating, chart.m_bColoredSky != 1};
    case CommandRule::ColouredSky:
        return {!animating, chart.m_bColoredSky != 0};
    case CommandRule::NightVision:
        return {true, inputs.settings.NightVision != 0};
    case CommandRule::PrecisePositions:
        return {true, inputs.model == SkyModelKind::Precise};
    case CommandRule::NaturalSky:
        return {true, chart.m_bNaturalSky != 0};
    case CommandRule::FollowingClock:
        return {!animating, inputs.followingClock};
    case CommandRule::ToolbarShown:
        return {true, inputs.toolbarShown};
    case CommandRule::StatusBarShown:
        return {true, inputs.statusBarShown};
    case CommandRule::RecentEntry: {
        const auto entry =
            static_cast<std::size_t>(static_cast<int>(command) - cmd::FileRecentFirst);
        return {!animating && entry < inputs.recentPictures, std::nullopt};
    }
    case CommandRule::MountOffline:
        return {!animating && !inputs.mountOnline, std::nullopt};
    case CommandRule::MountOnline:
        return {inputs.mountOnline, std::nullopt};
    case CommandRule::MountPosition:
        return {inputs.mountOnline && inputs.mountPosition, std::nullopt};
    case CommandRule::MountAndObject:
        return {inputs.mountOnline && inputs.mountObject, std::nullopt};
    case CommandRule::FollowingMount:
        return {inputs.mountOnline, inputs.followingMount};
    }
    return {};
}
