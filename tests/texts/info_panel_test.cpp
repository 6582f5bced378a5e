// The texts of the star, Solar System and deep-sky information panels.
#include "astro/Ephemeris.h"
#include "astro/ObserverAngles.h"
#include "astro/Transforms.h"
#include "texts/InfoPanelText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

constexpr const char* kDeg = "\u00B0";

SkyDate Noon2000() {
    SkyDate d;
    d.year = 2000;
    d.month = 1;
    d.day = 1;
    d.hour = 12;
    return d;
}

Observer Krakow() {
    Observer o;
    o.Location = "Poland:Krakow";
    o.LongDeg = 19;
    o.LongMin = 55;
    o.EW = "E";
    o.LatDeg = 50;
    o.LatMin = 0;
    o.NS = "N";
    o.TimeZone = 0.0f;
    return o;
}

StarRecord Star(const char* designation, int hr, float ra, float dec, float mag, char spectral) {
    StarRecord s;
    s.spectralClass = spectral;
    std::memcpy(s.designation, designation, std::min<std::size_t>(std::strlen(designation), 10));
    s.hr = hr;
    s.ra = ra;
    s.dec = dec;
    s.magnitude = mag;
    return s;
}

DeepSkyRecord DeepSky(int number, char type, float ra, float dec, float mag, const char* name) {
    DeepSkyRecord d;
    d.number = number;
    d.type = type;
    d.ra = ra;
    d.dec = dec;
    d.magnitude = mag;
    std::strncpy(d.name, name, sizeof d.name - 1);
    return d;
}

std::vector<std::string> ValuesOf(const InfoPanelContent& c, const char* label) {
    const InfoPanelRow* row = c.Row(label);
    EXPECT_NE(row, nullptr) << label;
    return row ? row->values : std::vector<std::string>{};
}

std::string ValueOf(const InfoPanelContent& c, const char* label) {
    const auto values = ValuesOf(c, label);
    EXPECT_EQ(values.size(), 1u) << label;
    return values.empty() ? std::string() : values.front();
}

std::vector<std::string> Labels(const InfoPanelContent& c) {
    std::vector<std::string> labels;
    for (const auto& r : c.rows) {
        labels.push_back(r.label);
    }
    return labels;
}

class StarPanelTest : public ::testing::Test {
protected:
    std::unique_ptr<CatalogStore> catalog = std::make_unique<CatalogStore>();
};

TEST_F(StarPanelTest, RowsInOrderWithDesignationsAndName) {
    catalog->m_stars[7] = Star("   Eps2Sgr", 6879, 18.4f, -34.38f, 1.85f, 'B');
    catalog->m_starNames[3].hr = 6879;
    std::strcpy(catalog->m_starNames[3].name, "Kaus Australis");
    const InfoPanelContent c =
        StarInfoContent(*catalog, 7, InstantOf(Noon2000(), ZoneOf(Krakow())), PlaceOf(Krakow()));
    EXPECT_EQ(c.title, "Star");
    EXPECT_EQ(Labels(c), (std::vector<std::string>{
                             "HR number:", "Bayer:", "Flamsteed:", "Proper name:",
                             "Right ascension:", "Declination:", "Altitude:", "Azimuth:",
                             "Magnitude:", "Spectral type:", "Rise:", "Culmination:", "Set:"}));
    EXPECT_EQ(ValueOf(c, "HR number:"), "6879");
    EXPECT_EQ(ValueOf(c, "Bayer:"), "Epsilon 2 Sgr");
    EXPECT_EQ(ValueOf(c, "Flamsteed:"), "");
    EXPECT_EQ(ValueOf(c, "Proper name:"), "Kaus Australis");
    EXPECT_EQ(ValueOf(c, "Magnitude:"), "1.85");
    EXPECT_EQ(ValueOf(c, "Spectral type:"), "B");
    EXPECT_TRUE(c.pictureName.empty());
}

TEST_F(StarPanelTest, FlamsteedOnlyStarHasEmptyBayerAndNoName) {
    catalog->m_stars[0] = Star(" 12    Sgr", 6742, 18.2f, -23.7f, -1.46f, 'A');
    const InfoPanelContent c =
        StarInfoContent(*catalog, 0, InstantOf(Noon2000(), ZoneOf(Krakow())), PlaceOf(Krakow()));
    EXPECT_EQ(ValueOf(c, "Flamsteed:"), "12 Sgr");
    EXPECT_EQ(ValueOf(c, "Bayer:"), "");
    EXPECT_EQ(ValueOf(c, "Proper name:"), "");
    EXPECT_EQ(ValueOf(c, "Magnitude:"), "-1.46");
}

TEST_F(StarPanelTest, AngleTextsKeepTheirEdgeCases) {
    struct Case {
        const char* name;
        float ra;  // hours
        float dec; // degrees
        std::vector<std::string> raTexts;
        std::vector<std::string> decTexts;
    };
    const Case cases[] = {
        // between -1 and 0 the degrees keep their minus sign
        {"DecMinusHalf",
         3.0f,
         -0.5f,
         {"3h", "0'", " 0.0\""},
         {"-0" + std::string(kDeg), "30'", "0\""}},
        // seconds below 10 are padded to 4 characters with a leading blank
        {"SecondsPadded",
         5.0f + 35.0f / 60.0f + 5.3f / 3600.0f,
         12.25f,
         {"5h", "35'", " 5.3\""},
         {"12" + std::string(kDeg), "15'", "0\""}},
        // 59.96 seconds round to 60.0 and are not carried into the minutes
        {"SecondsNotCarried",
         1.0f + 59.96f / 3600.0f,
         -12.5f,
         {"1h", "0'", "60.0\""},
         {"-12" + std::string(kDeg), "30'", "0\""}},
    };
    for (const Case& k : cases) {
        catalog->m_stars[1] = Star("   Alp Ori", 1, k.ra, k.dec, 0.5f, 'M');
        const InfoPanelContent c = StarInfoContent(
            *catalog, 1, InstantOf(Noon2000(), ZoneOf(Krakow())), PlaceOf(Krakow()));
        EXPECT_EQ(ValuesOf(c, "Right ascension:"), k.raTexts) << k.name;
        EXPECT_EQ(ValuesOf(c, "Declination:"), k.decTexts) << k.name;
    }
}

// The panel's own horizontal position must agree with the shared transform for the same
// instant: both derive the hour angle from the Julian day of the clock time.
constexpr double kTransformAgreementDeg = 1e-6; // same formulas, different order of operations

TEST(PanelHorizontal, AgreesWithTheEquatorialToHorizontalTransform) {
    const SkyDate date = Noon2000();
    const Observer where = Krakow();
    const Instant instant = InstantOf(date, ZoneOf(where));
    const double gst = GreenwichSiderealAngle(instant.ut);
    for (const auto& [ra, dec] : {std::pair{0.0, 0.0}, {5.5, 45.0}, {13.2, -30.0}, {20.0, 80.0}}) {
        const PanelHorizontal p = PanelHorizontalPosition(ra, dec, instant, PlaceOf(where));
        const HorizontalPosition h =
            EquatorialToHorizontal(ra, dec, gst, SignedLongitude(where), SignedLatitude(where));
        EXPECT_NEAR(p.altitude, h.altitude, kTransformAgreementDeg) << ra << " " << dec;
        const double dAz = std::remainder(p.azimuth - h.compassAzimuth, 360.0);
        EXPECT_NEAR(dAz, 0.0, kTransformAgreementDeg) << ra << " " << dec;
    }
}

TEST(PanelHorizontal, ObjectOnTheMeridianSouthOfTheZenith) {
    const SkyDate date = Noon2000();
    const Observer where = Krakow(); // latitude 50 N
    const Instant instant = InstantOf(date, ZoneOf(where));
    // hour angle 0 for this right ascension
    const double ra =
        HourAngle(GreenwichSiderealAngle(instant.ut), SignedLongitude(where), 0.0) / 15.0;
    auto catalog = std::make_unique<CatalogStore>();
    catalog->m_deepSky[0] = DeepSky(1, 'e', static_cast<float>(ra), 10.0f, 8.4f, "Crab Nebula");
    const InfoPanelContent c = DeepSkyInfoContent(*catalog, 0, instant, PlaceOf(where));
    EXPECT_EQ(ValueOf(c, "Altitude:"), "50.00" + std::string(kDeg)); // 90 - 50 + 10
    EXPECT_EQ(ValueOf(c, "Azimuth:"), "180.00" + std::string(kDeg));
}

TEST(PanelHorizontal, PreciseModelShowsTheRefractedAltitude) {
    // An object on the meridian 10 degrees up from Krakow: refraction for a true altitude of 10
    // degrees at standard conditions is 1.02' / tan(10.6817 deg) = 5.41' (Saemundsson's formula,
    // Meeus, Astronomical Algorithms, 2nd ed., eq. 16.4; 5'16" for an apparent 10 degrees).
    // The precise model shows the lifted altitude and the true one in a row of its own; the
    // classic model shows the true one only.
    const Observer where = Krakow(); // latitude 50 N
    const Instant instant = InstantOf(Noon2000(), ZoneOf(where));
    const SkyModel& precise = SkyModelFor(SkyModelKind::Precise);
    const double ra = HourAngle(precise.SiderealAngle(instant), SignedLongitude(where), 0.0) / 15.0;
    const PanelHorizontal p = PanelHorizontalPosition(ra, -30.0, instant, PlaceOf(where), precise);
    EXPECT_NEAR(p.geometricAltitude, 10.0, 1e-5);
    EXPECT_NEAR((p.altitude - p.geometricAltitude) * 60.0, 5.41, 0.01); // arcmin
    auto catalog = std::make_unique<CatalogStore>();
    catalog->m_deepSky[0] = DeepSky(1, 'e', static_cast<float>(ra), -30.0f, 8.4f, "Crab Nebula");
    const InfoPanelContent shown =
        DeepSkyInfoContent(*catalog, 0, instant, PlaceOf(where), precise);
    EXPECT_EQ(ValueOf(shown, "Altitude:"), "10.09" + std::string(kDeg));
    EXPECT_EQ(ValueOf(shown, "Geometric altitude:"), "10.00" + std::string(kDeg));
    const InfoPanelContent classic = DeepSkyInfoContent(*catalog, 0, instant, PlaceOf(where));
    EXPECT_EQ(classic.Row("Geometric altitude:"), nullptr);
}

TEST(MoonMagnitudeTable, InterpolatesAndClamps) {
    constexpr double kTableTolerance = 1e-12; // pure table arithmetic
    EXPECT_NEAR(MoonMagnitude(1.0), -11.7, kTableTolerance);
    EXPECT_NEAR(MoonMagnitude(0.0), 0.0, kTableTolerance);
    EXPECT_NEAR(MoonMagnitude(0.55), -10.45, kTableTolerance);
    EXPECT_NEAR(MoonMagnitude(0.95), -11.45, kTableTolerance);
    // outside 0..1 never reads beyond the table
    EXPECT_NEAR(MoonMagnitude(1.3), -11.7, kTableTolerance);
    EXPECT_NEAR(MoonMagnitude(-0.2), 0.0, kTableTolerance);
}

class BodyPanelTest : public ::testing::Test {
protected:
    BodyTable bodies{};
    void SetUp() override {
        bodies[kBodySun] = {.ra = 18.75, .dec = -23.0, .earthDistanceAu = 0.9833};
        bodies[kBodyMoon] = {
            .ra = 2.0, .dec = 10.0, .earthDistanceKm = 384400.0, .cosPhaseAngle = 0.1};
        bodies[kBodyJupiter] = {
            .ra = 1.0, .dec = 5.0, .earthDistanceAu = 4.2, .sunDistanceAu = 5.2};
    }
};

TEST_F(BodyPanelTest, SunShowsFixedTextsAndItsDistance) {
    const InfoPanelContent c = BodyInfoContent(
        bodies, kBodySun, InstantOf(Noon2000(), ZoneOf(Krakow())), PlaceOf(Krakow()));
    EXPECT_EQ(c.title, "Sun");
    EXPECT_EQ(c.pictureName, "Sun");
    EXPECT_EQ(Labels(c),
              (std::vector<std::string>{
                  "Right ascension:", "Declination:", "Altitude:", "Azimuth:",
                  "Distance from Earth:", "Distance from Sun:", "Magnitude:", "Angular size:",
                  "Illuminated fraction:", "Rise:", "Culmination:", "Set:"}));
    EXPECT_EQ(ValueOf(c, "Magnitude:"), "-26.7");
    EXPECT_EQ(ValueOf(c, "Distance from Sun:"), " ");
    EXPECT_EQ(ValueOf(c, "Illuminated fraction:"), " ");
    EXPECT_EQ(ValueOf(c, "Distance from Earth:"), "147.1 million km"); // 0.9833 AU at perihelion
    EXPECT_EQ(ValueOf(c, "Angular size:"), "32.53'");                  // 1919.26 / 0.9833 / 60
}

TEST_F(BodyPanelTest, MoonDistanceInKmAndSizeInArcminutes) {
    const InfoPanelContent c = BodyInfoContent(
        bodies, kBodyMoon, InstantOf(Noon2000(), ZoneOf(Krakow())), PlaceOf(Krakow()));
    EXPECT_EQ(c.title, "Moon");
    EXPECT_EQ(ValueOf(c, "Distance from Earth:"), "384400.0 km");
    EXPECT_EQ(ValueOf(c, "Angular size:"), "31.09'"); // 716946800 / 384400 / 60 = 31.085
    // k = (1 + 0.1) / 2 = 0.55, halfway between -10.3 and -10.6
    EXPECT_EQ(ValueOf(c, "Illuminated fraction:"), "0.55");
    EXPECT_EQ(ValueOf(c, "Magnitude:"), "-10.45");
    // (0.9833 * 149600000 + 0.1 * 384400) / 1000000
    EXPECT_EQ(ValueOf(c, "Distance from Sun:"), "147.1 million km");
}

TEST_F(BodyPanelTest, PlanetTextsFromItsDistances) {
    bodies[kBodySun].earthDistanceAu = 1.0;
    const InfoPanelContent c = BodyInfoContent(
        bodies, kBodyJupiter, InstantOf(Noon2000(), ZoneOf(Krakow())), PlaceOf(Krakow()));
    EXPECT_EQ(c.title, "Jupiter");
    EXPECT_EQ(ValueOf(c, "Distance from Earth:"), "628.3 million km");
    EXPECT_EQ(ValueOf(c, "Distance from Sun:"), "777.9 million km");
    // at opposition: full phase, phase angle 0, 5 log10(5.2 * 4.2) - 9.4
    EXPECT_EQ(ValueOf(c, "Illuminated fraction:"), "1.00");
    EXPECT_EQ(ValueOf(c, "Magnitude:"), "-2.70");
    EXPECT_EQ(ValueOf(c, "Angular size:"), "46.88\""); // 196.88 / 4.2 arcseconds
}

TEST(BodyPanel, UncomputedBodiesShowNoNotANumberTexts) {
    const BodyTable zero{};
    for (std::size_t b = 0; b < kBodyCount; ++b) {
        const InfoPanelContent c =
            BodyInfoContent(zero, b, InstantOf(SkyDate{}, ZoneOf(Observer{})), PlaceOf(Observer{}));
        EXPECT_EQ(c.title, kBodyNames[b]);
        for (const auto& row : c.rows) {
            for (const auto& v : row.values) {
                EXPECT_EQ(v.find("nan"), std::string::npos) << c.title << " " << row.label;
                EXPECT_EQ(v.find("inf"), std::string::npos) << c.title << " " << row.label;
            }
        }
    }
}

TEST(DeepSkyPanel, MessierObjectRows) {
    auto catalog = std::make_unique<CatalogStore>();
    catalog->m_deepSky[30] = DeepSky(31, 's', 0.7123f, 41.27f, 3.44f, "Andromeda Galaxy");
    const InfoPanelContent c = DeepSkyInfoContent(
        *catalog, 30, InstantOf(Noon2000(), ZoneOf(Krakow())), PlaceOf(Krakow()));
    EXPECT_EQ(c.title, "Deep sky object");
    EXPECT_EQ(Labels(c),
              (std::vector<std::string>{
                  "Catalog number", "Common name:", "Right ascension:", "Declination:", "Altitude:",
                  "Azimuth:", "Magnitude:", "Type:", "Rise:", "Culmination:", "Set:"}));
    EXPECT_EQ(ValueOf(c, "Catalog number"), "M 31");
    EXPECT_EQ(ValueOf(c, "Common name:"), "Andromeda Galaxy");
    EXPECT_EQ(ValuesOf(c, "Right ascension:"), (std::vector<std::string>{"0h", "42'"}));
    EXPECT_EQ(ValuesOf(c, "Declination:"),
              (std::vector<std::string>{"41" + std::string(kDeg), "16'"}));
    EXPECT_EQ(ValueOf(c, "Magnitude:"), " 3.4");
    EXPECT_EQ(ValueOf(c, "Type:"), "galaxy");
    EXPECT_EQ(c.pictureName, "M31");
}

TEST(DeepSkyPanel, FirstNgcEntryUnknownTypeAndNoName) {
    auto catalog = std::make_unique<CatalogStore>();
    catalog->m_deepSky[110] = DeepSky(7329, 'x', 22.67f, -0.5f, 12.0f, "*   ");
    const InfoPanelContent c = DeepSkyInfoContent(
        *catalog, 110, InstantOf(Noon2000(), ZoneOf(Krakow())), PlaceOf(Krakow()));
    EXPECT_EQ(ValueOf(c, "Catalog number"), "NGC 7329");
    EXPECT_EQ(c.pictureName, "NGC7329");
    EXPECT_EQ(ValueOf(c, "Common name:"), " ");
    EXPECT_EQ(ValueOf(c, "Type:"), "");
    EXPECT_EQ(ValuesOf(c, "Declination:"),
              (std::vector<std::string>{"-0" + std::string(kDeg), "30'"}));
}

TEST(InfoPanelRowText, JoinsValuesWithBlanks) {
    const InfoPanelRow row{"Right ascension:", {"5h", "35'", " 5.3\""}};
    EXPECT_EQ(row.JoinedValues(), "5h 35'  5.3\"");
}

} // namespace

namespace {

// Betelgeuse (its catalogue place) at Krakow, 19°55' E 50°02' N, clock time of zone 1.
// Reference: tools/riseset_reference.py 5.919528,7.406944 19.9167 50.0333 2024-03-20T19:00 gives
// rise 2024-03-21 09:58:33, transit 16:36:46, set 23:14:58 UT, so 10:59 and 17:37 on 21 March and
// 00:15 on 22 March in zone 1; the altitude at transit is 90 - 50.0333 + 7.4069 = 47.37 degrees.
// An event on another day than the chart's clock time carries its date.
TEST(RiseSetRows, ClockTimesOfTheNextRiseAndWhatFollowsIt) {
    Observer krakow = Krakow();
    krakow.LatMin = 2;
    krakow.TimeZone = 1.0f;
    const std::string altitude = "47.37" + std::string(kDeg);
    const struct {
        SkyDate chart;
        const char *rise, *culmination, *set;
    } cases[] = {
        {{2024, 3, 20, 20, 0, 0}, "10:59 (21 Mar)", "17:37 (21 Mar)", "00:15 (22 Mar)"},
        {{2024, 3, 21, 0, 30, 0}, "10:59", "17:37", "00:15 (22 Mar)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chart.day);
        const auto rows = RiseSetRows(
            SkyModelFor(SkyModelKind::Classic).FixedPosition(5.919528, 7.406944, PlaceOf(krakow)),
            InstantOf(c.chart, ZoneOf(krakow)), ZoneOf(krakow));
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[0], (InfoPanelRow{"Rise:", {c.rise}}));
        EXPECT_EQ(rows[1], (InfoPanelRow{"Culmination:", {c.culmination, altitude}}));
        EXPECT_EQ(rows[2], (InfoPanelRow{"Set:", {c.set}}));
    }
    const SkyDate evening{2024, 3, 20, 20, 0, 0};

    // A circumpolar and a never-rising position: the rise row says so, the set row is empty.
    const auto polaris =
        RiseSetRows(SkyModelFor(SkyModelKind::Classic).FixedPosition(2.53, 89.26, PlaceOf(krakow)),
                    InstantOf(evening, ZoneOf(krakow)), ZoneOf(krakow));
    EXPECT_EQ(polaris[0].values, std::vector<std::string>{kCircumpolarText});
    EXPECT_EQ(polaris[2].values, std::vector<std::string>{kNoEventText});
    const auto south =
        RiseSetRows(SkyModelFor(SkyModelKind::Classic).FixedPosition(12.44, -63.1, PlaceOf(krakow)),
                    InstantOf(evening, ZoneOf(krakow)), ZoneOf(krakow));
    EXPECT_EQ(south[0].values, std::vector<std::string>{kNeverRisesText});
}

TEST(RiseSetRows, ClockTimeTextUsesTheObserversZone) {
    // 2000 January 1, 23:59:40 UT = Julian day 2451545.4997685.
    const double jd = 2451545.0 + (11.0 * 3600 + 59 * 60 + 40) / 86400.0;
    Observer o = Krakow();
    const struct {
        float zone;
        const char* text;
    } cases[] = {{0.0f, "00:00"}, {1.0f, "01:00"}, {5.5f, "05:30"}, {-5.0f, "19:00"}};
    for (const auto& c : cases) {
        o.TimeZone = c.zone;
        EXPECT_EQ(ClockTimeText(jd, ZoneOf(o)), c.text) << c.zone;
    }
    // A named zone reads the instant with its offset in force then: Warsaw's summer time (+2 h)
    // on 2026 July 1, 19:59:40 UT (Julian day from the Unix epoch 2440587.5 + 20635 days).
    o.TimeZoneName = "Europe/Warsaw";
    EXPECT_EQ(ClockTimeText(2440587.5 + 20635 + (19.0 * 3600 + 59 * 60 + 40) / 86400.0, ZoneOf(o)),
              "22:00");
}

} // namespace
