#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "cli/ChartOptions.h"
#include "cli/OptionTable.h"
#include "settings/Profile.h"

namespace {

// 2031-07-14 19:05:37 UT, and the clock time it is in Krakow (Europe/Warsaw, summer time UT+2)
// with the seconds dropped, as the chart takes "now".
const ClockInstant kNow = std::chrono::sys_days{std::chrono::year{2031} / 7 / 14} +
                          std::chrono::hours{19} + std::chrono::minutes{5} +
                          std::chrono::seconds{37};
const SkyDate kNowInKrakow{2031, 7, 14, 21, 5, 0};

// A profile path inside a fresh temporary directory; the file itself does not exist.
std::filesystem::path FreshProfilePath(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() / ("vn_chartoptions_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir / "nocta.ini";
}

ChartOptionsResult Parse(std::vector<std::string> args, const std::string& profileName = "p") {
    args.push_back("--profile");
    args.push_back(FreshProfilePath(profileName).string());
    return ParseChartOptions(args, kNow);
}

TEST(ChartOptions, DefaultsAreNowAndTheBuiltInPlace) {
    const ChartOptionsResult r = Parse({});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.settings.SkyDate, kNowInKrakow);
    const Observer& o = r.options.settings.Observer;
    EXPECT_EQ(o.Location, "Poland:Krakow");
    EXPECT_EQ(o.LongDeg, 19);
    EXPECT_EQ(o.LongMin, 55);
    EXPECT_EQ(o.EW, "E");
    EXPECT_EQ(o.LatDeg, 50);
    EXPECT_EQ(o.LatMin, 2);
    EXPECT_EQ(o.NS, "N");
    EXPECT_EQ(o.TimeZone, 1.0f);
    EXPECT_EQ(o.TimeZoneName, "Europe/Warsaw"); // adopted from the built-in place
    // A missing profile is a first run, not an error, and reading it creates nothing.
    EXPECT_FALSE(std::filesystem::exists(r.options.profilePath));
}

TEST(ChartOptions, ValuesAreAppliedInBothForms) {
    const ChartOptionsResult r =
        Parse({"--date", "1999-12-31T23:59:58", "--lon=75:30W", "--lat", "33:07s", "--zone=-5.5"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.settings.SkyDate, (SkyDate{1999, 12, 31, 23, 59, 58}));
    const Observer& o = r.options.settings.Observer;
    EXPECT_EQ(o.LongDeg, 75);
    EXPECT_EQ(o.LongMin, 30);
    EXPECT_EQ(o.EW, "W");
    EXPECT_EQ(o.LatDeg, 33);
    EXPECT_EQ(o.LatMin, 7);
    EXPECT_EQ(o.NS, "S"); // stored in the letter case the engine tests for
    EXPECT_EQ(o.TimeZone, -5.5f);
    EXPECT_EQ(o.Location, "75:30W 33:07S");
}

// Every chart option of the option table changes the chart it is given for: a row without its
// case where the values are applied fails here.
TEST(ChartOptions, EveryChartOptionOfTheTableIsApplied) {
    const auto saved = FreshProfilePath("applied");
    AppSettings elsewhere = DefaultSettings();
    elsewhere.Observer = {"Chile:Santiago", 70, 40, "W", 33, 27, "S", -4.0f};
    ASSERT_TRUE(SaveProfile(saved, elsewhere, {}));
    const std::map<std::string_view, std::vector<std::string>> samples = {
        {"--date", {"2001-02-03T04:05"}},
        {"--lon", {"10:00W"}},
        {"--lat", {"10:00S"}},
        {"--zone", {"5"}},
        {"--place", {"USA:New York"}},
        {"--tz", {"Asia/Kolkata"}},
        {"--profile", {saved.string()}},
        {"--precise", {}},
    };
    const std::vector<std::string> base = {"--profile", FreshProfilePath("none").string()};
    const ChartOptionsResult plain = ParseChartOptions(base, kNow);
    ASSERT_TRUE(plain.ok) << plain.error;
    for (const OptionRow& row : kOptionTable) {
        if (row.kind != OptionKind::Chart) {
            continue;
        }
        const auto sample = samples.find(row.name);
        ASSERT_NE(sample, samples.end()) << "no sample value for " << row.name;
        std::vector<std::string> args = base; // a later --profile wins
        args.emplace_back(row.name);
        args.insert(args.end(), sample->second.begin(), sample->second.end());
        const ChartOptionsResult r = ParseChartOptions(args, kNow);
        ASSERT_TRUE(r.ok) << row.name << ": " << r.error;
        EXPECT_TRUE(r.rest.empty()) << row.name;
        EXPECT_NE(r.options.settings, plain.options.settings) << row.name << " changed nothing";
    }
}

TEST(ChartOptions, OtherArgumentsAreLeftInOrder) {
    const ChartOptionsResult r = Parse({"--json", "--zone", "2", "out.png", "--size", "10x10"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.rest, (std::vector<std::string>{"--json", "out.png", "--size", "10x10"}));
}

TEST(ChartOptions, ProfilePlaceIsUsedAndOverridden) {
    const auto path = FreshProfilePath("saved");
    AppSettings saved = DefaultSettings();
    saved.Observer = {"Chile:Santiago", 70, 40, "W", 33, 27, "S", -4.0f};
    ASSERT_TRUE(SaveProfile(path, saved, {}));
    ChartOptionsResult r = ParseChartOptions({"--profile", path.string()}, kNow);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.settings.Observer, saved.Observer);
    r = ParseChartOptions({"--profile", path.string(), "--zone", "0"}, kNow);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.settings.Observer.TimeZone, 0.0f);
    EXPECT_EQ(r.options.settings.Observer.Location, "Chile:Santiago");
}

TEST(ChartOptions, PreciseModelOnlyWhenAsked) {
    // A profile saved with the precise model on (also checks the key is written and read): the
    // console modes stay classic unless --precise is given.
    const auto path = FreshProfilePath("precise");
    AppSettings saved = DefaultSettings();
    saved.PrecisePositions = 1;
    ASSERT_TRUE(SaveProfile(path, saved, {}));
    AppSettings reread = DefaultSettings();
    ASSERT_TRUE(LoadSettings(reread, path));
    EXPECT_EQ(reread.PrecisePositions, 1);
    ChartOptionsResult r = ParseChartOptions({"--profile", path.string(), "--json"}, kNow);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.settings.PrecisePositions, 0);
    EXPECT_EQ(r.rest, std::vector<std::string>{"--json"});
    r = ParseChartOptions({"--precise", "--profile", path.string()}, kNow);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.settings.PrecisePositions, 1);
    EXPECT_TRUE(r.rest.empty());
}

TEST(ChartOptions, BadValuesNameTheOption) {
    struct Case {
        std::vector<std::string> args;
        const char* option;
    } cases[] = {
        {{"--date", "2023-02-29T00:00"}, "--date"}, // not a leap year
        {{"--date", "2024-13-01T00:00"}, "--date"},
        {{"--date", "2024-04-31T00:00"}, "--date"},
        {{"--date", "2024-04-00T00:00"}, "--date"},
        {{"--date", "2024-04-01T24:00"}, "--date"},
        {{"--date", "2024-04-01T12:60"}, "--date"},
        {{"--date", "2024-04-01T12:00:60"}, "--date"},
        {{"--date", "2024-04-01"}, "--date"},
        {{"--date", "24-04-01T12:00"}, "--date"},
        {{"--date", "2024-04-01T12:00Z"}, "--date"},
        {{"--lon", "181:00E"}, "--lon"},
        {{"--lon", "180:01W"}, "--lon"},
        {{"--lon", "19:60E"}, "--lon"},
        {{"--lon", "19:55N"}, "--lon"},
        {{"--lon", "19.9E"}, "--lon"},
        {{"--lon", "-19:55E"}, "--lon"},
        {{"--lat", "91:00N"}, "--lat"},
        {{"--lat", "90:30S"}, "--lat"},
        {{"--lat", "50:02E"}, "--lat"},
        {{"--zone", "14.5"}, "--zone"},
        {{"--zone", "-12.5"}, "--zone"},
        {{"--zone", "one"}, "--zone"},
        {{"--zone", "nan"}, "--zone"},
        {{"--zone", "1h"}, "--zone"},
        {{"--zone", ""}, "--zone"},
        {{"--date"}, "--date"}, // no value at all
    };
    for (const auto& c : cases) {
        const ChartOptionsResult r = ParseChartOptions(c.args, kNow);
        EXPECT_FALSE(r.ok) << c.args.back();
        EXPECT_EQ(r.error.rfind(c.option, 0), 0u) << r.error;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << r.error;
    }
}

TEST(ChartOptions, RangeEndsAreAccepted) {
    const ChartOptionsResult r = Parse(
        {"--date", "2024-02-29T23:59:59", "--lon", "180:00W", "--lat", "90:00S", "--zone", "+14"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.settings.Observer.LongDeg, 180);
    EXPECT_EQ(r.options.settings.Observer.TimeZone, 14.0f);
    EXPECT_TRUE(Parse({"--zone", "-12", "--lon", "0:00E", "--lat", "0:0N"}).ok);
}

} // namespace

TEST(ChartOptions, PlaceAndNamedZone) {
    // --place takes the built-in place's coordinates, standard offset and zone (placezones.tab);
    // --zone then makes the offset fixed again, --tz names a zone without moving the place.
    ChartOptionsResult r = Parse({"--place", "usa:NEW york", "--date", "2026-07-01T22:00"});
    ASSERT_TRUE(r.ok) << r.error;
    Observer o = r.options.settings.Observer;
    EXPECT_EQ(o.Location, "USA:New York");
    EXPECT_EQ(o.EW, "W");
    EXPECT_EQ(o.NS, "N");
    EXPECT_EQ(o.LatDeg, 40);
    EXPECT_EQ(o.TimeZone, -5.0f);
    EXPECT_EQ(o.TimeZoneName, "America/New_York");

    r = Parse({"--place", "USA:New York", "--zone", "-5"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.settings.Observer.TimeZoneName, "");

    r = Parse({"--tz", "Asia/Kolkata", "--zone", "1", "--tz", "America/Phoenix"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.settings.Observer.Location, "Poland:Krakow");
    EXPECT_EQ(r.options.settings.Observer.TimeZoneName, "America/Phoenix");

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--place", "Atlantis:Nowhere"},
          std::vector<std::string>{"--tz", "Europe/Atlantis"},
          std::vector<std::string>{"--tz", ""}}) {
        r = Parse(bad);
        EXPECT_FALSE(r.ok) << bad[1];
        EXPECT_EQ(r.error.rfind(bad[0] + ": ", 0), 0u) << r.error;
    }
}

TEST(ChartOptions, ProfileZoneAdoptionAndUnknownZone) {
    // A profile written before named zones: a built-in place with the same standard offset
    // adopts its zone; another offset keeps the fixed one. An unknown zone falls back with a
    // warning.
    struct Case {
        const char* text;
        const char* zone;
        bool warned;
    } cases[] = {
        {"[Location]\nLocation=Chile:Santiago\nTimeZone=-4.0\n", "America/Santiago", false},
        {"[Location]\nLocation=Chile:Santiago\nTimeZone=-3.0\n", "", false},
        {"[Location]\nLocation=Chile:Santiago\nTimeZone=-4.0\nTimeZoneName=\n", "", false},
        {"[Location]\nTimeZoneName=Mars/Olympus\n", "Mars/Olympus", true},
    };
    for (const Case& c : cases) {
        const auto path = FreshProfilePath("adopt");
        { std::ofstream(path) << c.text; }
        const ChartOptionsResult r =
            ParseChartOptions({"--profile", path.string(), "--date", "2026-01-01T00:00"}, kNow);
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.options.settings.Observer.TimeZoneName, c.zone) << c.text;
        EXPECT_EQ(!r.options.zoneWarning.empty(), c.warned) << r.options.zoneWarning;
    }
}
