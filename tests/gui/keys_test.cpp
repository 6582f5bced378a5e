// The keyboard table driven through the X server, as a user types: letters, Shift and Ctrl
// combinations, the keypad, the brackets and Esc; a disabled command's key does nothing.
#include "GuiTestEnvironment.h"

#include "commandstate/CommandTable.h"
#include "settings/AppSettings.h"

namespace guitest {
namespace {

TEST_F(DesktopTest, LetterKeysSwitchLayers) {
    struct Case {
        int key;
        int modifiers;
        int ChartState::*field;
    };
    const Case cases[] = {
        {'G', wxMOD_NONE, &ChartState::m_bCoordinations},
        {'B', wxMOD_NONE, &ChartState::m_bBoundaries},
        {'L', wxMOD_NONE, &ChartState::m_bConstelations},
        {'D', wxMOD_NONE, &ChartState::m_bDeepSky},
        {'M', wxMOD_NONE, &ChartState::m_bMilkyWay},
        {'P', wxMOD_NONE, &ChartState::m_bSolarSystem},
        {'E', wxMOD_NONE, &ChartState::m_bEcliptic},
        {'H', wxMOD_NONE, &ChartState::m_bHorizon},
        {'S', wxMOD_SHIFT, &ChartState::m_bStarNames},
        {'P', wxMOD_SHIFT, &ChartState::m_bSolSysLabels},
        {'D', wxMOD_SHIFT, &ChartState::m_bDeepSkyNames},
        {'C', wxMOD_SHIFT, &ChartState::m_bColoredStars},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, static_cast<char>(c.key)) +
                     (c.modifiers == wxMOD_SHIFT ? " with Shift" : ""));
        const int before = View().Chart().*c.field;
        PressKey(c.key, c.modifiers);
        EXPECT_EQ(View().Chart().*c.field, before != 0 ? 0 : 1);
        PressKey(c.key, c.modifiers);
        EXPECT_EQ(View().Chart().*c.field, before);
    }
}

TEST_F(DesktopTest, KeypadZoomsAndArrowsPan) {
    ChartState& chart = View().Chart();
    const int level = chart.m_nLevel;
    PressKey(WXK_NUMPAD_MULTIPLY);
    EXPECT_EQ(chart.m_nLevel, level + 1);
    PressKey(WXK_NUMPAD_DIVIDE);
    EXPECT_EQ(chart.m_nLevel, level);
    const int turnY = chart.m_nTurnY;
    PressKey(WXK_UP);
    EXPECT_GT(chart.m_nTurnY, turnY);
    PressKey(WXK_DOWN);
    EXPECT_EQ(chart.m_nTurnY, turnY);
}

TEST_F(DesktopTest, ControlKeysChooseChartModeAndSky) {
    PressKey('H', wxMOD_CONTROL);
    EXPECT_EQ(View().Chart().m_bHorizonView, 1);
    PressKey('Q', wxMOD_CONTROL);
    EXPECT_EQ(View().Chart().m_bHorizonView, 0);
    PressKey('C', wxMOD_CONTROL);
    EXPECT_EQ(View().Chart().m_bColoredSky, 1);
    PressKey('K', wxMOD_CONTROL);
    EXPECT_EQ(View().Chart().m_bColoredSky, 0);
}

TEST_F(DesktopTest, BracketsStepAndEscapeStopsTheAnimation) {
    SkySession& sky = View().Session();
    sky.SetClockTime(SkyDate{2000, 3, 1, 12, 0, 0});
    PressKey('[');
    EXPECT_EQ(sky.ClockTime(), (SkyDate{2000, 2, 29, 12, 0, 0}));
    PressKey(']');
    EXPECT_EQ(sky.ClockTime(), (SkyDate{2000, 3, 1, 12, 0, 0}));

    PressKey('F', wxMOD_CONTROL);
    ASSERT_TRUE(View().Animating());
    // Keys of commands disabled while the animation runs do nothing.
    const double turnX = View().Chart().m_dTurnX;
    PressKey('E', wxMOD_CONTROL);
    PressKey('H', wxMOD_CONTROL);
    EXPECT_EQ(View().Chart().m_dTurnX, turnX);
    EXPECT_EQ(View().Chart().m_bHorizonView, 0);
    PressKey(WXK_ESCAPE);
    EXPECT_FALSE(View().Animating());

    PressKey('B', wxMOD_CONTROL);
    EXPECT_TRUE(View().Animating());
    EXPECT_EQ(View().AnimForward(), 0);
    PressKey(WXK_ESCAPE);
    EXPECT_FALSE(View().Animating());
}

} // namespace
} // namespace guitest
