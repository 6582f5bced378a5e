#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "astro/ClockTime.h"
#include "astro/Ephemeris.h"
#include "astro/Instant.h"
#include "catalog/Loaders.h"
#include "catalog/PlaceZones.h"

namespace {

using namespace std::chrono;

ZoneRule InZone(const char* zone, float standardHours) {
    return {standardHours, zone};
}

ClockInstant Utc(int y, unsigned mo, unsigned d, int h, int mi) {
    return sys_days{year{y} / mo / d} + hours{h} + minutes{mi};
}

// Offsets in force on both sides of the 2026 changes, in the spring gap and in the repeated
// autumn hour, and in zones without daylight saving time. Where the clocks change comes from
// the laws, not from the library: EU directive 2000/84/EC (last Sundays of March and October,
// 01:00 UT); US Energy Policy Act 2005 (second Sunday of March, first Sunday of November, 02:00
// clock time); South Australia's Daylight Saving Act (first Sunday of April at 03:00, of October
// at 02:00); Chile's decree (first Saturday of April and of September at 24:00); India, Arizona
// and Iran (since 2022) keep one offset all year.
TEST(ClockTime, OffsetInForceAtClockTime) {
    struct Case {
        const char* zone;
        SkyDate clock;
        int minutes;
        bool summer;
    } cases[] = {
        {"Europe/Warsaw", {2026, 3, 29, 1, 59, 0}, 60, false},
        {"Europe/Warsaw", {2026, 3, 29, 2, 30, 0}, 60, false}, // gap: offset before the change
        {"Europe/Warsaw", {2026, 3, 29, 3, 0, 0}, 120, true},
        {"Europe/Warsaw", {2026, 7, 14, 22, 0, 0}, 120, true},
        {"Europe/Warsaw", {2026, 10, 25, 2, 30, 0}, 120, true}, // repeated: the first one
        {"Europe/Warsaw", {2026, 10, 25, 3, 0, 0}, 60, false},
        {"America/New_York", {2026, 3, 8, 1, 59, 0}, -300, false},
        {"America/New_York", {2026, 3, 8, 2, 30, 0}, -300, false}, // gap
        {"America/New_York", {2026, 3, 8, 3, 0, 0}, -240, true},
        {"America/New_York", {2026, 11, 1, 1, 30, 0}, -240, true}, // repeated
        {"America/New_York", {2026, 11, 1, 2, 0, 0}, -300, false},
        {"Australia/Adelaide", {2026, 4, 5, 2, 30, 0}, 630, true}, // repeated
        {"Australia/Adelaide", {2026, 4, 5, 3, 0, 0}, 570, false},
        {"Australia/Adelaide", {2026, 10, 4, 2, 30, 0}, 570, false}, // gap
        {"Australia/Adelaide", {2026, 10, 4, 3, 0, 0}, 630, true},
        {"America/Santiago", {2026, 4, 4, 23, 30, 0}, -180, true}, // repeated
        {"America/Santiago", {2026, 9, 6, 0, 30, 0}, -240, false}, // gap
        {"Asia/Kolkata", {2026, 7, 1, 12, 0, 0}, 330, false},
        {"America/Phoenix", {2026, 7, 1, 12, 0, 0}, -420, false},
        {"Asia/Tehran", {2026, 7, 1, 12, 0, 0}, 210, false},
        {"Asia/Tehran", {2026, 1, 1, 12, 0, 0}, 210, false},
    };
    for (const Case& c : cases) {
        const auto got = ZoneOffsetAtClockTime(c.zone, c.clock);
        ASSERT_TRUE(got.has_value()) << c.zone;
        EXPECT_EQ(got->minutes, c.minutes) << c.zone << " " << c.clock.month << "-" << c.clock.day
                                           << " " << c.clock.hour << ":" << c.clock.minute;
        EXPECT_EQ(got->summerTime, c.summer) << c.zone;
    }
    EXPECT_FALSE(ZoneOffsetAtClockTime("Europe/Atlantis", {2026, 1, 1, 0, 0, 0}));
    EXPECT_FALSE(IsKnownTimeZone(""));
    EXPECT_TRUE(IsKnownTimeZone("Europe/Warsaw"));
}

TEST(ClockTime, FixedOffsetIsUsedUnchanged) {
    // No zone name, or one the database does not know: the engine gets TimeZone itself, so every
    // number stays what it was before named zones existed.
    ZoneRule fixed{5.75f};
    const SkyDate clock{2026, 7, 1, 12, 0, 0};
    EXPECT_EQ(UtcOffsetHours(clock, fixed), 5.75f);
    fixed.name = "Nowhere/Else";
    const UtcOffset unknown = ObserverUtcOffset(clock, fixed);
    EXPECT_EQ(unknown.hours, 5.75f);
    EXPECT_TRUE(unknown.unknownZone);
    EXPECT_EQ(unknown.zoneName, "");
    // The engine's Julian day with a named zone equals the one with the fixed offset in force.
    EXPECT_EQ(InstantOf(clock, InZone("Europe/Warsaw", 1.0f)).ut,
              InstantOf(clock, ZoneRule{2.0f}).ut);
}

TEST(ClockTime, InstantAndClockTimeRoundTrip) {
    const ZoneRule warsaw = InZone("Europe/Warsaw", 1.0f);
    const ZoneRule newYork = InZone("America/New_York", -5.0f);
    // The same instant on two clocks: 20:00 UT on 14 July 2026 is 22:00 in Warsaw, 16:00 in
    // New York (both on summer time).
    const ClockInstant t = Utc(2026, 7, 14, 20, 0);
    EXPECT_EQ(ObserverClockTime(t, warsaw), (SkyDate{2026, 7, 14, 22, 0, 0}));
    EXPECT_EQ(ObserverClockTime(t, newYork), (SkyDate{2026, 7, 14, 16, 0, 0}));
    EXPECT_EQ(ObserverInstant({2026, 7, 14, 22, 0, 0}, warsaw), t);
    // Fixed offset: the instant moved by the offset; "now" drops the seconds.
    const ZoneRule kathmandu{5.75f};
    EXPECT_EQ(NowAtObserver(kathmandu, t + seconds{59}), (SkyDate{2026, 7, 15, 1, 45, 0}));
    EXPECT_EQ(ObserverInstant({2026, 7, 15, 1, 45, 0}, kathmandu), t);
    // Gap and repeated hour, by the stated rule.
    EXPECT_EQ(ObserverInstant({2026, 3, 29, 2, 30, 0}, warsaw), Utc(2026, 3, 29, 1, 30));
    EXPECT_EQ(ObserverInstant({2026, 10, 25, 2, 30, 0}, warsaw), Utc(2026, 10, 25, 0, 30));
    // The second 02:30 of that night (01:30 UT) carries fold 1 and reads back to its instant.
    const SkyDate second = ObserverClockTime(Utc(2026, 10, 25, 1, 30), warsaw);
    EXPECT_EQ(second, (SkyDate{2026, 10, 25, 2, 30, 0, 1}));
    EXPECT_EQ(ObserverInstant(second, warsaw), Utc(2026, 10, 25, 1, 30));
    EXPECT_EQ(ObserverClockTime(Utc(2026, 10, 25, 0, 30), warsaw).fold, 0);
    EXPECT_EQ(NormalizeClockTime({2026, 3, 29, 2, 30, 0}, warsaw),
              (SkyDate{2026, 3, 29, 3, 30, 0}));
    EXPECT_EQ(NormalizeClockTime({2026, 10, 25, 2, 30, 0}, warsaw),
              (SkyDate{2026, 10, 25, 2, 30, 0}));
    // A day counted on within its month, as the engine counts it: 30 February is 2 March.
    EXPECT_EQ(ObserverInstant({2026, 2, 30, 12, 0, 0}, warsaw), Utc(2026, 3, 2, 11, 0));
}

TEST(ClockTime, OffsetText) {
    UtcOffset o;
    o.hours = 2.0f;
    o.zoneName = "Europe/Warsaw";
    o.summerTime = true;
    EXPECT_EQ(UtcOffsetText(o), "+2.0 h, Europe/Warsaw, summer time");
    o.hours = -5.0f;
    o.zoneName = "America/New_York";
    o.summerTime = false;
    EXPECT_EQ(UtcOffsetText(o), "-5.0 h, America/New_York, standard time");
    o.hours = 5.75f;
    o.zoneName.clear();
    EXPECT_EQ(UtcOffsetText(o), "+5.75 h");
}

} // namespace

namespace {

TEST(PlaceZones, EveryBuiltInPlaceHasAZoneTheDatabaseKnows) {
    auto store = std::make_unique<CatalogStore>();
    const CatalogLocator data{std::vector<std::filesystem::path>{VN_SOURCE_DATA_DIR}};
    ASSERT_EQ(LoadCatalogFile(CatalogFile::Locations, data, *store).status,
              CatalogFileStatus::Loaded);
    const PlaceZonesResult loaded = LoadPlaceZones(data);
    EXPECT_TRUE(loaded.warnings.empty()) << loaded.warnings.front();
    const PlaceZoneTable& zones = loaded.table;
    for (const LocationRecord& row : store->m_locations) {
        const std::string_view zone = zones.ZoneOf(TrimmedPlaceName(row));
        EXPECT_TRUE(IsKnownTimeZone(zone)) << TrimmedPlaceName(row) << " '" << zone << "'";
    }
    EXPECT_EQ(zones.ZoneOf("Poland:Krakow"), "Europe/Warsaw");
    EXPECT_EQ(FindPlaceRow(*store, "  poland:KRAKOW "),
              FindPlaceRow(*store, "Poland:Krakow")); // case and blanks do not matter
    EXPECT_FALSE(FindPlaceRow(*store, ""));
}

TEST(PlaceZones, DamagedLinesAreSkippedAndReported) {
    struct Case {
        const char* name;
        std::string text;
        const char* problem; // the start of the reported damage; empty: none
    };
    const std::string good =
        "# comment\nA:B\tEurope/Oslo\nA:B\tAsia/Tokyo\n E:F \t Africa/Cairo \r\n";
    const Case cases[] = {
        {"sound", good, ""},
        {"no tab", good + "no tab here\n", "line 5 is not a place name"},
        {"no name", good + "\tEurope/Rome\n", "line 5 is not a place name"},
        {"no zone", good + "C:D\t\n", "line 5 is not a place name"},
        {"bad zone", good + "C:D\t../../etc/passwd\n", "line 5 is not a place name"},
        {"control", good + "C:\x1b]0;x\a\tEurope/Rome\n", "line 5 is not a place name"},
        {"cut short", good + "C:D\tEurope/Ro", "line 5 is cut short"},
        {"long line", good + std::string(kMaxPlaceZoneLineBytes + 1, 'x') + "\n",
         "line 5 is longer than 256 bytes"},
        {"empty", "", "it names no place"},
        {"only comments", "# x\n", "it names no place"},
    };
    for (const Case& c : cases) {
        std::string problem;
        const PlaceZoneTable table = PlaceZoneTable::Parse(c.text, problem);
        EXPECT_TRUE(problem.starts_with(c.problem) && (problem.empty() == !*c.problem))
            << c.name << ": " << problem;
        // The sound lines are read all the same; the damaged one is not.
        EXPECT_EQ(table.ZoneOf("A:B"), c.text.starts_with(good) ? "Europe/Oslo" : "") << c.name;
        EXPECT_EQ(table.ZoneOf("C:D"), "") << c.name;
    }
    std::string problem;
    const PlaceZoneTable table = PlaceZoneTable::Parse(good, problem);
    EXPECT_EQ(table.ZoneOf("A:B"), "Europe/Oslo"); // the first of two
    EXPECT_EQ(table.ZoneOf("E:F"), "Africa/Cairo");
}

} // namespace
