// The natural style, measured by its pixels: star light against magnitude and colour, the sky by
// day and night, the ground, and the refracted altitudes of the local-horizon chart.
#include "chart/NaturalSky.h"

#include "astro/SkySession.h"
#include "astro/Transforms.h"
#include "chart/CairoSurface.h"
#include "chart/Centering.h"
#include "chart/ChartSetup.h"
#include "chart/Frame.h"
#include "settings/AppSettings.h"
#include "settings/Profile.h"
#include "skylight/SkyLight.h"
#include "source_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// All the light on the surface: the sum of every channel of every pixel.
long TotalLight(CairoImageSurface& surface) {
    surface.Flush();
    long sum = 0;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const Rgb c = surface.PixelAt(x, y);
            sum += c.r + c.g + c.b;
        }
    }
    return sum;
}

// A natural frame of the real sky over Krakow (the profile's default place) at a clock time.
struct NaturalChart {
    AppSettings settings = DefaultSettings();
    std::unique_ptr<SkySession> session;
    std::unique_ptr<ChartState> chart;
    CairoImageSurface surface{800, 600};
    FrameResult frame;

    NaturalChart(const SkyDate& when, int mode, bool precise = true) {
        settings.SkyDate = when;
        settings.HorizonView = mode;
        settings.NaturalSky = 1;
        settings.PrecisePositions = precise ? 1 : 0;
        auto catalog = SourceCatalogue();
        if (!catalog) {
            return;
        }
        session =
            std::make_unique<SkySession>(std::move(catalog), settings.SkyDate,
                                         PlaceOf(settings.Observer), SkyModelOfSettings(settings));
        chart = std::make_unique<ChartState>(settings);
        SetClientSize(*chart, 800, 600);
        InitialUpdate(*chart, 800, 600);
    }
    void Draw() {
        frame = ::Draw(*chart, session->Sky(), session->Catalog(), settings, surface);
        surface.Flush();
    }
    // The brightest star (smallest magnitude) the frame drew, +99 when none.
    double BrightestDrawn() const {
        double brightest = 99.0;
        for (std::size_t i = 0; i < kStarCount; ++i) {
            const StarPick& pick = frame.picks.stars[i];
            if (pick.x != 0 || pick.y != 0) {
                brightest = std::min<double>(brightest, session->Catalog().m_stars[i].magnitude);
            }
        }
        return brightest;
    }
    double FaintestDrawn() const {
        double faintest = -99.0;
        for (std::size_t i = 0; i < kStarCount; ++i) {
            const StarPick& pick = frame.picks.stars[i];
            if (pick.x != 0 || pick.y != 0) {
                faintest = std::max<double>(faintest, session->Catalog().m_stars[i].magnitude);
            }
        }
        return faintest;
    }
};

} // namespace

TEST(NaturalSky, BrighterStarGivesMoreLightOverTheWholeRange) {
    // From fainter than the catalogue's faintest star (7.96) to brighter than Venus (-4.9).
    long previous = 0;
    for (double m = 8.0; m >= -5.0; m -= 0.5) {
        CairoImageSurface surface(120, 120);
        surface.FillRect(PixelRect{0, 0, 120, 120}, kBlack);
        DrawStarLight(surface, 60.3, 60.7, m, kWhite);
        const long light = TotalLight(surface);
        EXPECT_GT(light, previous) << "magnitude " << m;
        previous = light;
    }
}

TEST(NaturalSky, StarColourFollowsColourIndex) {
    // The Sun: B-V 0.65 and 5778 K (Ballesteros 2012, EPL 97, 34008, gives 5780 K for it).
    EXPECT_NEAR(TemperatureOfColourIndex(0.65), 5778.0, 50.0);
    // Bluer (smaller) B-V: more blue against red, from an O star to an M giant.
    const double indices[] = {-0.30, 0.00, 0.30, 0.65, 1.20, 1.85};
    double previous = 1e9;
    for (double bv : indices) {
        const Light c = StarColour(bv);
        EXPECT_LT(c.b / c.r, previous) << "B-V " << bv;
        previous = c.b / c.r;
    }
    const Light none = StarColour(std::nullopt);
    EXPECT_EQ(ScreenRgb(none), kWhite);
}

TEST(NaturalSky, SkyByDayAndNight) {
    struct Case {
        const char* name;
        SkyDate when;
        int mode;
        bool blue;             // the sky overhead blue, else dark
        double faintestAtMost; // no star fainter than this drawn
    };
    // Krakow, clock time of zone +1: the Sun at about +63 deg on 21 June at 12:00 (local noon is
    // near 11:40) and about -63 deg at midnight on 21 December.
    const Case cases[] = {
        {"noon equatorial", SkyDate{2026, 6, 21, 12, 0, 0}, kChartEquatorial, true, 3.0},
        {"noon horizon", SkyDate{2026, 6, 21, 12, 0, 0}, kChartLocalHorizon, true, 3.0},
        {"midnight equatorial", SkyDate{2026, 12, 21, 0, 0, 0}, kChartEquatorial, false, 99.0},
        {"midnight horizon", SkyDate{2026, 12, 21, 0, 0, 0}, kChartLocalHorizon, false, 99.0},
    };
    for (const Case& c : cases) {
        NaturalChart n(c.when, c.mode);
        if (!n.session) {
            GTEST_SKIP() << "catalogue not built";
        }
        n.chart->m_nTurnY = 40; // well above the horizon on the horizon chart
        n.chart->m_nTilt = 40;
        n.Draw();
        ASSERT_TRUE(n.frame.ok) << c.name;
        const Rgb sky = n.surface.PixelAt(3, 3);
        if (c.blue) {
            EXPECT_GT(sky.b, 150) << c.name;
            EXPECT_GT(sky.b, sky.r + 60) << c.name;
            // Stars brighter than magnitude 3 are well inside the chart (Orion, Taurus, Gemini
            // in June's daytime sky), yet none of them shows.
            EXPECT_GT(n.BrightestDrawn(), c.faintestAtMost) << c.name;
        } else {
            EXPECT_LT(sky.r + sky.g + sky.b, 30) << c.name;
            EXPECT_GT(n.FaintestDrawn(), 6.0) << c.name;
            EXPECT_LT(n.BrightestDrawn(), 2.0) << c.name;
        }
    }
}

TEST(NaturalSky, NothingDrawnInTheGround) {
    NaturalChart n(SkyDate{2026, 12, 21, 0, 0, 0}, kChartLocalHorizon, false);
    if (!n.session) {
        GTEST_SKIP() << "catalogue not built";
    }
    n.chart->m_nTurnY = 0; // the horizon through the centre row
    n.chart->m_nTilt = 0;
    n.Draw();
    ASSERT_TRUE(n.frame.ok);
    const Rgb ground = ScreenRgb(SkyLookForSun(SunAltitude(n.session->Sky())).ground);
    // Below the compass letters every pixel is the ground's colour.
    for (int y = n.chart->m_nCenterY + 30; y < 600; y += 7) {
        for (int x = 0; x < 800; x += 3) {
            ASSERT_EQ(n.surface.PixelAt(x, y), ground) << x << "," << y;
        }
    }
    for (const StarPick& pick : n.frame.picks.stars) {
        EXPECT_LE(pick.y, n.chart->m_nCenterY + 1);
    }
    // With the horizon switched off the sky goes on below it.
    n.chart->m_bHorizon = 0;
    n.Draw();
    EXPECT_NE(n.surface.PixelAt(400, 590), ground);
}

TEST(NaturalSky, PreciseHorizonChartDrawsRefractedAltitudes) {
    // Refraction for an apparent altitude of 0, 5 and 30 degrees at 10 C and 1010 hPa: 34.5',
    // 9.9' and 1.7' (Meeus, Astronomical Algorithms, 2nd ed., ch. 16, table of Bennett's formula).
    struct Case {
        double apparent;
        double refractionArcmin;
    };
    const Case cases[] = {{0.0, 34.5}, {5.0, 9.9}, {30.0, 1.7}};
    // Saemundsson's formula, which the chart uses from true to apparent, and Bennett's table
    // differ by up to about 0.3' near the horizon and less higher up.
    constexpr double kToleranceArcmin = 0.5;
    for (const bool precise : {true, false}) {
        NaturalChart n(SkyDate{2026, 12, 21, 0, 0, 0}, kChartLocalHorizon, precise);
        if (!n.session) {
            GTEST_SKIP() << "catalogue not built";
        }
        Projector projector(*n.chart, n.session->Sky());
        projector.UseNaturalRules(n.chart->m_bPreciseModel != 0);
        const SkyState& sky = n.session->Sky();
        for (const Case& c : cases) {
            const double trueAltitude = c.apparent - c.refractionArcmin / 60.0;
            const EquatorialPosition eq = HorizontalToEquatorial(120.0, trueAltitude, sky.m_dGST,
                                                                 sky.m_dLongitude, sky.m_dLatitude);
            const double drawn = projector.LocateNatural(eq.ra, eq.dec).altitude;
            const double want = precise ? c.apparent : trueAltitude;
            EXPECT_NEAR(drawn, want, kToleranceArcmin / 60.0) << c.apparent << " " << precise;
            // The pointer reads the true altitude back from the drawn one.
            EXPECT_NEAR(TrueAltitudeOnChart(*n.chart, drawn), trueAltitude, 0.01 / 60.0)
                << c.apparent << " " << precise;
        }
    }
}

TEST(NaturalSky, MoonAtItsSizeLitTowardTheSun) {
    // Krakow, 23 June 2026 21:30 clock time: a waxing Moon about 60 degrees east of the Sun (a
    // thick crescent), low in the west-south-west after sunset.
    NaturalChart n(SkyDate{2026, 6, 23, 21, 30, 0}, kChartEquatorial);
    if (!n.session) {
        GTEST_SKIP() << "catalogue not built";
    }
    const SkyState& sky = n.session->Sky();
    const SolarSystemBody& moon = sky.m_bodies[kBodyMoon];
    n.chart->m_nLevel = kMaxLevel;
    ApplyZoomRadius(*n.chart);
    CenterOn(*n.chart, sky, moon.ra, moon.dec);
    n.chart->m_bSolSysLabels = 0;
    n.chart->m_bDeepSky = n.chart->m_bBoundaries = n.chart->m_bEcliptic = 0;
    n.Draw();
    ASSERT_TRUE(n.frame.ok);
    const PixelPoint centre = n.frame.picks.bodies[kBodyMoon];
    // The lit pixels of the disc: their count gives the size, their mean the lit side.
    int lit = 0;
    double sx = 0.0;
    double sy = 0.0;
    for (int y = centre.y - 40; y <= centre.y + 40; ++y) {
        for (int x = centre.x - 40; x <= centre.x + 40; ++x) {
            const Rgb c = n.surface.PixelAt(x, y);
            if (c.r > 200 && c.g > 200) {
                ++lit;
                sx += x - centre.x;
                sy += y - centre.y;
            }
        }
    }
    const double pixelsPerDegree = n.chart->m_nRadius * 3.14159265358979 / 180.0;
    const double radius =
        std::atan(1737.4 / moon.earthDistanceKm) * 180.0 / 3.14159265358979 * pixelsPerDegree;
    const double illuminated = (1.0 + moon.cosPhaseAngle) / 2.0;
    // The lit area within a tenth of the disc's area times its illuminated fraction (the
    // crescent's area is k times the disc's), the rim and the terminator being soft.
    EXPECT_NEAR(lit, illuminated * 3.14159265358979 * radius * radius,
                0.1 * 3.14159265358979 * radius * radius);
    // Toward the Sun: its pixel (far off the chart, but on the projection's plane) lies on the
    // side of the lit pixels' mean.
    Projector projector(*n.chart, sky);
    projector.UseNaturalRules(false);
    const NaturalPoint sun =
        projector.LocateNatural(sky.m_bodies[kBodySun].ra, sky.m_bodies[kBodySun].dec);
    EXPECT_GT((sun.x - centre.x) * sx + (sun.y - centre.y) * sy, 0.0);
}

TEST(NaturalSky, FaintStarsInTheSkysLight) {
    // Krakow at midnight on 21 December (the Sun near -63 deg) and at noon on 21 June (+63 deg).
    for (const bool night : {true, false}) {
        NaturalChart n(night ? SkyDate{2026, 12, 21, 0, 0, 0} : SkyDate{2026, 6, 21, 12, 0, 0},
                       kChartEquatorial);
        if (!n.session) {
            GTEST_SKIP() << "catalogue not built";
        }
        n.chart->m_bFaintStars = 1;
        n.chart->m_dStarLimit = 9.0;
        n.Draw();
        ASSERT_TRUE(n.frame.ok);
        const FaintStarTable& faint = n.session->Catalog().m_faintStars;
        const double faintest = SkyLookForSun(SunAltitude(n.session->Sky())).faintest;
        if (!night) {
            EXPECT_TRUE(n.frame.picks.faintStars.empty());
            continue;
        }
        ASSERT_GT(n.frame.picks.faintStars.size(), 100u);
        const Rgb sky = n.surface.PixelAt(3, 3);
        for (const FaintStarPick& pick : n.frame.picks.faintStars) {
            EXPECT_LE(faint.stars.at(pick.index).magnitude, faintest);
            const Rgb c = n.surface.PixelAt(pick.x, pick.y);
            EXPECT_GT(c.r + c.g + c.b, sky.r + sky.g + sky.b) << pick.x << "," << pick.y;
        }
    }
}

TEST(NaturalSky, KeptSkyMatchesTheSkyDrawnAfresh) {
    NaturalChart n(SkyDate{2026, 12, 21, 0, 0, 0}, kChartEquatorial);
    if (!n.session) {
        GTEST_SKIP() << "catalogue not built";
    }
    auto pixels = [](CairoImageSurface& surface) {
        surface.Flush();
        std::vector<Rgb> out;
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                out.push_back(surface.PixelAt(x, y));
            }
        }
        return out;
    };
    // The same surface draws each view twice (the second time over the sky it kept); that frame
    // must equal the one a new surface draws of the same view: the first view, the view
    // turned, a switch that changes the glows, then the first view again.
    n.Draw();
    const std::vector<double> turns = {n.chart->m_dTurnX, n.chart->m_dTurnX + 1.0,
                                       n.chart->m_dTurnX + 1.0, n.chart->m_dTurnX};
    for (std::size_t k = 0; k < turns.size(); ++k) {
        n.chart->m_dTurnX = turns[k];
        n.chart->m_bMilkyWay = k == 2 ? 0 : 1;
        n.Draw();
        n.Draw();
        CairoImageSurface fresh(800, 600);
        ::Draw(*n.chart, n.session->Sky(), n.session->Catalog(), n.settings, fresh);
        EXPECT_EQ(pixels(n.surface), pixels(fresh)) << "frame " << k;
    }
}
