// Zoom, pan and centring rules of the chart navigation.
#include "navigation/Navigation.h"

#include "astro/Angles.h"
#include "astro/Transforms.h"
#include "catalog/CatalogStore.h"
#include "chart/ChartState.h"
#include "chart/Projection.h"
#include "settings/AppSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

constexpr int kBase = 100; // pixels: base radius of the test chart

// Turns are sums of binary-inexact 1/3-hour steps; 1e-9 hours is far below one pixel.
constexpr double kTurnTolerance = 1e-9;

// A click is quantised to whole pixels: at R = 300 px one pixel is about 0.2 degrees of arc, so
// the centred right ascension lands within 0.03 hours of the target at the equator's latitude
// band used here.
constexpr double kClickTurnToleranceHours = 0.03;

class NavigationTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_settings.Observer.NS = "N";
        m_settings.Observer.EW = "E";
        m_chart = std::make_unique<ChartState>(m_settings);
        m_chart->m_bHorizonView = kChartEquatorial;
        m_chart->m_nBaseRadius = kBase;
        m_chart->m_rcClient = {0, 0, 800, 800};
        m_chart->m_nCenterX = 400;
        m_chart->m_nCenterY = 400;
        SetLevel(2);
    }
    void SetLevel(int level) {
        m_chart->m_nLevel = level;
        m_chart->m_nRadius = static_cast<unsigned>((level + 1) * kBase);
    }
    void SetCentre(double turnX, int turnY) {
        m_chart->m_dTurnX = turnX;
        m_chart->m_nTurnY = turnY;
        m_chart->m_nTilt = std::abs(turnY);
    }
    void MakeSouthern() {
        m_settings.Observer.NS = "S";
        m_chart->SetHemisphere("S");
    }

    AppSettings m_settings;
    std::unique_ptr<ChartState> m_chart;
    SkyState m_sky; // the computed sky: zero unless a test sets it
};

// ---------------------------------------------------------------------------------------------
// Zoom

TEST_F(NavigationTest, ZoomInStopsAtLevelEleven) {
    SetLevel(0);
    SetCentre(6.0, 15);
    for (int i = 1; i <= 11; ++i) {
        ASSERT_TRUE(ZoomIn(*m_chart, 0)) << "zoom in " << i;
        EXPECT_EQ(m_chart->m_nLevel, i);
        EXPECT_EQ(m_chart->m_nRadius, static_cast<unsigned>((i + 1) * kBase));
    }
    EXPECT_FALSE(ZoomIn(*m_chart, 0));
    EXPECT_EQ(m_chart->m_nLevel, 11);
    EXPECT_EQ(m_chart->m_nRadius, 12u * kBase);
}

TEST_F(NavigationTest, FaintStarsOpenSixDeepLevelsDownToAboutADegree) {
    m_chart->m_bFaintStars = 1;
    SetLevel(11);
    SetCentre(6.0, 15);
    for (int level = 12; level <= kMaxDeepLevel; ++level) {
        const double before = m_chart->m_nRadius;
        ASSERT_TRUE(ZoomIn(*m_chart, 1)) << level;
        EXPECT_EQ(m_chart->m_nLevel, level);
        // "About a third narrower": the radius grows by half again.
        EXPECT_NEAR(m_chart->m_nRadius / before, 1.5, 0.01) << level;
    }
    EXPECT_FALSE(ZoomIn(*m_chart, 1));
    // The field's height is 2 asin(h / 2R); a full-screen client is h = 2 (base + 40) high
    // (BaseRadiusForScreenHeight), so level 0 shows most of a hemisphere, the deepest a degree.
    const double fieldDegrees = 2.0 * std::asin((kBase + 40.0) / m_chart->m_nRadius) * 180.0 / M_PI;
    EXPECT_GT(fieldDegrees, 0.5);
    EXPECT_LT(fieldDegrees, 2.0);
    // The automatic limit reaches magnitude 12 at the deepest level.
    EXPECT_DOUBLE_EQ(m_chart->m_dStarLimit, 12.0);
    // Back out through every deep level to level 11's own radius.
    for (int level = kMaxDeepLevel - 1; level >= 11; --level) {
        ASSERT_TRUE(ZoomOut(*m_chart, 1));
        EXPECT_EQ(m_chart->m_nLevel, level);
    }
    EXPECT_EQ(m_chart->m_nRadius, 12u * kBase);
    EXPECT_DOUBLE_EQ(m_chart->m_dStarLimit, 7.5);
}

// Faint stars asked for without a faint-star catalogue (hipparcos.bin missing, unreadable or
// holding no star): the program goes on with the layer off, at the deepest ordinary level with the
// bright stars' limit, and says so; with stars in the table nothing changes.
TEST_F(NavigationTest, FaintStarsWithoutTheirCatalogueAreTurnedOffWithAWarning) {
    FaintStarTable table;
    for (const bool available : {false, true}) {
        if (available) {
            table.stars.push_back(FaintStar{87937, 17.96f, 4.69f, 9.54f, 1.57f, true});
        }
        m_chart->m_bFaintStars = 1;
        m_chart->m_nLevel = kMaxDeepLevel;
        m_chart->m_nRadius = LevelRadius(kMaxDeepLevel, kBase);
        m_chart->m_dStarLimit = 12.0;
        const auto warning = TurnOffMissingFaintStars(table, *m_chart, 0);
        EXPECT_EQ(warning.has_value(), !available);
        EXPECT_EQ(m_chart->m_bFaintStars, available ? 1 : 0);
        EXPECT_EQ(m_chart->m_nLevel, available ? kMaxDeepLevel : kMaxLevel);
        EXPECT_EQ(m_chart->m_nRadius, LevelRadius(m_chart->m_nLevel, kBase));
        EXPECT_DOUBLE_EQ(m_chart->m_dStarLimit, available ? 12.0 : 7.5);
    }
}

TEST_F(NavigationTest, ZoomOutStopsAtLevelZero) {
    SetLevel(11);
    SetCentre(6.0, 15);
    for (int i = 10; i >= 0; --i) {
        ASSERT_TRUE(ZoomOut(*m_chart, 0));
        EXPECT_EQ(m_chart->m_nLevel, i);
        EXPECT_EQ(m_chart->m_nRadius, static_cast<unsigned>((i + 1) * kBase));
    }
    // At level 0 with a centre already on the coarse grid nothing changes: no redraw.
    EXPECT_FALSE(ZoomOut(*m_chart, 0));
    EXPECT_EQ(m_chart->m_nLevel, 0);
    EXPECT_EQ(m_chart->m_nRadius, static_cast<unsigned>(kBase));
}

TEST_F(NavigationTest, ZoomBeforeTheFirstUpdateDoesNothing) {
    m_chart->m_nBaseRadius = 0;
    m_chart->m_nRadius = 0;
    EXPECT_FALSE(ZoomIn(*m_chart, 1));
    EXPECT_FALSE(ZoomOut(*m_chart, 1) && m_chart->m_nRadius != 0);
    EXPECT_EQ(m_chart->m_nRadius, 0u);
}

struct SnapCase {
    const char* name;
    double turnX;
    int turnY;
    double wantTurnX;
    int wantTurnY;
};

class ZoomOutSnapTest : public NavigationTest, public ::testing::WithParamInterface<SnapCase> {};

TEST_P(ZoomOutSnapTest, ReachingLevelZeroSnapsTheCentre) {
    const SnapCase& c = GetParam();
    SetLevel(1);
    SetCentre(c.turnX, c.turnY);
    ASSERT_TRUE(ZoomOut(*m_chart, 0));
    EXPECT_EQ(m_chart->m_nLevel, 0);
    EXPECT_EQ(m_chart->m_nTurnY, c.wantTurnY);
    EXPECT_EQ(m_chart->m_nTilt, std::abs(c.wantTurnY));
    EXPECT_DOUBLE_EQ(m_chart->m_dTurnX, c.wantTurnX);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZoomOutSnapTest,
    ::testing::Values(SnapCase{"Dec22Turn6h30", 6.5, 22, 6.0, 15},
                      SnapCase{"Dec23", 6.5, 23, 6.0, 30},
                      SnapCase{"HalfRowRoundsTowardZero", 2.4, -22, 2.0, -15},
                      SnapCase{"SouthBelowHalf", -6.51, -23, -7.0, -30},
                      // -23.6 rounds to -24, the same turn as 0: kept inside the open interval.
                      SnapCase{"RoundingToMinus24Wraps", -23.6, 0, 0.0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NavigationTest, ZoomOutAtLevelZeroSnapsAnOffGridCentreAndRedraws) {
    SetLevel(0);
    SetCentre(3.0, 37); // a pan up at level 0 from 22
    EXPECT_TRUE(ZoomOut(*m_chart, 0));
    EXPECT_EQ(m_chart->m_nTurnY, 30);
    EXPECT_EQ(m_chart->m_nLevel, 0);
}

struct AutoLimitCase {
    int level;
    double star; // NaN: left as it was
    double deepSky;
};

class AutoLimitTest : public NavigationTest, public ::testing::WithParamInterface<AutoLimitCase> {};

constexpr double kUntouched = 99.0; // a limit value no table row holds

// Each level is reached by zooming in from the level below and by zooming out from the level
// above (where those exist); both give the limits of the level reached.
TEST_P(AutoLimitTest, ZoomingToTheLevelSetsItsLimits) {
    const AutoLimitCase& c = GetParam();
    const double wantStar = std::isnan(c.star) ? kUntouched : c.star;
    for (const int from : {c.level - 1, c.level + 1}) {
        if (from < 0 || from > 11) {
            continue;
        }
        SetLevel(from);
        SetCentre(0.0, 0);
        m_chart->m_dStarLimit = kUntouched;
        m_chart->m_dDeepSkyLimit = kUntouched;
        ASSERT_TRUE(from < c.level ? ZoomIn(*m_chart, 1) : ZoomOut(*m_chart, 1));
        ASSERT_EQ(m_chart->m_nLevel, c.level);
        EXPECT_EQ(m_chart->m_dStarLimit, wantStar) << "from level " << from;
        EXPECT_EQ(m_chart->m_dDeepSkyLimit, c.deepSky) << "from level " << from;
    }
}

TEST_P(AutoLimitTest, ManualModeLeavesTheLimits) {
    const AutoLimitCase& c = GetParam();
    SetLevel(c.level);
    SetCentre(0.0, 0);
    m_chart->m_dStarLimit = kUntouched;
    m_chart->m_dDeepSkyLimit = kUntouched;
    ZoomIn(*m_chart, 0);
    ZoomOut(*m_chart, 0);
    EXPECT_EQ(m_chart->m_dStarLimit, kUntouched);
    EXPECT_EQ(m_chart->m_dDeepSkyLimit, kUntouched);
}

constexpr double kKeep = std::numeric_limits<double>::quiet_NaN();
INSTANTIATE_TEST_SUITE_P(
    Levels, AutoLimitTest,
    ::testing::Values(AutoLimitCase{0, 5.0, 6.0}, AutoLimitCase{1, 5.5, 7.0},
                      AutoLimitCase{2, 6.0, 8.0}, AutoLimitCase{3, 6.5, 9.0},
                      AutoLimitCase{4, kKeep, 10.0}, AutoLimitCase{5, 7.5, 13.0},
                      AutoLimitCase{6, 7.5, 13.0}, AutoLimitCase{7, 7.5, 13.0},
                      AutoLimitCase{8, 7.5, 13.0}, AutoLimitCase{9, 7.5, 13.0},
                      AutoLimitCase{10, 7.5, 13.0}, AutoLimitCase{11, 7.5, 13.0}),
    [](const auto& info) { return "Level" + std::to_string(info.param.level); });

// ---------------------------------------------------------------------------------------------
// Pan

struct PanYCase {
    const char* name;
    int level;
    bool up;
    int turnY;
    int wantTurnY;
    bool wantRedraw;
};

class PanYTest : public NavigationTest, public ::testing::WithParamInterface<PanYCase> {};

TEST_P(PanYTest, MovesTheCentreInDeclinationWithinThePoles) {
    const PanYCase& c = GetParam();
    SetLevel(c.level);
    SetCentre(5.0, c.turnY);
    const bool redraw = c.up ? PanUp(*m_chart) : PanDown(*m_chart);
    EXPECT_EQ(redraw, c.wantRedraw);
    EXPECT_EQ(m_chart->m_nTurnY, c.wantTurnY);
    EXPECT_EQ(m_chart->m_nTilt, std::abs(c.wantTurnY));
    EXPECT_EQ(m_chart->m_dTurnX, 5.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PanYTest,
    ::testing::Values(PanYCase{"UpWideStep", 0, true, 15, 30, true},
                      PanYCase{"UpCloseStep", 2, true, 15, 20, true},
                      PanYCase{"UpClampedAtPole", 2, true, 88, 90, true},
                      PanYCase{"UpAtPoleDoesNothing", 2, true, 90, 90, false},
                      PanYCase{"UpWideClamped", 0, true, 80, 90, true},
                      PanYCase{"DownWideStep", 0, false, 0, -15, true},
                      PanYCase{"DownCloseStep", 5, false, -20, -25, true},
                      PanYCase{"DownClampedAtPole", 1, false, -87, -90, true},
                      PanYCase{"DownAtPoleDoesNothing", 0, false, -90, -90, false},
                      PanYCase{"DownAcrossEquatorSetsTilt", 3, false, 3, -2, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct PanXCase {
    const char* name;
    int level;
    bool right;
    double turnX;
    float turnXDeg;
    double wantTurnX;
    float wantTurnXDeg;
};

class PanXTest : public NavigationTest, public ::testing::WithParamInterface<PanXCase> {};

TEST_P(PanXTest, TurnsTheChartAndWrapsInsideTwentyFourHours) {
    const PanXCase& c = GetParam();
    SetLevel(c.level);
    SetCentre(c.turnX, 10);
    m_chart->m_fTurnXDeg = c.turnXDeg;
    EXPECT_TRUE(c.right ? PanRight(*m_chart) : PanLeft(*m_chart));
    EXPECT_NEAR(m_chart->m_dTurnX, c.wantTurnX, kTurnTolerance);
    EXPECT_GT(m_chart->m_dTurnX, -24.0);
    EXPECT_LT(m_chart->m_dTurnX, 24.0);
    EXPECT_EQ(m_chart->m_fTurnXDeg, c.wantTurnXDeg);
    EXPECT_EQ(m_chart->m_nTurnY, 10);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PanXTest,
    ::testing::Values(PanXCase{"WideRightFrom23WrapsTo0", 0, true, 23.0, 5.0f, 0.0, 0.0f},
                      PanXCase{"WideLeftFromMinus23WrapsTo0", 0, false, -23.0, 0.0f, 0.0, 0.0f},
                      PanXCase{"WideLeftFrom0", 0, false, 0.0, 10.0f, -1.0, 0.0f},
                      PanXCase{"WideRightFrom0", 0, true, 0.0, 0.0f, 1.0, 0.0f},
                      PanXCase{"CloseRight", 2, true, 0.0, 0.0f, 0.333333333, 5.0f},
                      PanXCase{"CloseRightDegWraps", 2, true, 1.0, 10.0f, 1.333333333, 0.0f},
                      PanXCase{"CloseLeftDegWraps", 2, false, 1.0, -10.0f, 0.666666667, 0.0f},
                      PanXCase{"CloseLeft", 7, false, 0.0, 5.0f, -0.333333333, 0.0f},
                      PanXCase{"CloseRightWrapsAt24", 2, true, 23.8, 0.0f, 0.133333333, 5.0f},
                      PanXCase{"CloseLeftWrapsAtMinus24", 2, false, -23.8, 0.0f, -0.133333333,
                               -5.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NavigationTest, SeventyTwoCloseStepsComeBackToTheStart) {
    SetCentre(-5.0, 0);
    for (int i = 0; i < 72; ++i) {
        PanRight(*m_chart);
        ASSERT_GT(m_chart->m_dTurnX, -24.0);
        ASSERT_LT(m_chart->m_dTurnX, 24.0);
    }
    // 72 steps of 0.333333333 h fall 2.4e-8 h short of a full turn; the wrap at 24 is never
    // reached from -5, so the turn ends at 19, the same direction as -5.
    EXPECT_NEAR(m_chart->m_dTurnX, 19.0, 1e-7);
    EXPECT_EQ(m_chart->m_fTurnXDeg, 0.0f);
}

// ---------------------------------------------------------------------------------------------
// Click to centre

TEST_F(NavigationTest, ClickOnTheRimOrOutsideIsIgnored) {
    SetCentre(-6.0, 20);
    const int r = static_cast<int>(m_chart->m_nRadius);
    for (auto [x, y] : {std::pair{400 + r, 400}, std::pair{400, 400 - r},
                        std::pair{400 + r, 400 + 1}, std::pair{0, 0}, std::pair{799, 400}}) {
        EXPECT_FALSE(ClickToCentre(*m_chart, x, y)) << x << "," << y;
        EXPECT_EQ(m_chart->m_dTurnX, -6.0);
        EXPECT_EQ(m_chart->m_nTurnY, 20);
    }
}

TEST_F(NavigationTest, ClickAtTheCentreKeepsTheCentre) {
    SetCentre(-6.0, 20);
    ASSERT_TRUE(ClickToCentre(*m_chart, 400, 400));
    EXPECT_NEAR(m_chart->m_dTurnX, -6.0, kClickTurnToleranceHours);
    EXPECT_EQ(m_chart->m_nTurnY, 20);
}

struct ClickCase {
    const char* name;
    const char* hemisphere;
    int level;
    double ra; // hours
    double dec;
    double wantTurnX;
    int wantTurnY;
};

class ClickTest : public NavigationTest, public ::testing::WithParamInterface<ClickCase> {};

// Clicking a drawn point centres the chart on it: the turn puts its right ascension at the
// centre in the frame the chart is drawn in (turned for a southern observer).
TEST_P(ClickTest, CentresOnTheClickedSkyPoint) {
    const ClickCase& c = GetParam();
    m_settings.Observer.NS = c.hemisphere;
    m_chart->SetHemisphere(c.hemisphere);
    SetLevel(c.level);
    SetCentre(c.wantTurnX + 0.5, c.wantTurnY > 0 ? c.wantTurnY - 8 : c.wantTurnY + 8);
    const auto p =
        Projector(*m_chart, m_sky).Project(static_cast<float>(c.ra), static_cast<float>(c.dec));
    ASSERT_TRUE(p);
    ASSERT_TRUE(ClickToCentre(*m_chart, p->x, p->y));
    EXPECT_NEAR(m_chart->m_dTurnX, c.wantTurnX, kClickTurnToleranceHours);
    EXPECT_EQ(m_chart->m_nTurnY, c.wantTurnY);
    EXPECT_EQ(m_chart->m_nTilt, std::abs(c.wantTurnY));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClickTest,
    ::testing::Values(ClickCase{"North", "N", 2, 6.75, -16.6, -6.75, -16},
                      ClickCase{"NorthPositiveDec", "N", 3, 10.2, 41.4, -10.2, 41},
                      // 6h45m -16.6 on a southern chart: turn ra - 24, centre -(dec truncated).
                      ClickCase{"South", "S", 2, 6.75, -16.6, -17.25, 16},
                      ClickCase{"SouthNorthernSky", "S", 4, 3.0, 12.4, -21.0, -12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NavigationTest, ClickAtLevelZeroSnapsToTheGrid) {
    SetLevel(0);
    SetCentre(-6.0, 15);
    const auto p = Projector(*m_chart, m_sky).Project(6.6f, 22.0f);
    ASSERT_TRUE(p);
    ASSERT_TRUE(ClickToCentre(*m_chart, p->x, p->y));
    EXPECT_EQ(m_chart->m_dTurnX, -7.0);
    EXPECT_EQ(m_chart->m_nTurnY, 15);
}

// Hour difference folded into -12..12, so turns a whole day apart compare equal.
double HourDifference(double a, double b) {
    double d = std::fmod(a - b, 24.0);
    if (d > 12.0) {
        d -= 24.0;
    } else if (d < -12.0) {
        d += 24.0;
    }
    return d;
}

// On the local-horizon chart the click reads the chart's own coordinates (chart azimuth / 15 and
// altitude) and centres on them, whatever the hemisphere.
TEST_F(NavigationTest, ClickOnTheHorizonChartCentresOnAzimuthAndAltitude) {
    for (const char* hemisphere : {"N", "S"}) {
        m_settings.Observer.NS = hemisphere;
        m_chart->SetHemisphere(hemisphere);
        const double latitude = hemisphere[0] == 'N' ? 50.0 : -33.0;
        m_chart->m_bHorizonView = kChartLocalHorizon;
        m_settings.HorizonView = kChartLocalHorizon; // the mode commands set both
        m_chart->m_nHorizonViewSetting = kChartLocalHorizon;
        m_sky.m_dGST = 100.0;
        m_sky.m_dLongitude = -20.0;
        m_sky.m_dLST = 120.0;
        m_sky.m_dLatitude = latitude;
        m_sky.m_dSinLat = std::sin(DegToRad(latitude));
        m_sky.m_dCosLat = std::cos(DegToRad(latitude));
        const double ra = 6.0;
        const double dec = 5.0;
        const HorizontalPosition h =
            EquatorialToHorizontal(ra, dec, m_sky.m_dGST, m_sky.m_dLongitude, latitude);
        ASSERT_GT(h.altitude, 10.0) << hemisphere;
        const double chartAzimuth = Normalize360(360.0 - (h.compassAzimuth - 180.0));
        const double wantTurnX = -chartAzimuth / 15.0;
        const int wantTurnY = static_cast<int>(h.altitude);
        SetCentre(wantTurnX + 0.3, wantTurnY - 6);
        const auto p =
            Projector(*m_chart, m_sky).Project(static_cast<float>(ra), static_cast<float>(dec));
        ASSERT_TRUE(p) << hemisphere;
        ASSERT_TRUE(ClickToCentre(*m_chart, p->x, p->y));
        EXPECT_NEAR(HourDifference(m_chart->m_dTurnX, wantTurnX), 0.0, kClickTurnToleranceHours)
            << hemisphere;
        EXPECT_EQ(m_chart->m_nTurnY, wantTurnY) << hemisphere;
    }
}

// ---------------------------------------------------------------------------------------------
// Horizon points, zenith and nadir

class HorizonPointTest : public NavigationTest {
protected:
    void SetUp() override {
        NavigationTest::SetUp();
        // Distinct made-up positions for the four points, so a wrong index shows.
        Put(54, 6.4f, 22.7f);   // East
        Put(18, 18.3f, -9.2f);  // West
        Put(36, 12.1f, 40.6f);  // North
        Put(72, 0.25f, -39.9f); // South
    }
    void Put(int index, float ra, float dec) {
        m_sky.m_horizon[static_cast<std::size_t>(index)] = OutlinePoint{ra, dec};
    }
};

TEST_F(HorizonPointTest, IndicesOfTheFourPoints) {
    EXPECT_EQ(HorizonPointIndex(HorizonPoint::East), 54);
    EXPECT_EQ(HorizonPointIndex(HorizonPoint::West), 18);
    EXPECT_EQ(HorizonPointIndex(HorizonPoint::North), 36);
    EXPECT_EQ(HorizonPointIndex(HorizonPoint::South), 72);
}

struct HorizonPointCase {
    HorizonPoint point;
    const char* hemisphere;
    int mode;
    int level;
    double wantTurnX;
    int wantTurnY;
};

class HorizonPointCaseTest : public HorizonPointTest,
                             public ::testing::WithParamInterface<HorizonPointCase> {};

TEST_P(HorizonPointCaseTest, CentresOnThePoint) {
    const HorizonPointCase& c = GetParam();
    m_settings.Observer.NS = c.hemisphere;
    m_chart->SetHemisphere(c.hemisphere);
    m_chart->m_bHorizonView = c.mode;
    SetLevel(c.level);
    SetCentre(3.3, 45);
    EXPECT_TRUE(CentreOnHorizonPoint(*m_chart, m_sky, c.point));
    EXPECT_NEAR(m_chart->m_dTurnX, c.wantTurnX, 1e-6); // the points are single precision
    EXPECT_EQ(m_chart->m_nTurnY, c.wantTurnY);
    EXPECT_EQ(m_chart->m_nTilt, std::abs(c.wantTurnY));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HorizonPointCaseTest,
    ::testing::Values(
        HorizonPointCase{HorizonPoint::East, "N", kChartEquatorial, 2, -6.4, 22},
        HorizonPointCase{HorizonPoint::West, "N", kChartEquatorial, 2, -18.3, -9},
        HorizonPointCase{HorizonPoint::North, "N", kChartEquatorial, 2, -12.1, 40},
        HorizonPointCase{HorizonPoint::South, "N", kChartEquatorial, 2, -0.25, -39},
        HorizonPointCase{HorizonPoint::East, "S", kChartEquatorial, 2, 6.4 - 24.0, -22},
        HorizonPointCase{HorizonPoint::South, "S", kChartEquatorial, 2, 0.25 - 24.0, 39},
        HorizonPointCase{HorizonPoint::East, "N", kChartEquatorial, 0, -6.0, 15},
        HorizonPointCase{HorizonPoint::North, "S", kChartEquatorial, 0, -12.0, -45},
        HorizonPointCase{HorizonPoint::East, "N", kChartLocalHorizon, 2, -6.0, 0},
        HorizonPointCase{HorizonPoint::West, "N", kChartLocalHorizon, 2, -18.0, 0},
        HorizonPointCase{HorizonPoint::North, "S", kChartLocalHorizon, 2, -12.0, 0},
        HorizonPointCase{HorizonPoint::South, "S", kChartLocalHorizon, 0, 0.0, 0}));

struct PoleCase {
    const char* name;
    bool zenith;
    const char* hemisphere;
    int mode;
    int level;
    double latitude;
    int wantTurnY; // from the declination aimed at: 0.05 degrees north of the zenith or nadir
};

class PoleTest : public NavigationTest, public ::testing::WithParamInterface<PoleCase> {};

constexpr double kGst = 100.0;       // degrees
constexpr double kLongitude = -20.0; // degrees, east of Greenwich

TEST_P(PoleTest, CentresOnTheZenithOrNadir) {
    const PoleCase& c = GetParam();
    m_settings.Observer.NS = c.hemisphere;
    m_chart->SetHemisphere(c.hemisphere);
    m_chart->m_bHorizonView = c.mode;
    m_sky.m_dGST = kGst;
    m_sky.m_dLongitude = kLongitude;
    m_sky.m_dLatitude = c.latitude;
    SetLevel(c.level);
    SetCentre(-3.3, 20);
    EXPECT_TRUE(c.zenith ? CentreOnZenith(*m_chart, m_sky) : CentreOnNadir(*m_chart, m_sky));
    EXPECT_EQ(m_chart->m_nTurnY, c.wantTurnY);
    EXPECT_EQ(m_chart->m_nTilt, std::abs(c.wantTurnY));
    if (c.mode == kChartLocalHorizon) {
        // The turn is kept (rounded to whole hours at level 0).
        EXPECT_EQ(m_chart->m_dTurnX, c.level == 0 ? -3.0 : -3.3);
        return;
    }
    // The zenith lies on the local meridian: right ascension = local sidereal time; the nadir
    // 12 hours away.
    const double lstHours = Normalize360(kGst - kLongitude) / 15.0;
    const double ra = std::fmod(lstHours + (c.zenith ? 0.0 : 12.0), 24.0);
    const double want = std::string(c.hemisphere) == "S" ? ra - 24.0 : -ra;
    if (c.level == 0) {
        EXPECT_EQ(m_chart->m_dTurnX, RoundHalfTowardZero(want));
    } else {
        EXPECT_NEAR(m_chart->m_dTurnX, want, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PoleTest,
    ::testing::Values(
        // Zenith: dec = latitude + 0.05; nadir: dec = -latitude + 0.05.
        PoleCase{"ZenithNorth", true, "N", kChartEquatorial, 2, 50.0, 50},
        PoleCase{"NadirNorth", false, "N", kChartEquatorial, 2, 50.0, -49},
        PoleCase{"ZenithSouth", true, "S", kChartEquatorial, 2, -30.0, 29},
        PoleCase{"NadirSouth", false, "S", kChartEquatorial, 2, -30.0, -30},
        PoleCase{"ZenithNorthWide", true, "N", kChartEquatorial, 0, 50.0, 45},
        PoleCase{"ZenithHorizonChart", true, "N", kChartLocalHorizon, 2, 50.0, 90},
        PoleCase{"NadirHorizonChart", false, "S", kChartLocalHorizon, 3, -30.0, -90},
        PoleCase{"ZenithHorizonChartWide", true, "N", kChartLocalHorizon, 0, 50.0, 90}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayerSwitchTest, ToggleInvertsAndNormalises) {
    for (auto [before, after] :
         {std::pair{0, 1}, std::pair{1, 0}, std::pair{5, 0}, std::pair{-1, 0}}) {
        int s = before;
        ToggleSwitch(s);
        EXPECT_EQ(s, after) << "from " << before;
    }
}

} // namespace
