#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/ChartOptions.h"
#include "settings/Profile.h"

namespace {

const SkyDate kNow{2031, 7, 14, 21, 5, 0};

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
    EXPECT_EQ(r.options.settings.SkyDate, kNow);
    const Observer& o = r.options.settings.Observer;
    EXPECT_EQ(o.Location, "Poland:Krakow");
    EXPECT_EQ(o.LongDeg, 19);
    EXPECT_EQ(o.LongMin, 55);
    EXPECT_EQ(o.EW, "E");
    EXPECT_EQ(o.LatDeg, 50);
    EXPECT_EQ(o.LatMin, 2);
    EXPECT_EQ(o.NS, "N");
    EXPECT_EQ(o.TimeZone, 1.0f);
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

TEST(ChartOptions, OtherArgumentsAreLeftInOrder) {
    const ChartOptionsResult r = Parse({"--json", "--zone", "2", "out.png", "--size", "10x10"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.rest, (std::vector<std::string>{"--json", "out.png", "--size", "10x10"}));
}

TEST(ChartOptions, ProfilePlaceIsUsedAndOverridden) {
    const auto path = FreshProfilePath("saved");
    AppSettings saved = DefaultSettings();
    saved.Observer = {"Chile:Santiago", 70, 40, "W", 33, 27, "S", -4.0f};
    ASSERT_TRUE(SaveSettings(saved, path));
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
    ASSERT_TRUE(SaveSettings(saved, path));
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

TEST(ChartOptions, DaysInMonthFollowsTheCalendarOfTheJulianDay) {
    EXPECT_EQ(DaysInMonth(1900, 2), 28); // Gregorian century
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1500, 2), 29); // Julian calendar
    EXPECT_EQ(DaysInMonth(2023, 11), 30);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

} // namespace
