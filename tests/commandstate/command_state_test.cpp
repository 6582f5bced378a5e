// Enabled and checked states of the commands, running and stopped.
#include "commandstate/CommandState.h"

#include "chart/ChartState.h"
#include "navigation/Navigation.h"
#include "settings/AppSettings.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

// Commands that stay available while the animation runs.
const std::set<CommandId> kAlwaysEnabled = {CommandId::Exit,
                                            CommandId::RecentFiles,
                                            CommandId::Toolbar,
                                            CommandId::StatusBar,
                                            CommandId::StarNames,
                                            CommandId::PlanetNames,
                                            CommandId::DeepSkyLabels,
                                            CommandId::Ecliptic,
                                            CommandId::Horizon,
                                            CommandId::StarColors,
                                            CommandId::GridLines,
                                            CommandId::Boundaries,
                                            CommandId::ConstellationLines,
                                            CommandId::DeepSky,
                                            CommandId::MilkyWay,
                                            CommandId::SolarSystem,
                                            CommandId::ZoomIn,
                                            CommandId::ZoomOut,
                                            CommandId::PanDown,
                                            CommandId::PanUp,
                                            CommandId::PanLeft,
                                            CommandId::PanRight};

class CommandStateTest : public ::testing::Test {
protected:
    void SetUp() override { m_chart = std::make_unique<ChartState>(m_settings); }
    AppSettings m_settings;
    std::unique_ptr<ChartState> m_chart;
};

TEST_F(CommandStateTest, EveryCommandIsListedOnce) {
    const auto all = AllCommands();
    const std::set<CommandId> unique(all.begin(), all.end());
    EXPECT_EQ(unique.size(), all.size());
    EXPECT_EQ(all.size(), 55u);
}

TEST_F(CommandStateTest, WhileStoppedOnlyStopIsDisabled) {
    m_chart->m_bAnimate = 0;
    for (const CommandId c : AllCommands()) {
        EXPECT_EQ(QueryCommandState(c, *m_chart).enabled, c != CommandId::AnimationStop)
            << static_cast<int>(c);
    }
}

TEST_F(CommandStateTest, WhileRunningDialogsPrintingModesAndStartsAreDisabled) {
    m_chart->m_bAnimate = 1;
    for (const CommandId c : AllCommands()) {
        const bool want = kAlwaysEnabled.contains(c) || c == CommandId::AnimationStop;
        EXPECT_EQ(QueryCommandState(c, *m_chart).enabled, want) << static_cast<int>(c);
    }
}

TEST_F(CommandStateTest, LayerSwitchesAreCheckedWhileOnAndToggleTheirOwnField) {
    for (const CommandId c : AllCommands()) {
        int* field = SwitchOfCommand(c, *m_chart);
        if (field == nullptr) {
            continue;
        }
        *field = 0;
        EXPECT_EQ(QueryCommandState(c, *m_chart).checked, false) << static_cast<int>(c);
        ToggleSwitch(*field);
        EXPECT_EQ(QueryCommandState(c, *m_chart).checked, true) << static_cast<int>(c);
        // No other command reads this field.
        for (const CommandId other : AllCommands()) {
            if (other != c) {
                EXPECT_NE(SwitchOfCommand(other, *m_chart), field);
            }
        }
    }
    EXPECT_EQ(SwitchOfCommand(CommandId::GridLines, *m_chart), &m_chart->m_bCoordinations);
    EXPECT_EQ(SwitchOfCommand(CommandId::PlanetNames, *m_chart), &m_chart->m_bSolSysLabels);
    EXPECT_EQ(SwitchOfCommand(CommandId::ZoomIn, *m_chart), nullptr);
}

TEST_F(CommandStateTest, RadioPairsFollowModeAndSky) {
    struct Case {
        int value;
        bool first, second; // checked: equatorial/black, local horizon/colour
    };
    // Each entry is checked unless the field holds the other entry's value.
    for (const Case c : {Case{0, true, false}, Case{1, false, true}, Case{2, true, true}}) {
        m_chart->m_bHorizonView = c.value;
        m_chart->m_bColoredSky = c.value;
        EXPECT_EQ(QueryCommandState(CommandId::ChartModeEquatorial, *m_chart).checked, c.first);
        EXPECT_EQ(QueryCommandState(CommandId::ChartModeLocalHorizon, *m_chart).checked, c.second);
        EXPECT_EQ(QueryCommandState(CommandId::SkyBlack, *m_chart).checked, c.first);
        EXPECT_EQ(QueryCommandState(CommandId::SkyColor, *m_chart).checked, c.second);
    }
}

} // namespace
