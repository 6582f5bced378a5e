// The wheel and the left drag: the sky point under the pointer stays under it, in both chart
// modes and both hemispheres, with the chart's own limits (whole-degree centre, the poles, the
// snap at the widest level); a press without movement still centres.
#include "navigation/MouseNavigation.h"

#include "astro/Angles.h"
#include "chart/ChartState.h"
#include "navigation/Navigation.h"
#include "settings/AppSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr int kBase = 100; // pixels: base radius of the test chart
// The centre's declination is a whole degree, so the point under the pointer may sit up to half
// a degree from the point grabbed (plus a pixel's worth of arc).
constexpr double kKeptToleranceDegrees = 0.6;

double ArcBetween(const ChartPosition& a, const ChartPosition& b) {
    const double ra1 = DegToRad(15.0 * a.ra), ra2 = DegToRad(15.0 * b.ra);
    const double d1 = DegToRad(a.dec), d2 = DegToRad(b.dec);
    const double c =
        std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(ra1 - ra2);
    return RadToDeg(std::acos(std::fmin(1.0, std::fmax(-1.0, c))));
}

struct ChartSetup {
    const char* name;
    bool horizon;
    const char* hemisphere;
    int level;
    double turnX;
    int turnY;
    int x, y; // a pointer the chart can keep its sky under (near a pole: near the meridian)
};

class MouseNavigationTest : public ::testing::Test {
protected:
    void Make(const ChartSetup& s) {
        settings.Observer.NS = s.hemisphere;
        settings.Observer.EW = "E";
        settings.HorizonView = s.horizon ? 1 : 0;
        chart = std::make_unique<ChartState>(settings);
        chart->m_bHorizonView = s.horizon ? kChartLocalHorizon : kChartEquatorial;
        chart->m_nBaseRadius = kBase;
        SetClientSize(*chart, 800, 800);
        chart->m_nLevel = s.level;
        chart->m_nRadius = static_cast<unsigned>((s.level + 1) * kBase);
        chart->m_dTurnX = s.turnX;
        chart->m_nTurnY = s.turnY;
        chart->m_nTilt = std::abs(s.turnY);
    }
    ChartPosition Under(int x, int y) const {
        const auto sky = Unproject(*chart, x, y);
        EXPECT_TRUE(sky.has_value());
        return sky ? FramePosition(*chart, *sky) : ChartPosition{};
    }
    AppSettings settings;
    std::unique_ptr<ChartState> chart;
};

const ChartSetup kSetups[] = {
    {"equatorial north", false, "N", 3, -5.5, 20, 520, 330},
    {"equatorial south", false, "S", 3, -17.25, 16, 520, 330},
    {"horizon north", true, "N", 4, -6.0, 30, 520, 330},
    {"horizon south", true, "S", 4, 0.0, -10, 520, 330},
    {"near the north pole", false, "N", 5, -2.0, 84, 420, 460},
    {"near the south pole", false, "S", 5, -2.0, -80, 420, 330},
};

TEST_F(MouseNavigationTest, WheelKeepsTheSkyUnderThePointer) {
    for (const ChartSetup& s : kSetups) {
        for (const bool in : {true, false}) {
            SCOPED_TRACE(std::string(s.name) + (in ? " in" : " out"));
            Make(s);
            const int x = s.x, y = s.y;
            const ChartPosition before = Under(x, y);
            ASSERT_TRUE(WheelZoom(*chart, 0, in, x, y));
            EXPECT_EQ(chart->m_nLevel, s.level + (in ? 1 : -1));
            EXPECT_LT(ArcBetween(Under(x, y), before), kKeptToleranceDegrees);
        }
    }
}

TEST_F(MouseNavigationTest, WheelObeysTheZoomLimitsAndTheWidestLevelSnap) {
    Make({"", false, "N", 11, -5.5, 20, 0, 0});
    EXPECT_FALSE(WheelZoom(*chart, 0, true, 420, 420));
    EXPECT_EQ(chart->m_nLevel, 11);
    Make({"", false, "N", 1, -5.5, 22, 0, 0});
    ASSERT_TRUE(WheelZoom(*chart, 0, false, 430, 410));
    EXPECT_EQ(chart->m_nLevel, 0);
    EXPECT_EQ(chart->m_nTurnY % 15, 0);
    EXPECT_EQ(chart->m_dTurnX, std::round(chart->m_dTurnX));
    EXPECT_FALSE(WheelZoom(*chart, 0, false, 430, 410));
    // With AutoMode the limits follow the level, as with the keys.
    Make({"", false, "N", 3, -5.5, 20, 0, 0});
    ASSERT_TRUE(WheelZoom(*chart, 1, true, 400, 400));
    EXPECT_EQ(chart->m_dDeepSkyLimit, 10.0);
}

TEST_F(MouseNavigationTest, DragCarriesTheGrabbedPointWithThePointer) {
    for (const ChartSetup& s : kSetups) {
        SCOPED_TRACE(s.name);
        Make(s);
        // From the centre to the setup's pointer in ten moves.
        const ChartPosition grabbed = Under(400, 400);
        ChartDrag drag(*chart, 400, 400);
        for (int step = 1; step <= 10; ++step) {
            drag.MoveTo(*chart, 400 + (s.x - 400) * step / 10, 400 + (s.y - 400) * step / 10);
        }
        EXPECT_TRUE(drag.Dragging());
        EXPECT_LT(ArcBetween(Under(s.x, s.y), grabbed), kKeptToleranceDegrees);
        // A drag is no click: the release leaves the chart as the drag left it.
        const double turnX = chart->m_dTurnX;
        EXPECT_FALSE(drag.Release(*chart));
        EXPECT_EQ(chart->m_dTurnX, turnX);
    }
}

TEST_F(MouseNavigationTest, DragOverThePoleStopsThereWithoutAJump) {
    Make({"", false, "N", 2, -3.0, 80, 0, 0});
    ChartDrag drag(*chart, 400, 300);
    int last = chart->m_nTurnY;
    for (int step = 1; step <= 60; ++step) {
        drag.MoveTo(*chart, 400, 300 + 10 * step); // pulling the sky down: the centre goes north
        EXPECT_GE(chart->m_nTurnY, last);
        EXPECT_LE(chart->m_nTurnY - last, 3) << step; // 10 px is about 2 degrees at R = 300
        EXPECT_LE(chart->m_nTurnY, 90);
        last = chart->m_nTurnY;
    }
    EXPECT_EQ(last, 90);
    // Pulling on through the centre leaves the chart on the pole without a half turn.
    EXPECT_LT(std::fabs(std::remainder(chart->m_dTurnX - (-3.0), 24.0)), 1e-3);
    // At the pole a sideways drag turns the chart smoothly about it.
    double turn = chart->m_dTurnX;
    for (int step = 1; step <= 10; ++step) {
        drag.MoveTo(*chart, 400 + 10 * step, 900);
        EXPECT_EQ(chart->m_nTurnY, 90);
        EXPECT_LT(std::fabs(std::remainder(chart->m_dTurnX - turn, 24.0)), 1.0) << step;
        turn = chart->m_dTurnX;
    }
}

TEST_F(MouseNavigationTest, PressWithoutMovementCentresAsAClick) {
    const ChartSetup s{"", false, "N", 3, -5.5, 20, 0, 0};
    Make(s);
    ChartState clicked = *chart;
    ASSERT_TRUE(ClickToCentre(clicked, 470, 350));
    for (const int wobble : {0, ChartDrag::kClickSlop}) {
        Make(s);
        ChartDrag drag(*chart, 470, 350);
        EXPECT_FALSE(drag.MoveTo(*chart, 470 + wobble, 350));
        EXPECT_TRUE(drag.Release(*chart));
        EXPECT_EQ(chart->m_dTurnX, clicked.m_dTurnX);
        EXPECT_EQ(chart->m_nTurnY, clicked.m_nTurnY);
    }
    // Off the sphere: nothing to grab, nothing to centre.
    Make(s);
    ChartDrag outside(*chart, 2, 2);
    EXPECT_FALSE(outside.MoveTo(*chart, 60, 60));
    EXPECT_FALSE(outside.Release(*chart));
}

} // namespace
