// The chart projection, its inverse and the visibility rules.
#include "chart/Projection.h"

#include "astro/Angles.h"
#include "settings/AppSettings.h"
#include "settings/Profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace {

// A chart of radius 4000 pixels about (5000, 5000) in a 10000 x 10000 client area: large enough
// that the one-pixel truncation of Project costs less than 0.1 degree near the limb.
constexpr int kClient = 10000;
constexpr unsigned kBigRadius = 4000;

struct Fixture {
    AppSettings settings = DefaultSettings();
    std::unique_ptr<ChartState> chart;
    SkyState sky; // sidereal angle and latitude 0 unless a test sets them

    explicit Fixture(const char* ns = "N") {
        settings.Observer.NS = ns;
        chart = std::make_unique<ChartState>(settings);
        SetClientSize(*chart, kClient, kClient);
        chart->m_nRadius = kBigRadius;
        chart->m_nBaseRadius = static_cast<int>(kBigRadius);
    }
    void Centre(double turnX, int turnY) {
        chart->m_dTurnX = turnX;
        chart->m_nTurnY = turnY;
        chart->m_nTilt = std::abs(turnY);
    }
};

// Angle in degrees between two sky positions (hours, degrees).
double Separation(double ra1, double dec1, double ra2, double dec2) {
    const double d2r = M_PI / 180.0;
    const double c = std::sin(dec1 * d2r) * std::sin(dec2 * d2r) +
                     std::cos(dec1 * d2r) * std::cos(dec2 * d2r) * std::cos((ra1 - ra2) * 15 * d2r);
    return std::acos(std::clamp(c, -1.0, 1.0)) / d2r;
}

} // namespace

TEST(Projection, CentreOfTheChartLiesAt24MinusTurnAndTheTilt) {
    for (const double turn : {0.0, 18.0, 5.5, -3.25, 23.9}) {
        for (const int tilt : {-90, -60, -15, -7, 0, 7, 15, 45, 89, 90}) {
            Fixture f;
            f.Centre(turn, tilt);
            double ra = std::fmod(24.0 - turn, 24.0);
            // At the poles every right ascension sits at the centre; stay off them.
            const float dec = tilt == 90 ? 89.5f : tilt == -90 ? -89.5f : static_cast<float>(tilt);
            const auto p = Projector(*f.chart, f.sky).Project(static_cast<float>(ra), dec);
            ASSERT_TRUE(p) << turn << " " << tilt;
            EXPECT_NEAR(p->x, 5000, 1) << turn << " " << tilt;
            EXPECT_NEAR(p->y, 5000, std::abs(tilt) == 90 ? 36 : 1);
        }
    }
}

TEST(Projection, EastIsLeftAndNorthIsUp) {
    Fixture f;
    f.Centre(18.0, 20); // centre at 6 h, +20
    const Projector projector(*f.chart, f.sky);
    const auto east = projector.Project(6.5f, 20.0f);
    ASSERT_TRUE(east);
    EXPECT_LT(east->x, 5000);
    const auto north = projector.Project(6.0f, 30.0f);
    ASSERT_TRUE(north);
    EXPECT_LT(north->y, 5000);
}

TEST(Projection, DeclinationBandsAndHemisphereLimits) {
    struct Case {
        const char* name;
        int turnY;
        float raFromCentre; // hours east of the centre
        float dec;
        bool visible;
    };
    const Case cases[] = {
        {"pole view drops the equator", 90, 0.0f, 0.5f, false},
        {"pole view keeps dec 1", 90, 0.0f, 1.0f, true},
        {"pole view keeps every longitude", 90, 12.0f, 1.0f, true},
        {"equator view drops the north pole", 0, 0.0f, 90.0f, false},
        {"equator view drops the south pole", 0, 0.0f, -90.0f, false},
        {"equator view keeps dec 89.9", 0, 0.0f, 89.9f, true},
        {"limb: 6 h east is in front", 0, 6.0f, 10.0f, true},
        {"limb: 6.1 h east is behind", 0, 6.1f, 10.0f, false},
        {"limb: 6 h west is in front", 0, -6.0f, 10.0f, true},
        {"tilt 30 drops dec -60 and below", 30, 0.0f, -60.0f, false},
        {"tilt 15, dec -70 at 2.6 h (limit 40)", 15, 2.6f, -70.0f, true},
        {"tilt 15, dec -70 at 2.8 h (limit 40)", 15, 2.8f, -70.0f, false},
        {"tilt -15 mirrors the columns: dec +70 at 2.6 h", -15, 2.6f, 70.0f, true},
        {"tilt -15 mirrors the columns: dec +70 at 2.8 h", -15, 2.8f, 70.0f, false},
        {"tilt 30, dec +70 behind the pole (limit 180)", 30, 12.0f, 70.0f, true},
        {"tilt -14 reads row 0 unmirrored: dec -85 all round", -14, 12.0f, -85.0f, true},
        {"tilt -15 reads row 1 mirrored: dec 60 at 7 h", -15, 7.0f, 60.0f, false},
        {"tilt 15, dec 60 at 7 h (limit 110)", 15, 7.0f, 60.0f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.Centre(18.0, c.turnY); // centre at 6 h
        float ra = 6.0f + c.raFromCentre;
        ra = ra < 0 ? ra + 24 : ra >= 24 ? ra - 24 : ra;
        EXPECT_EQ(Projector(*f.chart, f.sky).Project(ra, c.dec).has_value(), c.visible);
    }
    EXPECT_EQ(HemisphereLimit(0), 180);
    EXPECT_EQ(HemisphereLimit(25), 0);
    EXPECT_EQ(HemisphereLimit(71), 180);
    EXPECT_EQ(HemisphereLimit(72), 180);
    EXPECT_EQ(HemisphereLimit(200), 180);
}

TEST(Projection, TurnedRightAscensionOf24WrapsToZero) {
    Fixture f;
    f.Centre(0.0, 0); // centre at 0 h
    EXPECT_EQ(Projector(*f.chart, f.sky).Project(24.0f, 0.0f), (PixelPoint{5000, 5000}));
}

TEST(Projection, UnprojectUndoesProjectOverTheFrontHemisphere) {
    // Tolerance: 0.15 degree of arc, the truncation of x and y to whole pixels (up to 1.5 pixels
    // together) at 80 degrees from the centre of a 4000-pixel sphere (1.5 / (4000 cos 80) rad).
    constexpr double kToleranceDeg = 0.15;
    for (const char* ns : {"N", "S"}) {
        for (const double turn : {0.0, 18.0, 5.5, -7.25}) {
            for (const int tilt : {-90, -75, -45, -20, -7, 0, 7, 30, 60, 90}) {
                Fixture f(ns);
                f.Centre(turn, tilt);
                const bool flip = f.chart->SouthernFlip();
                int checked = 0;
                for (double ra = 0.0; ra < 24.0; ra += 0.7) {
                    for (double dec = -88.0; dec <= 88.0; dec += 4.0) {
                        // Only points well in front of the sphere are unambiguous on screen.
                        const double cra = flip ? 24.0 - ra : ra;
                        const double cdec = flip ? -dec : dec;
                        if (Separation(cra, cdec, 24.0 - turn, tilt) > 80.0) {
                            continue;
                        }
                        const auto p =
                            Projector(*f.chart, f.sky)
                                .Project(static_cast<float>(ra), static_cast<float>(dec));
                        if (!p) {
                            continue;
                        }
                        const auto back = Unproject(*f.chart, p->x, p->y);
                        ASSERT_TRUE(back.has_value()) << ra << " " << dec;
                        ASSERT_TRUE(std::isfinite(back->ra) && std::isfinite(back->dec));
                        EXPECT_GE(back->ra, 0.0);
                        EXPECT_LT(back->ra, 24.0 + 1e-9);
                        EXPECT_LT(Separation(back->ra, back->dec, ra, dec), kToleranceDeg)
                            << ns << " turn " << turn << " tilt " << tilt << " at " << ra << " "
                            << dec << " got " << back->ra << " " << back->dec;
                        ++checked;
                    }
                }
                EXPECT_GT(checked, 50) << ns << " " << turn << " " << tilt;
            }
        }
    }
}

TEST(Projection, SouthernObserverSeesTheEquatorialChartTurned) {
    Fixture north("N");
    Fixture south("S");
    north.Centre(3.0, -20);
    south.Centre(3.0, -20);
    for (const auto& [ra, dec] :
         {std::pair{21.0f, -20.0f}, std::pair{22.5f, 5.0f}, std::pair{19.2f, -41.0f}}) {
        EXPECT_EQ(Projector(*south.chart, south.sky).Project(ra, dec),
                  Projector(*north.chart, north.sky).Project(24.0f - ra, -dec));
    }
    // The local-horizon setting switches the flip off.
    south.settings.HorizonView = 1;
    south.chart->m_nHorizonViewSetting = 1;
    EXPECT_FALSE(south.chart->SouthernFlip());
    EXPECT_TRUE(south.chart->SouthernObserver());
}

TEST(Projection, PixelsOutsideTheSphereAreOffTheSky) {
    for (const int tilt : {0, 30, -60, 90}) {
        Fixture f;
        f.Centre(18.0, tilt);
        EXPECT_FALSE(Unproject(*f.chart, 5000 + 4001, 5000).has_value()) << tilt;
        EXPECT_FALSE(Unproject(*f.chart, 5000 + 2900, 5000 - 2900).has_value()) << tilt;
        EXPECT_FALSE(Unproject(*f.chart, 0, 0).has_value()) << tilt;
        const auto rim = Unproject(*f.chart, 5000, 5000 + 4000);
        ASSERT_TRUE(rim.has_value()) << tilt;
        EXPECT_TRUE(std::isfinite(rim->ra) && std::isfinite(rim->dec));
        const auto centre = Unproject(*f.chart, 5000, 5000);
        ASSERT_TRUE(centre.has_value());
        constexpr double kPoleTolDeg = 1e-4; // asin close to 1 loses half the digits
        EXPECT_NEAR(centre->dec, tilt, kPoleTolDeg);
    }
    Fixture empty;
    empty.chart->m_nRadius = 0;
    EXPECT_FALSE(Unproject(*empty.chart, 5000, 5000).has_value());
}

TEST(Projection, LocalHorizonChartProjectsAzimuthAndAltitude) {
    Fixture f;
    ChartState& c = *f.chart;
    c.m_bHorizonView = kChartLocalHorizon;
    f.settings.HorizonView = 1;
    c.m_nHorizonViewSetting = 1;
    f.sky.m_dLatitude = 50.0;
    f.sky.m_dSinLat = std::sin(50.0 * kDegToRad);
    f.sky.m_dCosLat = std::cos(50.0 * kDegToRad);
    f.sky.m_dLST = 100.0;
    // The south point of the horizon (hour angle 0, declination -40) has chart azimuth 360,
    // which turns to 0 hours: the centre of a chart with turn 0 and altitude 0.
    f.Centre(0.0, 0);
    auto p = Projector(c, f.sky).Project(static_cast<float>(100.0 / 15.0), -40.0f);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->x, 5000, 1);
    EXPECT_NEAR(p->y, 5000, 1);
    // The zenith is the centre of the chart tilted to altitude 90.
    f.Centre(0.0, 90);
    p = Projector(c, f.sky).Project(static_cast<float>(100.0 / 15.0), 49.5f);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->y, 5000, 4000 * std::sin(0.6 * M_PI / 180.0));
    // A star that never rises at latitude 50 stays below the horizon of an altitude-0 chart:
    // its row is below the centre.
    f.Centre(0.0, 0);
    p = Projector(c, f.sky).Project(static_cast<float>(100.0 / 15.0), -60.0f);
    ASSERT_TRUE(p);
    EXPECT_GT(p->y, 5000);
}

TEST(Projection, ClientAreaTestExcludesTheFirstRowAndColumn) {
    Fixture f;
    SetClientSize(*f.chart, 101, 51);
    EXPECT_EQ(f.chart->m_nCenterX, 50);
    EXPECT_EQ(f.chart->m_nCenterY, 25);
    struct Case {
        int x, y;
        bool inside;
    };
    for (const Case c : {Case{0, 10, false}, Case{1, 10, true}, Case{100, 10, true},
                         Case{101, 10, false}, Case{10, 0, false}, Case{10, 1, true},
                         Case{10, 50, true}, Case{10, 51, false}, Case{-5, -5, false}}) {
        EXPECT_EQ(Projector(*f.chart, f.sky).InsideClient(c.x, c.y), c.inside) << c.x << "," << c.y;
        EXPECT_EQ(InsideClient(*f.chart, c.x, c.y), c.inside) << c.x << "," << c.y;
    }
}

TEST(Projection, GridPointsAreHourCirclesThenParallels) {
    const auto& grid = GridPoints();
    ASSERT_EQ(grid.size(), 1595u);
    EXPECT_EQ(grid[0].dec, -80);
    EXPECT_EQ(grid[0].ra, 0.0);
    EXPECT_EQ(grid[32].dec, 80);
    EXPECT_EQ(grid[33].ra, 1.0);
    EXPECT_EQ(grid[791].dec, 80);
    EXPECT_EQ(grid[791].ra, 23.0);
    for (int parallel = 0; parallel < 11; ++parallel) {
        const std::size_t first = 792 + 73 * static_cast<std::size_t>(parallel);
        EXPECT_EQ(grid[first].dec, -75 + 15 * parallel);
        EXPECT_EQ(grid[first].ra, 0.0);
        EXPECT_EQ(grid[first + 72].dec, -75 + 15 * parallel);
        EXPECT_GE(grid[first + 72].ra, 23.666667); // the last point of a parallel
        EXPECT_LE(grid[first + 72].ra, 24.0);
        EXPECT_LT(grid[first + 71].ra, 23.666667);
    }
}

TEST(Projection, ScaleFollowsTheScreenHeightAndThePrinterPage) {
    EXPECT_EQ(BaseRadiusForScreenHeight(1000), 460);
    EXPECT_EQ(BaseRadiusForScreenHeight(700), 310);
    Fixture f;
    f.chart->m_nBaseRadius = 310;
    f.chart->m_nFullScreenHeight = 700;
    for (int level = 0; level <= kMaxLevel; ++level) {
        f.chart->m_nLevel = level;
        ApplyZoomRadius(*f.chart);
        EXPECT_EQ(f.chart->m_nRadius, static_cast<unsigned>(310 * (level + 1)));
    }
    // The printed example: a 4800 x 6600 page, screen height 700, base 310, level 0.
    f.chart->m_nLevel = 0;
    EXPECT_EQ(PrintingGeometry(*f.chart, 4800, 6600).geometry, (ChartGeometry{2125u, 2400, 3300}));
    // landscape: the shorter side still rules
    EXPECT_EQ(PrintingGeometry(*f.chart, 6600, 4800).geometry, (ChartGeometry{2125u, 3300, 2400}));
    f.chart->m_nFullScreenHeight = 0; // printed before the first update: no division by zero
    const PrintedGeometry early = PrintingGeometry(*f.chart, 4800, 6600);
    EXPECT_EQ(early.scale, 1.0f);
    EXPECT_EQ(early.geometry.radius, 310u);
}

// The memo, the client-area pre-test and the cells of the sphere change no pixel: over charts of
// both modes, both hemispheres, every tilt band, a small and a huge radius and a turn that changes
// between passes (so that memo entries both hit and miss), the memo's pixel equals Project's, the
// screen test equals Project plus InsideClient, and a point ruled out as off the client (alone
// or with its cell) is never visible inside it. Points: a fixed pseudo-random spread over the
// sphere, the poles and the rim of the turned longitude; the second half of the passes moves every
// point.
TEST(Projection, MemoAndClientPreTestGiveTheProjectionsOwnAnswers) {
    constexpr std::size_t kPoints = 1500;
    std::vector<std::pair<float, float>> points;
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<double>(seed >> 8) / static_cast<double>(1u << 24);
    };
    for (std::size_t i = 0; i < kPoints; ++i) {
        points.emplace_back(static_cast<float>(24.0 * next()),
                            static_cast<float>(RadToDeg(std::asin(2.0 * next() - 1.0))));
    }
    points[0] = {0.0f, 90.0f};
    points[1] = {12.0f, -90.0f};
    points[2] = {0.0f, 0.0f};

    PointMemo memo;
    std::size_t ruledOut = 0;
    std::size_t unmarked = 0;
    std::size_t inside = 0;
    for (const char* ns : {"N", "S"}) {
        for (const int mode : {kChartEquatorial, kChartLocalHorizon}) {
            for (const int turnY : {0, 10, 37, -52, 75, -90}) {
                for (const unsigned radius : {500u, 30000u}) {
                    for (const double turn : {18.0, 3.4, 3.4, 11.9, 7.7}) {
                        // The last row in the natural style's rules (refracted on the horizon
                        // chart), whose memo pixels come from single-precision directions:
                        // within a pixel.
                        const bool natural = turn == 7.7;
                        Fixture f(ns);
                        ChartState& c = *f.chart;
                        SetClientSize(c, 1920, 1080);
                        c.m_nRadius = radius;
                        c.m_bHorizonView = mode;
                        // One row keeps the southern flip on the horizon chart too.
                        f.settings.HorizonView = turnY == 10 ? 0 : mode;
                        c.m_nHorizonViewSetting = f.settings.HorizonView;
                        f.sky.m_dSinLat = std::sin(-33.9 * kDegToRad);
                        f.sky.m_dCosLat = std::cos(-33.9 * kDegToRad);
                        f.sky.m_dLST = 47.3;
                        f.Centre(turn, turnY);
                        Projector projector(c, f.sky);
                        if (natural) {
                            projector.UseNaturalRules(true);
                        }
                        auto same = [natural](PixelPoint a, PixelPoint b) {
                            return natural ? std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1
                                           : a == b;
                        };
                        std::vector<std::uint64_t> near;
                        memo.MarkPointsInCells(
                            kPoints, [&](std::size_t i) { return points[i]; },
                            [&](const PointMemo::Cell& cell) {
                                return projector.CellMayMeetClient(cell);
                            },
                            near);
                        for (std::size_t i = 0; i < kPoints; ++i) {
                            const auto [ra, dec] = points[i];
                            const auto plain = projector.Project(ra, dec);
                            const bool plainInside =
                                plain && projector.InsideClient(plain->x, plain->y);
                            inside += plainInside ? 1 : 0;
                            const bool off =
                                projector.SurelyOffClient(memo.DirectionOf(i, ra, dec));
                            ruledOut += off ? 1 : 0;
                            ASSERT_FALSE(off && plainInside) << ns << mode << turnY << " " << i;
                            const bool marked = ((near[i / 64] >> (i % 64)) & 1) != 0;
                            ASSERT_FALSE(!marked && plainInside) << ns << mode << turnY << " " << i;
                            unmarked += marked ? 0 : 1;
                            PixelPoint memoised;
                            ASSERT_EQ(projector.Project(ra, dec, memo, i, memoised),
                                      plain.has_value())
                                << i;
                            if (plain) {
                                ASSERT_TRUE(same(memoised, *plain))
                                    << ns << mode << turnY << " " << i;
                            }
                            PixelPoint onClient;
                            const bool memoInside =
                                projector.ProjectInsideClient(ra, dec, memo, i, onClient);
                            if (!natural) {
                                ASSERT_EQ(memoInside, plainInside) << i;
                            }
                            if (plainInside && memoInside) {
                                ASSERT_TRUE(same(onClient, *plain)) << i;
                            }
                        }
                    }
                }
            }
        }
        // Every point moves for the southern passes.
        for (auto& [ra, dec] : points) {
            ra = std::fmod(ra + 0.37f, 24.0f);
            dec = -dec;
        }
    }
    // Both answers occur often: the test is not empty on either side.
    EXPECT_GT(ruledOut, kPoints * 20);
    EXPECT_GT(unmarked, kPoints * 10);
    EXPECT_GT(inside, kPoints * 20);
}
