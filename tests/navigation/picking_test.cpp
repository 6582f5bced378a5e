// Right-click picking order and box sizes, and the pointer's sky position and pane texts.
#include "chart/Projection.h"
#include "navigation/Picking.h"
#include "navigation/PointerTracking.h"
#include "settings/Profile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class PickingTest : public ::testing::Test {
protected:
    PickingTables picks;
};

TEST_F(PickingTest, EmptySkyPicksNothing) {
    picks.stars[100] = {200, 200, 3};
    picks.bodies[5] = {400, 300};
    picks.deepSky[30] = {600, 100};
    EXPECT_FALSE(PickObject(picks, 300, 300).has_value());
}

TEST_F(PickingTest, PlanetWinsOverStarInBothBoxes) {
    picks.bodies[kBodyJupiter] = {403, 297}; // within 3 pixels
    picks.stars[42] = {402, 302, 0};         // magnitude class 0, within 2 pixels
    const auto hit = PickObject(picks, 400, 300);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(*hit, (PickedObject{PickedKind::Body, kBodyJupiter}));
}

TEST_F(PickingTest, BodiesSearchedFromPlutoDown) {
    picks.bodies[kBodyMoon] = {100, 100};
    picks.bodies[kBodyMars] = {101, 101};
    EXPECT_EQ(PickObject(picks, 100, 100), (PickedObject{PickedKind::Body, kBodyMars}));
}

TEST_F(PickingTest, HigherCatalogueIndexWinsBetweenStars) {
    picks.stars[10] = {50, 50, 1};
    picks.stars[9000] = {51, 50, 1};
    EXPECT_EQ(PickObject(picks, 50, 50), (PickedObject{PickedKind::Star, 9000}));
}

TEST_F(PickingTest, StarWinsOverDeepSkyAndDeepSkySearchedUpward) {
    picks.deepSky[7] = {300, 300};
    picks.deepSky[3] = {303, 303};
    EXPECT_EQ(PickObject(picks, 301, 301), (PickedObject{PickedKind::DeepSky, 3}));
    picks.stars[5] = {301, 302, 2};
    EXPECT_EQ(PickObject(picks, 301, 301), (PickedObject{PickedKind::Star, 5}));
}

struct HalfWidthCase {
    const char* name;
    PickedKind kind;
    int magnitudeClass; // stars only
    int halfWidth;      // the farthest offset that still hits
};

class HalfWidthTest : public ::testing::TestWithParam<HalfWidthCase> {};

TEST_P(HalfWidthTest, BoxEdgeHitsAndOnePixelBeyondMisses) {
    const HalfWidthCase c = GetParam();
    PickingTables picks;
    constexpr int kX = 500, kY = 400;
    switch (c.kind) {
    case PickedKind::Body:
        picks.bodies[kBodySaturn] = {kX, kY};
        break;
    case PickedKind::Star:
        picks.stars[1234] = {kX, kY, c.magnitudeClass};
        break;
    case PickedKind::DeepSky:
        picks.deepSky[99] = {kX, kY};
        break;
    case PickedKind::FaintStar:
        picks.faintStars.push_back({77, kX, kY});
        break;
    }
    for (const auto& [dx, dy] : {std::pair{1, 1}, {-1, 1}, {1, -1}, {-1, -1}, {1, 0}, {0, -1}}) {
        EXPECT_TRUE(PickObject(picks, kX + dx * c.halfWidth, kY + dy * c.halfWidth))
            << c.name << " at the box edge " << dx << "," << dy;
        EXPECT_FALSE(PickObject(picks, kX + dx * (c.halfWidth + 1), kY + dy * (c.halfWidth + 1)))
            << c.name << " one pixel beyond " << dx << "," << dy;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, HalfWidthTest,
    ::testing::Values(HalfWidthCase{"Body", PickedKind::Body, 0, 3},
                      // -1.46 truncates to class -1: the brightest stars get the widest box
                      HalfWidthCase{"StarMinus146", PickedKind::Star, -1, 3},
                      HalfWidthCase{"StarMag09", PickedKind::Star, 0, 2},
                      HalfWidthCase{"StarMag10", PickedKind::Star, 1, 1},
                      HalfWidthCase{"StarMag65", PickedKind::Star, 6, 1},
                      HalfWidthCase{"DeepSky", PickedKind::DeepSky, 0, 4},
                      // a faint star's dot is one pixel; its box is widened by one for the hand
                      HalfWidthCase{"FaintStar", PickedKind::FaintStar, 0, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PickingTest, EntriesNotDrawnTakeNoPart) {
    // Every table is cleared to (0, 0); a click in the top-left corner finds nothing.
    EXPECT_FALSE(PickObject(picks, 0, 0).has_value());
    EXPECT_FALSE(PickObject(picks, 2, 1).has_value());
    picks.stars[3] = {1, 1, -1};
    EXPECT_EQ(PickObject(picks, 0, 0), (PickedObject{PickedKind::Star, 3}));
}

// --- pointer tracking

class PointerTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetClientSize(chart, 800, 600);
        chart.m_nBaseRadius = 260;
        ApplyZoomRadius(chart);
        sky.m_dGST = 100.0;
        sky.m_dLongitude = -19.916666;
        sky.m_dLatitude = 50.033333;
        sky.m_dSinLat = std::sin(50.033333 * 0.017453293);
        sky.m_dCosLat = std::cos(50.033333 * 0.017453293);
        sky.m_dLST = sky.m_dGST - sky.m_dLongitude;
    }
    AppSettings settings = DefaultSettings();
    ChartState chart{settings};
    SkyState sky;
};

// Projection works in whole pixels: a pixel spans about 1/(R deg) of a degree near the centre.
constexpr double kPixelToleranceDeg = 0.5;

TEST_F(PointerTest, EquatorialPointerFindsTheProjectedStar) {
    const auto p = Projector(chart, sky).Project(5.5f, 10.0f);
    ASSERT_TRUE(p);
    const auto position = PointerSkyPosition(chart, sky, p->x, p->y);
    ASSERT_TRUE(position.has_value());
    ASSERT_TRUE(std::isfinite(position->ra) && std::isfinite(position->dec));
    EXPECT_NEAR(position->ra * 15.0, 5.5 * 15.0, kPixelToleranceDeg);
    EXPECT_NEAR(position->dec, 10.0, kPixelToleranceDeg);
}

TEST_F(PointerTest, HorizonPointerFindsTheProjectedStar) {
    chart.m_bHorizonView = kChartLocalHorizon;
    settings.HorizonView = 1;
    chart.m_nHorizonViewSetting = 1;
    chart.m_nTurnY = 20;
    chart.m_nTilt = 20;
    // A star high in the south-east for this sidereal angle.
    const float ra = static_cast<float>((sky.m_dLST + 30.0) / 15.0);
    const auto p = Projector(chart, sky).Project(ra, 20.0f);
    ASSERT_TRUE(p);
    const auto position = PointerSkyPosition(chart, sky, p->x, p->y);
    ASSERT_TRUE(position.has_value());
    EXPECT_NEAR(position->ra * 15.0, ra * 15.0, kPixelToleranceDeg);
    EXPECT_NEAR(position->dec, 20.0, kPixelToleranceDeg);
}

TEST_F(PointerTest, OffTheSphereGivesNoPositionAndBlankPanes) {
    chart.m_nLevel = 0; // radius 260 pixels: the corners of the 800 x 600 view lie off the disc
    ApplyZoomRadius(chart);
    const auto position = PointerSkyPosition(chart, sky, 1, 1);
    EXPECT_FALSE(position.has_value());
    const PointerPaneTexts texts = PointerTexts(position);
    EXPECT_EQ(texts.rightAscension, "");
    EXPECT_EQ(texts.declination, "");
}

TEST_F(PointerTest, HorizonChartAddsAzimuthAndAltitude) {
    // Hour angle -30 deg, declination 20 deg and hour angle 100 deg, declination -35 deg at
    // latitude 50.0333 N: altitude 51.708 and -32.071 deg, compass azimuth 130.692 and 252.174
    // deg (sin h = sin phi sin d + cos phi cos d cos H, azimuth by atan2, worked in Python).
    struct Case {
        double hourAngle;
        double dec;
        const char* text;
    } cases[] = {{-30.0, 20.0, "Az 130\u00B0 41'  Alt 51\u00B0 42'"},
                 {100.0, -35.0, "Az 252\u00B0 10'  Alt -32\u00B0 04'"}};
    for (const Case& c : cases) {
        const EquatorialPosition position{(sky.m_dLST - c.hourAngle) / 15.0, c.dec};
        chart.m_bHorizonView = kChartEquatorial;
        EXPECT_EQ(PointerTexts(position, chart, sky).horizontal, "");
        chart.m_bHorizonView = kChartLocalHorizon;
        const PointerPaneTexts texts = PointerTexts(position, chart, sky);
        EXPECT_EQ(texts.horizontal, c.text);
        EXPECT_EQ(texts.declination, DeclinationPaneText(c.dec));
    }
    EXPECT_EQ(HorizontalPaneText({-0.5, 5.0}), "Az 005\u00B0 00'  Alt -00\u00B0 30'");
    EXPECT_EQ(PointerTexts(std::nullopt, chart, sky).horizontal, "");
}

struct PaneCase {
    double value;
    const char* ra; // nullptr where the value is no right ascension
    const char* dec;
};

TEST(PointerPaneText, Examples) {
    const PaneCase cases[] = {
        {5.5, "RA 05h 30' 00\"", "DEC 05\u00B0 30' 00\""},
        {-0.5, nullptr, "DEC -00\u00B0 30' 00\""},
        {-12.25, nullptr, "DEC -12\u00B0 15' 00\""},
        {23.999, "RA 23h 59' 56\"", "DEC 23\u00B0 59' 56\""},
        {10.0, "RA 10h 00' 00\"", "DEC 10\u00B0 00' 00\""},
        {-89.9, nullptr, "DEC -89\u00B0 54' 00\""},
    };
    for (const PaneCase& c : cases) {
        if (c.ra != nullptr) { // right ascension is never negative
            EXPECT_EQ(RightAscensionPaneText(c.value), c.ra) << c.value;
        }
        EXPECT_EQ(DeclinationPaneText(c.value), c.dec) << c.value;
    }
}

TEST(PointerPaneText, PositionOnSkyFillsBothPanes) {
    const PointerPaneTexts texts = PointerTexts(EquatorialPosition{5.5, -0.5});
    EXPECT_EQ(texts.rightAscension, "RA 05h 30' 00\"");
    EXPECT_EQ(texts.declination, "DEC -00\u00B0 30' 00\"");
}

} // namespace
