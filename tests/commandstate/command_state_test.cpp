// Enabled and checked states of the commands, running and stopped.
#include "commandstate/CommandState.h"

#include "chart/ChartState.h"
#include "navigation/Navigation.h"
#include "settings/AppSettings.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string_view>

namespace {

// Commands that stay available while the animation runs.
const std::set<CommandId> kAlwaysEnabled = {
    CommandId::FileExit,        CommandId::ViewNightVision,   CommandId::ViewPrecisePositions,
    CommandId::ViewToolbar,     CommandId::ViewStatusBar,     CommandId::ViewStarNames,
    CommandId::ViewPlanetNames, CommandId::ViewDeepSkyLabels, CommandId::ViewEcliptic,
    CommandId::ViewHorizon,     CommandId::ViewStarColors,    CommandId::LayerGrid,
    CommandId::LayerBoundaries, CommandId::LayerFigures,      CommandId::LayerDeepSky,
    CommandId::LayerMilkyWay,   CommandId::LayerSolarSystem,  CommandId::ZoomIn,
    CommandId::ZoomOut,         CommandId::PanDown,           CommandId::PanUp,
    CommandId::PanLeft,         CommandId::PanRight,          CommandId::ViewNaturalSky,
    CommandId::ViewFaintStars};

// The telescope commands that need a mount (or a mount and an object): disabled without one.
const std::set<CommandId> kNeedMount = {CommandId::TelescopeDisconnect, CommandId::TelescopeSlew,
                                        CommandId::TelescopeSync,       CommandId::TelescopeAbort,
                                        CommandId::TelescopeCentre,     CommandId::TelescopeFollow};

class CommandStateTest : public ::testing::Test {
protected:
    void SetUp() override { m_chart = std::make_unique<ChartState>(m_settings); }
    // Every recent entry present, so only the animation decides.
    CommandUiState Query(CommandId command) const {
        CommandInputs inputs{*m_chart, m_settings};
        inputs.recentPictures = cmd::kRecentPictureCount;
        return QueryCommandState(command, inputs);
    }
    AppSettings m_settings;
    std::unique_ptr<ChartState> m_chart;
};

TEST_F(CommandStateTest, EveryCommandHasItsOwnIdInTheRangeWxLeavesToPrograms) {
    const auto all = AllCommands();
    const std::set<CommandId> unique(all.begin(), all.end());
    EXPECT_EQ(unique.size(), all.size());
    for (const CommandId c : all) {
        const int id = static_cast<int>(c);
        // wx takes menu identifiers 1..32767 and keeps 4999..5999 for its own (wx/defs.h).
        EXPECT_TRUE(id > 0 && id < 32767 && (id < 4999 || id > 5999)) << id;
        EXPECT_EQ(CommandOfId(id), c);
    }
    EXPECT_EQ(CommandOfId(0), std::nullopt);
}

// Without the faint-star catalogue its switch cannot be turned on; the other switches can.
TEST_F(CommandStateTest, TheFaintStarSwitchNeedsItsCatalogue) {
    CommandInputs inputs{*m_chart, m_settings};
    inputs.faintStarsAvailable = false;
    EXPECT_FALSE(QueryCommandState(CommandId::ViewFaintStars, inputs).enabled);
    EXPECT_TRUE(QueryCommandState(CommandId::LayerGrid, inputs).enabled);
    inputs.faintStarsAvailable = true;
    EXPECT_TRUE(QueryCommandState(CommandId::ViewFaintStars, inputs).enabled);
}

// The menus list each command that has a menu label once, and only those; the toolbars list
// commands of the table.
TEST_F(CommandStateTest, MenusListEveryLabelledCommandOnce) {
    std::map<CommandId, std::string_view> labels;
#define VN_LABEL_OF_ROW(name, id, rule, label, ...) labels[CommandId::name] = label;
    VN_COMMAND_TABLE(VN_LABEL_OF_ROW)
#undef VN_LABEL_OF_ROW
    std::map<CommandId, int> listed;
#define VN_NOTHING(...)
#define VN_LISTED(name) ++listed[CommandId::name];
    VN_MENU_BAR(VN_NOTHING, VN_NOTHING, VN_LISTED, VN_NOTHING, VN_NOTHING, VN_NOTHING)
    for (const CommandId c : AllCommands()) {
        EXPECT_EQ(listed[c], labels[c].empty() ? 0 : 1) << static_cast<int>(c);
    }
    listed.clear();
    VN_MAIN_TOOLBAR(VN_LISTED, VN_NOTHING, VN_NOTHING)
#define VN_LISTED_PAIR(first, second) VN_LISTED(first) VN_LISTED(second)
    VN_NAVIGATION_TOOLBAR(VN_LISTED_PAIR)
#undef VN_LISTED_PAIR
#undef VN_LISTED
#undef VN_NOTHING
    for (const auto& [command, count] : listed) {
        EXPECT_EQ(count, 1) << static_cast<int>(command);
    }
}

TEST_F(CommandStateTest, WhileStoppedOnlyStopIsDisabled) {
    m_chart->m_bAnimate = 0;
    for (const CommandId c : AllCommands()) {
        EXPECT_EQ(Query(c).enabled, c != CommandId::AnimStop && !kNeedMount.contains(c))
            << static_cast<int>(c);
    }
}

TEST_F(CommandStateTest, WhileRunningDialogsPrintingModesAndStartsAreDisabled) {
    m_chart->m_bAnimate = 1;
    for (const CommandId c : AllCommands()) {
        const bool want = kAlwaysEnabled.contains(c) || c == CommandId::AnimStop;
        EXPECT_EQ(Query(c).enabled, want) << static_cast<int>(c);
    }
}

TEST_F(CommandStateTest, LayerSwitchesAreCheckedWhileOnAndToggleTheirOwnField) {
    for (const CommandId c : AllCommands()) {
        int* field = SwitchOfCommand(c, *m_chart);
        if (field == nullptr) {
            continue;
        }
        *field = 0;
        EXPECT_EQ(Query(c).checked, false) << static_cast<int>(c);
        ToggleSwitch(*field);
        EXPECT_EQ(Query(c).checked, true) << static_cast<int>(c);
        // No other command reads this field.
        for (const CommandId other : AllCommands()) {
            if (other != c) {
                EXPECT_NE(SwitchOfCommand(other, *m_chart), field);
            }
        }
    }
    EXPECT_EQ(SwitchOfCommand(CommandId::LayerGrid, *m_chart), &m_chart->m_bCoordinations);
    EXPECT_EQ(SwitchOfCommand(CommandId::ViewPlanetNames, *m_chart), &m_chart->m_bSolSysLabels);
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
        EXPECT_EQ(Query(CommandId::ChartEquatorial).checked, c.first);
        EXPECT_EQ(Query(CommandId::ChartLocalHorizon).checked, c.second);
        EXPECT_EQ(Query(CommandId::SkyBlack).checked, c.first);
        EXPECT_EQ(Query(CommandId::SkyColor).checked, c.second);
    }
}

TEST_F(CommandStateTest, WindowAndSettingsSwitchesAreCheckedFromTheirInputs) {
    for (const bool on : {false, true}) {
        m_settings.NightVision = on ? 1 : 0;
        CommandInputs inputs{*m_chart, m_settings};
        inputs.model = on ? SkyModelKind::Precise : SkyModelKind::Classic;
        inputs.toolbarShown = on;
        inputs.statusBarShown = on;
        inputs.followingClock = on;
        for (const CommandId c :
             {CommandId::ViewNightVision, CommandId::ViewPrecisePositions, CommandId::ViewToolbar,
              CommandId::ViewStatusBar, CommandId::ViewFollowClock}) {
            EXPECT_EQ(QueryCommandState(c, inputs).checked, on) << static_cast<int>(c);
            EXPECT_TRUE(IsCheckable(c));
        }
    }
}

TEST_F(CommandStateTest, RecentEntriesAreEnabledOnlyWhileTheirPictureIsListed) {
    const CommandId entries[] = {CommandId::FileRecent1, CommandId::FileRecent2,
                                 CommandId::FileRecent3, CommandId::FileRecent4};
    for (std::size_t listed = 0; listed <= std::size(entries); ++listed) {
        CommandInputs inputs{*m_chart, m_settings};
        inputs.recentPictures = listed;
        for (std::size_t i = 0; i < std::size(entries); ++i) {
            EXPECT_EQ(QueryCommandState(entries[i], inputs).enabled, i < listed)
                << "entry " << i << " of " << listed;
        }
    }
}

} // namespace

TEST_F(CommandStateTest, TelescopeCommandsFollowTheLinkTheObjectAndTheAnimation) {
    struct Case {
        const char* name;
        bool online, position, object, following, animating;
        bool connect, disconnect, slewSync, centre, follow;
        bool followChecked;
    };
    const Case cases[] = {
        {"offline", false, false, true, false, false, true, false, false, false, false, false},
        {"offline while animating", false, false, false, false, true, false, false, false, false,
         false, false},
        {"connecting", true, false, false, false, false, false, true, false, false, true, false},
        {"connected, no object", true, true, false, false, false, false, true, false, true, true,
         false},
        {"connected with object", true, true, true, true, false, false, true, true, true, true,
         true},
        {"connected while animating", true, true, true, false, true, false, true, true, true, true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_chart->m_bAnimate = c.animating ? 1 : 0;
        CommandInputs inputs{*m_chart, m_settings};
        inputs.mountOnline = c.online;
        inputs.mountPosition = c.position;
        inputs.mountObject = c.object;
        inputs.followingMount = c.following;
        const auto enabled = [&](CommandId id) { return QueryCommandState(id, inputs).enabled; };
        EXPECT_EQ(enabled(CommandId::TelescopeConnect), c.connect);
        EXPECT_EQ(enabled(CommandId::TelescopeDisconnect), c.disconnect);
        EXPECT_EQ(enabled(CommandId::TelescopeAbort), c.disconnect);
        EXPECT_EQ(enabled(CommandId::TelescopeSlew), c.slewSync);
        EXPECT_EQ(enabled(CommandId::TelescopeSync), c.slewSync);
        EXPECT_EQ(enabled(CommandId::TelescopeCentre), c.centre);
        EXPECT_EQ(enabled(CommandId::TelescopeFollow), c.follow);
        EXPECT_EQ(QueryCommandState(CommandId::TelescopeFollow, inputs).checked, c.followChecked);
    }
}
