// The night's events searched with the precise model, against tools/twilight_reference.py
// (python3-erfa, ERFA 2.0: the Sun from epv00, the Moon from moon98, carried to the observer by
// atco13), run as "tools/twilight_reference.py LON LAT NOON_UT 24" for each row; times in UT.
#include "planning/Night.h"

#include "astro/Instant.h"
#include "astro/SkyModels.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr double kMinute = 1.0 / 1440.0;

std::optional<double> Ut(const char* text) {
    if (text == nullptr) {
        return std::nullopt;
    }
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    std::sscanf(text, "%d-%d-%dT%d:%d:%d", &y, &mo, &d, &h, &mi, &s);
    return InstantOf(SkyDate{y, mo, d, h, mi, s}, ZoneRule{}).ut;
}

void ExpectNear(const std::optional<double>& got, const char* want, const char* what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(got.has_value(), want != nullptr);
    if (got) {
        EXPECT_NEAR(*got, *Ut(want), kMinute);
    }
}

struct NightCase {
    const char* name;
    Place place;
    SkyDate date;
    // Sunset, civil, nautical and astronomical dusk, then the dawns from astronomical to
    // sunrise, then moonrise and moonset (null: none that night).
    std::vector<const char*> events;
};

const Place kKrakow{"Krakow", -19.9167, 50.0333, false, {1.0f, "Europe/Warsaw"}};
const Place kTromso{"Tromso", -18.9553, 69.6492, false, {1.0f, "Europe/Oslo"}};
const Place kDelhi{"New Delhi", -77.2167, 28.6, false, {5.5f, "Asia/Kolkata"}};
const Place kSydney{"Sydney", -151.2, -33.8667, true, {10.0f, "Australia/Sydney"}};

} // namespace

TEST(Night, TwilightsAndMoonMatchTheReference) {
    const std::vector<NightCase> cases = {
        // 19.9167 50.0333 2024-12-09T11:00 24
        {"Krakow, December",
         kKrakow,
         {2024, 12, 9},
         {"2024-12-09T14:38:20", "2024-12-09T15:16:29", "2024-12-09T15:57:48",
          "2024-12-09T16:37:06", "2024-12-10T04:29:14", "2024-12-10T05:08:34",
          "2024-12-10T05:49:57", "2024-12-10T06:28:10", "2024-12-09T11:26:44",
          "2024-12-09T23:57:05"}},
        // 19.9167 50.0333 2024-03-30T11:00 23: the clocks go forward in this night
        {"Krakow, spring change",
         kKrakow,
         {2024, 3, 30},
         {"2024-03-30T17:09:39", "2024-03-30T17:42:26", "2024-03-30T18:21:44",
          "2024-03-30T19:03:25", "2024-03-31T02:24:50", "2024-03-31T03:06:28",
          "2024-03-31T03:45:43", "2024-03-31T04:18:27", "2024-03-30T23:26:35",
          "2024-03-31T06:35:42"}},
        // 151.2 -33.8667 2024-12-09T01:00 24
        {"Sydney, summer",
         kSydney,
         {2024, 12, 9},
         {"2024-12-09T08:58:02", "2024-12-09T09:26:59", "2024-12-09T10:02:32",
          "2024-12-09T10:41:21", "2024-12-09T16:54:03", "2024-12-09T17:32:52",
          "2024-12-09T18:08:25", "2024-12-09T18:37:23", "2024-12-09T02:10:01",
          "2024-12-09T14:41:48"}},
        // 77.2167 28.6 2024-12-09T06:30 24: in the tropics, a half-hour zone
        {"New Delhi, winter",
         kDelhi,
         {2024, 12, 9},
         {"2024-12-09T11:54:39", "2024-12-09T12:20:30", "2024-12-09T12:49:50",
          "2024-12-09T13:18:37", "2024-12-10T00:09:03", "2024-12-10T00:37:51",
          "2024-12-10T01:07:12", "2024-12-10T01:33:03", "2024-12-09T07:29:50",
          "2024-12-09T19:50:54"}},
        // 18.9553 69.6492 2024-12-09T11:00 24: polar night, the twilights still come
        {"Tromso, polar night",
         kTromso,
         {2024, 12, 9},
         {nullptr, "2024-12-09T12:59:30", "2024-12-09T14:39:28", "2024-12-09T15:56:37",
          "2024-12-10T05:17:46", "2024-12-10T06:35:09", "2024-12-10T08:15:48", nullptr,
          "2024-12-09T11:36:37", "2024-12-10T00:17:42"}},
    };
    const SkyModel& model = SkyModelFor(SkyModelKind::Precise);
    for (const NightCase& c : cases) {
        SCOPED_TRACE(c.name);
        const NightReport n = ComputeNight(c.date, c.place, model);
        const std::vector<std::optional<double>> got = {n.sun.evening,
                                                        n.civil.evening,
                                                        n.nautical.evening,
                                                        n.astronomical.evening,
                                                        n.astronomical.morning,
                                                        n.nautical.morning,
                                                        n.civil.morning,
                                                        n.sun.morning,
                                                        n.moonrise,
                                                        n.moonset};
        constexpr const char* kLabels[] = {"sunset",
                                           "civil dusk",
                                           "nautical dusk",
                                           "astronomical dusk",
                                           "astronomical dawn",
                                           "nautical dawn",
                                           "civil dawn",
                                           "sunrise",
                                           "moonrise",
                                           "moonset"};
        for (std::size_t i = 0; i < got.size(); ++i) {
            ExpectNear(got[i], c.events[i], kLabels[i]);
        }
    }
}

// The dark hours are bounded by the events found: in Krakow on 2024-12-09 the Moon, up before
// astronomical dusk, sets at 23:57 UT; darkness lasts from then to astronomical dawn.
TEST(Night, DarkHoursStartWhenTheMoonSets) {
    const NightReport n =
        ComputeNight(SkyDate{2024, 12, 9}, kKrakow, SkyModelFor(SkyModelKind::Precise));
    ASSERT_EQ(n.dark.size(), 1u);
    EXPECT_EQ(n.dark[0].start, *n.moonset);
    EXPECT_EQ(n.dark[0].end, *n.astronomical.morning);
    // 2024-12-08 was first quarter (USNO phases of the Moon, 15:27 UT): a waxing gibbous Moon.
    EXPECT_EQ(MoonPhaseName(n.moonIllumination, n.moonWaxing), "Waxing Gibbous");
}

// Midsummer above the Arctic Circle: the reference finds no crossing of any altitude
// (18.9553 69.6492 2024-06-21T10:00 24), and the Moon stays down.
TEST(Night, MidnightSunSaysSo) {
    const NightReport n =
        ComputeNight(SkyDate{2024, 6, 21}, kTromso, SkyModelFor(SkyModelKind::Precise));
    EXPECT_EQ(PolarNotes(n),
              (std::vector<std::string>{"the Sun does not set", "no astronomical darkness"}));
    EXPECT_FALSE(n.sun.evening || n.sun.morning || n.astronomical.evening);
    EXPECT_TRUE(n.dark.empty());
}
