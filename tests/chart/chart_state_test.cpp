// The chart state's settings conversions, the initial update and centring.
#include "chart/Centering.h"
#include "chart/ChartSetup.h"
#include "chart/ChartState.h"
#include "chart/Projection.h"

#include "astro/Angles.h"
#include "astro/SkySession.h"
#include "catalog/CatalogStore.h"
#include "settings/AppSettings.h"
#include "settings/Profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

TEST(ChartState, TakesTheFirstRunDefaultsFromTheSettings) {
    const AppSettings settings = DefaultSettings();
    const auto chart = std::make_unique<ChartState>(settings);
    EXPECT_EQ(chart->m_bHorizonView, 0);
    EXPECT_EQ(chart->m_nLevel, 2);
    EXPECT_EQ(chart->m_dTurnX, 18.0);
    EXPECT_EQ(chart->m_nTurnY, 0);
    EXPECT_EQ(chart->m_nTilt, 0);
    EXPECT_EQ(chart->m_dStarLimit, 7.5);
    EXPECT_EQ(chart->m_dDeepSkyLimit, 11.0);
    EXPECT_EQ(chart->m_bBoundaries, 1);
    EXPECT_EQ(chart->m_bConstelations, 0);
    EXPECT_EQ(chart->m_bCoordinations, 0);
    EXPECT_EQ(chart->m_bColoredStars, 1);
    EXPECT_EQ(chart->m_bColoredSky, 0);
    EXPECT_EQ(chart->m_bAnimate, 0);
    EXPECT_FALSE(chart->SouthernObserver());
}

TEST(ChartState, MagnitudeLimitsAreDecodedAndEncodedLikeTheProfile) {
    struct Case {
        int starCode;
        double starLimit; // decoded
        double setLimit;  // what the chart holds at tear-down
        int storedCode;   // what tear-down writes
    };
    for (const Case c : {Case{10, 6.0, 6.0, 10}, Case{11, 7.5, 7.5, 11}, Case{0, 1.0, 1.0, 0},
                         Case{10, 6.0, 6.5, 11}, Case{3, 2.5, 8.0, 11}}) {
        AppSettings settings = DefaultSettings();
        settings.StarLimit = c.starCode;
        settings.DeepSkyLimit = 3;
        auto chart = std::make_unique<ChartState>(settings);
        EXPECT_EQ(chart->m_dStarLimit, c.starLimit) << c.starCode;
        EXPECT_EQ(chart->m_dDeepSkyLimit, 9.0);
        chart->m_dStarLimit = c.setLimit;
        AppSettings back = settings;
        chart->CopyToSettings(back);
        EXPECT_EQ(back.StarLimit, c.storedCode) << c.setLimit;
        EXPECT_EQ(back.DeepSkyLimit, 3);
    }
}

TEST(ChartState, TearDownCopiesEveryChartFieldButLeavesPlaceTimeAndAutoMode) {
    AppSettings settings = DefaultSettings();
    settings.Observer.Location = "Somewhere";
    settings.SkyDate = SkyDate{2001, 2, 3, 4, 5, 6};
    settings.AutoMode = 1;
    auto chart = std::make_unique<ChartState>(settings);
    chart->m_bHorizonView = 1;
    chart->m_nLevel = 7;
    chart->m_dTurnX = -5.25;
    chart->m_fTurnXDeg = 10.0f;
    chart->m_nTurnY = -35;
    chart->m_bCoordinations = 1;
    chart->m_bMilkyWay = 0;
    chart->m_bSolSysLabels = 0;
    chart->m_bColoredSky = 1;
    chart->m_bColoredStars = 0;
    chart->m_dDeepSkyLimit = 13.0;

    AppSettings back = settings;
    chart->CopyToSettings(back);
    EXPECT_EQ(back.HorizonView, 1);
    EXPECT_EQ(back.Level, 7);
    EXPECT_EQ(back.TurnX, -5.25);
    EXPECT_EQ(back.b, 10.0f);
    EXPECT_EQ(back.TurnY, -35);
    EXPECT_EQ(back.Coordinations, 1);
    EXPECT_EQ(back.MilkyWay, 0);
    EXPECT_EQ(back.SolSysLabels, 0);
    EXPECT_EQ(back.ColoredSky, 1);
    EXPECT_EQ(back.ColoredStars, 0);
    EXPECT_EQ(back.DeepSkyLimit, 7);
    EXPECT_EQ(back.Observer, settings.Observer);
    EXPECT_EQ(back.SkyDate, settings.SkyDate);
    EXPECT_EQ(back.AutoMode, 1);

    // And a chart made from the written record reads the same fields back.
    auto again = std::make_unique<ChartState>(back);
    EXPECT_EQ(again->m_nTilt, 35);
    EXPECT_EQ(again->m_dTurnX, -5.25);
    EXPECT_EQ(again->m_nLevel, 7);
}

TEST(ChartState, InitialUpdateSetsScaleBesideTheSessionsSky) {
    AppSettings settings = DefaultSettings();
    settings.SkyDate = SkyDate{2000, 1, 1, 13, 0, 0}; // 12:00 universal time in zone +1
    const SkySession session(nullptr, settings.SkyDate, PlaceOf(settings.Observer),
                             SkyModelKind::Classic);
    const SkyState& sky = session.Sky();
    auto chart = std::make_unique<ChartState>(settings);
    InitialUpdate(*chart, 1600, 1000);
    EXPECT_EQ(chart->m_nBaseRadius, 460);
    EXPECT_EQ(chart->m_nRadius, 3u * 460u);
    EXPECT_EQ(chart->m_nCenterX, 800);
    EXPECT_EQ(chart->m_nCenterY, 500);
    // Sidereal angle of JD 2451545.0 (280.46061837 by the series itself), Krakow 19 55' E,
    // 50 02' N.
    constexpr double kAngleTolDeg = 1e-6; // degrees: double rounding only
    EXPECT_NEAR(sky.m_dGST, 280.46061837, kAngleTolDeg);
    EXPECT_NEAR(sky.m_dLongitude, -(19.0 + 55.0 / 60.0), kAngleTolDeg);
    EXPECT_NEAR(sky.m_dLST, 280.46061837 + 19.0 + 55.0 / 60.0, kAngleTolDeg);
    EXPECT_NEAR(sky.m_dSinLat, std::sin((50.0 + 2.0 / 60.0) * kDegToRad), 1e-12);
    EXPECT_GT(sky.m_bodies[kBodySun].earthDistanceAu, 0.9); // the sky has been computed
}

TEST(Centering, SnapCentreRoundsToTheCoarseGridAtLevelZeroOnly) {
    struct Case {
        int turnY;
        double turnX;
        int snappedY;
        double snappedX;
    };
    for (const Case c :
         {Case{22, 6.5, 15, 6.0}, Case{23, 6.51, 30, 7.0}, Case{-22, -6.5, -15, -6.0},
          Case{-23, -6.51, -30, -7.0}, Case{90, 23.4, 90, 23.0}, Case{7, 0.5, 0, 0.0}}) {
        AppSettings settings = DefaultSettings();
        auto chart = std::make_unique<ChartState>(settings);
        chart->m_nLevel = 0;
        chart->m_nTurnY = c.turnY;
        chart->m_dTurnX = c.turnX;
        SnapCentre(*chart);
        EXPECT_EQ(chart->m_nTurnY, c.snappedY) << c.turnY;
        EXPECT_EQ(chart->m_nTilt, std::abs(c.snappedY));
        EXPECT_EQ(chart->m_dTurnX, c.snappedX) << c.turnX;

        chart->m_nLevel = 1;
        chart->m_nTurnY = c.turnY;
        chart->m_dTurnX = c.turnX;
        SnapCentre(*chart);
        EXPECT_EQ(chart->m_nTurnY, c.turnY);
        EXPECT_EQ(chart->m_dTurnX, c.turnX);
    }
}

TEST(Centering, CenterOnFollowsTheHemisphereAndTheZoomLevel) {
    struct Case {
        const char* ns;
        int level;
        double ra, dec;
        double turnX;
        int turnY;
    };
    for (const Case c :
         {Case{"S", 2, 6.75, -16.7, -17.25, 16}, Case{"S", 0, 6.75, -16.7, -17.0, 15},
          Case{"N", 2, 6.75, -16.7, -6.75, -16}, Case{"N", 0, 6.75, -16.7, -7.0, -15},
          Case{"N", 3, 13.4, 54.9, -13.4, 54},
          // The turn stays inside -24..24: ra 0 on a southern chart, and -23.6 snapped to -24.
          Case{"S", 2, 0.0, -30.5, 0.0, 30}, Case{"N", 0, 23.6, 10.0, 0.0, 15}}) {
        AppSettings settings = DefaultSettings();
        settings.Observer.NS = c.ns;
        auto chart = std::make_unique<ChartState>(settings);
        chart->m_nLevel = c.level;
        CenterOn(*chart, SkyState{}, c.ra, c.dec); // the equatorial chart needs no sky
        EXPECT_DOUBLE_EQ(chart->m_dTurnX, c.turnX) << c.ns << c.level << " ra " << c.ra;
        EXPECT_FALSE(std::signbit(chart->m_dTurnX) && chart->m_dTurnX == 0.0);
        EXPECT_EQ(chart->m_nTurnY, c.turnY) << c.ns << c.level;
        EXPECT_EQ(chart->m_nTilt, std::abs(c.turnY));
    }
}

TEST(Centering, CentredPositionsLandAtTheChartCentreInEveryMode) {
    // The centre keeps whole degrees: the target may lie up to one degree from it.
    const double kOneDegreePx = 1380 * std::sin(1.0 * M_PI / 180.0) + 1.0; // pixels
    for (const int horizon : {0, 1}) {
        for (const char* ns : {"N", "S"}) {
            AppSettings settings = DefaultSettings();
            settings.Observer.NS = ns;
            settings.HorizonView = horizon;
            settings.HorizonView = horizon;
            settings.SkyDate = SkyDate{2024, 3, 10, 22, 0, 0};
            const SkySession session(nullptr, settings.SkyDate, PlaceOf(settings.Observer),
                                     SkyModelKind::Classic);
            auto chart = std::make_unique<ChartState>(settings);
            InitialUpdate(*chart, 1600, 1000);
            for (const auto& [ra, dec] : {std::pair{5.92, 7.4}, std::pair{14.26, 19.2},
                                          std::pair{18.6, 38.8}, std::pair{6.75, -16.7}}) {
                CenterOn(*chart, session.Sky(), ra, dec);
                const auto p = Projector(*chart, session.Sky())
                                   .Project(static_cast<float>(ra), static_cast<float>(dec));
                if (!p) {
                    // Only a horizon-chart target far below the horizon may fail.
                    EXPECT_EQ(horizon, 1);
                    continue;
                }
                EXPECT_NEAR(p->x, chart->m_nCenterX, kOneDegreePx) << horizon << ns << ra;
                EXPECT_NEAR(p->y, chart->m_nCenterY, kOneDegreePx) << horizon << ns << ra;
            }
        }
    }
}
