// Settings dialogs: field checks with their messages and order, place rows into fields, the
// magnitude-limit sliders and Auto mode.
#include "chart/ChartState.h"
#include "dialogrules/ClockFields.h"
#include "dialogrules/DialogValidation.h"
#include "dialogrules/SettingsDialogRules.h"

#include "catalog/CatalogStore.h"
#include "catalog/Records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// Single fields

struct IntCase {
    const char* name;
    const char* text;
    bool signedField; // whole number (year, latitude) rather than non-negative
    int min, max;
    std::optional<int> want;
    const char* message; // when !want
};

class IntFieldTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntFieldTest, ReadsOrExplains) {
    const IntCase& c = GetParam();
    const FieldValue<int> got = c.signedField ? ReadInteger(c.text, c.min, c.max)
                                              : ReadNonNegativeInteger(c.text, c.min, c.max);
    EXPECT_EQ(got.value, c.want);
    if (!c.want) {
        EXPECT_EQ(got.message, c.message);
    } else {
        EXPECT_TRUE(got.message.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, IntFieldTest,
    ::testing::Values(
        IntCase{"Plain", "17", false, 0, 23, 17, ""},
        IntCase{"BlanksAround", "  7 ", false, 0, 23, 7, ""},
        IntCase{"LetterInHour", "x", false, 0, 23, std::nullopt,
                "Please enter a positive integer."},
        IntCase{"EmptyDay", "", false, 1, 31, std::nullopt, "Please enter a positive integer."},
        IntCase{"MinusInNonNegative", "-1", false, 0, 59, std::nullopt,
                "Please enter a positive integer."},
        IntCase{"Decimal", "1.5", false, 0, 59, std::nullopt, "Please enter a positive integer."},
        IntCase{"TrailingText", "12a", false, 0, 59, std::nullopt,
                "Please enter a positive integer."},
        IntCase{"DayZero", "0", false, 1, 31, std::nullopt,
                "Please enter an integer between 1 and 31."},
        IntCase{"DayThirtyOne", "31", false, 1, 31, 31, ""},
        IntCase{"HugeNotWrapped", "99999999999999999999", false, 0, 59, std::nullopt,
                "Please enter an integer between 0 and 59."},
        IntCase{"Year2100", "2100", true, 1901, 2099, std::nullopt,
                "Please enter an integer between 1901 and 2099."},
        IntCase{"Year1901", "1901", true, 1901, 2099, 1901, ""},
        IntCase{"YearWord", "abc", true, 1901, 2099, std::nullopt, "Please enter an integer."},
        IntCase{"LoneMinus", "-", true, -90, 90, std::nullopt, "Please enter an integer."},
        IntCase{"NegativeLatitude", "-33", true, -90, 90, -33, ""},
        IntCase{"Latitude91", "91", true, -90, 90, std::nullopt,
                "Please enter an integer between -90 and 90."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberField, TimeZoneBoundsAndTexts) {
    EXPECT_EQ(ReadNumber("12.5", -12, 12).message, "Please enter a number between -12 and 12.");
    EXPECT_EQ(ReadNumber("-12.5", -12, 12).message, "Please enter a number between -12 and 12.");
    EXPECT_EQ(ReadNumber("1e400", -12, 12).message, "Please enter a number between -12 and 12.");
    EXPECT_EQ(ReadNumber("-12", -12, 12).value, -12.0);
    EXPECT_EQ(ReadNumber(" +5.75 ", -12, 12).value, 5.75);
    for (const char* bad : {"", "one", "nan", "inf", "0x5", "1,5", "5.5.5", "--1"}) {
        EXPECT_EQ(ReadNumber(bad, -12, 12).message, "Please enter a number.") << bad;
    }
}

// ---------------------------------------------------------------------------------------------
// Date/Time dialog

DateTimeFields GoodDate() {
    return DateTimeFields{"1998", 11, "7", "21", "35"};
}

TEST(DateTimeCheck, AcceptsAndWritesMonthFromListPosition) {
    const DateTimeCheck check = CheckDateTime(GoodDate());
    ASSERT_TRUE(check.values);
    EXPECT_EQ(check.values->year, 1998);
    EXPECT_EQ(check.values->month, 12);
    EXPECT_EQ(check.values->day, 7);
    EXPECT_EQ(check.values->hour, 21);
    EXPECT_EQ(check.values->minute, 35);
}

TEST(ClockFields, DaysInMonthFollowsTheCalendarOfTheJulianDay) {
    EXPECT_EQ(DaysInMonth(1900, 2), 28); // Gregorian century
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1500, 2), 29); // Julian calendar
    EXPECT_EQ(DaysInMonth(2023, 11), 30);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

TEST(DateTimeCheck, ThirtiethOfFebruaryIsAccepted) {
    DateTimeFields f = GoodDate();
    f.monthIndex = 1;
    f.day = "30";
    EXPECT_TRUE(CheckDateTime(f).values);
}

TEST(DateTimeCheck, FirstFailureInDialogOrderWins) {
    DateTimeFields f{"2100", 0, "0", "x", "60"}; // every field wrong
    DateTimeCheck check = CheckDateTime(f);
    EXPECT_EQ(check.field, DateTimeField::Day);
    EXPECT_EQ(check.message, "Please enter an integer between 1 and 31.");
    f.day = "1";
    check = CheckDateTime(f);
    EXPECT_EQ(check.field, DateTimeField::Hour);
    EXPECT_EQ(check.message, "Please enter a positive integer.");
    f.hour = "0";
    check = CheckDateTime(f);
    EXPECT_EQ(check.field, DateTimeField::Minute);
    EXPECT_EQ(check.message, "Please enter an integer between 0 and 59.");
    f.minute = "0";
    check = CheckDateTime(f);
    EXPECT_FALSE(check.values);
    EXPECT_EQ(check.field, DateTimeField::Year);
    EXPECT_EQ(check.message, "Please enter an integer between 1901 and 2099.");
}

// ---------------------------------------------------------------------------------------------
// Location dialog

LocationFields GoodPlace() {
    return LocationFields{"Poland:Krakow", "19", "55", true, "50", "2", true, "1"};
}

TEST(LocationCheck, WritesTheObserver) {
    LocationFields f = GoodPlace();
    f.east = false;
    f.north = false;
    f.latitudeDegrees = "-33";
    f.timeZone = "-5.5";
    const LocationCheck check = CheckLocation(f);
    ASSERT_TRUE(check.values);
    EXPECT_EQ(check.values->Location, "Poland:Krakow");
    EXPECT_EQ(check.values->LongDeg, 19);
    EXPECT_EQ(check.values->LongMin, 55);
    EXPECT_EQ(check.values->EW, "W");
    EXPECT_EQ(check.values->LatDeg, -33);
    EXPECT_EQ(check.values->LatMin, 2);
    EXPECT_EQ(check.values->NS, "S");
    EXPECT_FLOAT_EQ(check.values->TimeZone, -5.5f);
}

TEST(LocationCheck, FirstFailureInDialogOrderWins) {
    LocationFields f{"x", "200", "60", true, "100", "-1", true, "13"};
    const LocationField order[] = {LocationField::LongitudeMinutes, LocationField::LongitudeDegrees,
                                   LocationField::LatitudeMinutes, LocationField::LatitudeDegrees,
                                   LocationField::TimeZone};
    const char* messages[] = {
        "Please enter an integer between 0 and 59.", "Please enter an integer between 0 and 180.",
        "Please enter a positive integer.", "Please enter an integer between -90 and 90.",
        "Please enter a number between -12 and 12."};
    std::string* fix[] = {&f.longitudeMinutes, &f.longitudeDegrees, &f.latitudeMinutes,
                          &f.latitudeDegrees, &f.timeZone};
    for (int i = 0; i < 5; ++i) {
        const LocationCheck check = CheckLocation(f);
        ASSERT_FALSE(check.values) << i;
        EXPECT_EQ(check.field, order[i]);
        EXPECT_EQ(check.message, messages[i]);
        *fix[i] = "0";
    }
    EXPECT_TRUE(CheckLocation(f).values);
}

// Degrees and minutes are one angle: 180°59'E and 90°59'N lie beyond the ends (the profile
// would drop the minutes at the next start), 180°00' and -90°00' are the ends themselves.
TEST(LocationCheck, MinutesPastTheEndsOfTheAnglesAreRefused) {
    struct Case {
        const char* name;
        const char* longDeg;
        const char* longMin;
        const char* latDeg;
        const char* latMin;
        std::optional<LocationField> failing;
    };
    const Case cases[] = {
        {"180 59 E", "180", "59", "50", "2", LocationField::LongitudeMinutes},
        {"90 59 N", "19", "55", "90", "59", LocationField::LatitudeMinutes},
        {"-90 1 S", "19", "55", "-90", "1", LocationField::LatitudeMinutes},
        {"180 0 E", "180", "0", "50", "2", std::nullopt},
        {"-90 0 S", "19", "55", "-90", "0", std::nullopt},
        {"179 59 E", "179", "59", "89", "59", std::nullopt},
    };
    for (const Case& c : cases) {
        LocationFields f = GoodPlace();
        f.longitudeDegrees = c.longDeg;
        f.longitudeMinutes = c.longMin;
        f.latitudeDegrees = c.latDeg;
        f.latitudeMinutes = c.latMin;
        const LocationCheck check = CheckLocation(f);
        EXPECT_EQ(check.values.has_value(), !c.failing) << c.name;
        if (c.failing) {
            EXPECT_EQ(check.field, *c.failing) << c.name;
            EXPECT_EQ(check.message, "Please enter an integer between 0 and 0.") << c.name;
        }
    }
}

TEST(LocationCheck, PlaceNameKeepsTwentyEightCharactersWithoutSplittingOne) {
    LocationFields f = GoodPlace();
    f.place = std::string(40, 'a');
    EXPECT_EQ(CheckLocation(f).values->Location, std::string(28, 'a'));
    // 27 ASCII letters then two two-byte letters: the 28th character is whole, the 29th cut.
    f.place = std::string(27, 'a') + "\xC3\xB3\xC3\xB3";
    EXPECT_EQ(CheckLocation(f).values->Location, std::string(27, 'a') + "\xC3\xB3");
}

// ---------------------------------------------------------------------------------------------
// Place rows

LocationRecord Row(const char* name, float latitude, float longitude, float zone) {
    LocationRecord row;
    std::strncpy(row.name, name, sizeof row.name);
    row.latitude = latitude;
    row.longitude = longitude;
    row.timeZone = zone;
    return row;
}

TEST(PlaceRow, SignsAndSplitsOfTheStoredValues) {
    struct Case {
        const char* name;
        float latitude, longitude, zone;
        int longDeg, longMin;
        bool east;
        int latDeg, latMin;
        bool north;
        double shownZone;
    } cases[] = {
        {"HalfDegreeEast", 10.0f, -0.5f, 0.0f, 0, 30, true, 10, 0, true, 0.0},
        {"FifthDegreeSouth", -0.2f, 5.0f, 0.0f, 5, 0, false, 0, 12, false, 0.0},
        {"KrakowLike", 50.0333366f, -19.9166679f, -1.0f, 19, 55, true, 50, 2, true, 1.0},
        {"Minus19_92", 0.0f, -19.92f, -1.0f, 19, 55, true, 0, 0, true, 1.0},
        {"GreenwichIsWest", 51.5f, 0.0f, 0.0f, 0, 0, false, 51, 30, true, 0.0},
        {"WestZone", 40.7f, 74.0f, 5.0f, 74, 0, false, 40, 42, true, -5.0},
    };
    for (const Case& c : cases) {
        const PlaceFields f = PlaceRowFields(Row("x", c.latitude, c.longitude, c.zone));
        EXPECT_EQ(f.longitudeDegrees, c.longDeg) << c.name;
        EXPECT_EQ(f.longitudeMinutes, c.longMin) << c.name;
        EXPECT_EQ(f.east, c.east) << c.name;
        EXPECT_EQ(f.latitudeDegrees, c.latDeg) << c.name;
        EXPECT_EQ(f.latitudeMinutes, c.latMin) << c.name;
        EXPECT_EQ(f.north, c.north) << c.name;
        EXPECT_DOUBLE_EQ(f.timeZone, c.shownZone) << c.name;
    }
}

TEST(PlaceRow, ZoneTextNeverShowsMinusZero) {
    EXPECT_EQ(TimeZoneText(PlaceRowFields(Row("x", 0, 0, 0.0f)).timeZone), "0");
    EXPECT_EQ(TimeZoneText(PlaceRowFields(Row("x", 0, 0, -1.0f)).timeZone), "1");
    EXPECT_EQ(TimeZoneText(-5.5), "-5.5");
    EXPECT_EQ(TimeZoneText(5.75), "5.75");
}

TEST(PlaceRow, ListPutsCurrentPlaceFirstAndTrimsNames) {
    auto store = std::make_unique<CatalogStore>();
    store->m_locations[0] = Row("  Chile:Santiago   ", -33.45f, 70.66f, 4.0f);
    store->m_locations[408] = Row("Zambia:Lusaka", -15.4f, -28.3f, -2.0f);
    std::memset(store->m_locations[1].name, ' ', sizeof store->m_locations[1].name);
    const std::vector<std::string> list = PlaceListEntries(*store, "My garden");
    ASSERT_EQ(list.size(), kLocationCount + 1);
    EXPECT_EQ(list[0], "My garden");
    EXPECT_EQ(list[1], "Chile:Santiago");
    EXPECT_EQ(list[2], ""); // a blank, unterminated field
    EXPECT_EQ(list[409], "Zambia:Lusaka");
}

// ---------------------------------------------------------------------------------------------
// Magnitude limits

TEST(MagnitudeLimits, SliderPositionsGiveLimitsAndCodes) {
    struct Case {
        int star, deepSky;
        double starLimit, deepSkyLimit;
        int starCode, deepSkyCode;
    } cases[] = {
        {0, 0, 1.0, 6.0, 0, 0},
        {3, 2, 2.5, 8.0, 3, 2},
        {10, 5, 6.0, 11.0, 10, 5},
        {11, 7, 7.5, 13.0, 13, 7}, // the last star position is every star, stored as 13
    };
    for (const Case& c : cases) {
        const MagnitudeLimitsResult r = MagnitudeLimitsFromDialog(false, c.star, c.deepSky, 2, 4.0);
        EXPECT_DOUBLE_EQ(r.starLimit, c.starLimit) << c.star;
        EXPECT_DOUBLE_EQ(r.deepSkyLimit, c.deepSkyLimit) << c.deepSky;
        EXPECT_EQ(r.starLimitCode, c.starCode) << c.star;
        EXPECT_EQ(r.deepSkyLimitCode, c.deepSkyCode) << c.deepSky;
        EXPECT_EQ(r.autoMode, 0);
    }
    EXPECT_EQ(StarSliderPosition(13), 11);
    EXPECT_EQ(DeepSkySliderPosition(9), 7);
}

TEST(MagnitudeLimits, AutoModeFollowsTheZoomLevel) {
    struct Case {
        int level;
        double starLimit, deepSkyLimit;
        int starCode, deepSkyCode;
    } cases[] = {
        {0, 5.0, 6.0, 8, 0},   {1, 5.5, 7.0, 9, 1},    {2, 6.0, 8.0, 10, 2},
        {3, 6.5, 9.0, 11, 3}, // 6.5 codes as 11, which reads back as every star
        {4, 5.5, 10.0, 9, 4}, // the star limit stays what it was (5.5 here)
        {5, 7.5, 13.0, 11, 7}, {11, 7.5, 13.0, 11, 7},
    };
    for (const Case& c : cases) {
        // Sliders are ignored in Auto mode.
        const MagnitudeLimitsResult r = MagnitudeLimitsFromDialog(true, 0, 0, c.level, 5.5);
        EXPECT_DOUBLE_EQ(r.starLimit, c.starLimit) << c.level;
        EXPECT_DOUBLE_EQ(r.deepSkyLimit, c.deepSkyLimit) << c.level;
        EXPECT_EQ(r.starLimitCode, c.starCode) << c.level;
        EXPECT_EQ(r.deepSkyLimitCode, c.deepSkyCode) << c.level;
        EXPECT_EQ(r.autoMode, 1);
    }
}

// With the faint stars on the star slider goes on to the faint catalogue's limit (99.5 % of the
// stars of data/hipparcos.bin are magnitude 12.0 or brighter, counted from the file); each
// position comes back from its code when the dialog opens again. Off, the slider ends at every
// bright star as before.
TEST(MagnitudeLimits, FaintStarsCarryTheStarSliderToTheCataloguesLimit) {
    struct Case {
        bool faint;
        int position;
        double starLimit;
        int code, reopened;
    } cases[] = {
        {true, 10, 6.0, 10, 10},  {true, 11, 7.5, 13, 11},  {true, 12, 8.0, 14, 12},
        {true, 20, 12.0, 22, 20}, {true, 25, 12.0, 22, 20}, {false, 20, 7.5, 13, 11},
    };
    for (const Case& c : cases) {
        const MagnitudeLimitsResult r =
            MagnitudeLimitsFromDialog(false, c.position, 0, 2, 4.0, c.faint);
        EXPECT_DOUBLE_EQ(r.starLimit, c.starLimit) << c.position;
        EXPECT_EQ(r.starLimitCode, c.code) << c.position;
        EXPECT_EQ(StarSliderPosition(r.starLimitCode, c.faint), c.reopened) << c.position;
    }
    EXPECT_EQ(StarSliderPosition(22, false), kStarSliderMax);
    // Each scale label names the limit of the position it stands under (every second one), and
    // the last position, past the last label, is left to "mag".
    for (const bool faint : {false, true}) {
        const std::vector<std::string> labels = StarSliderLabels(faint);
        const int lastLabelled = 2 * (static_cast<int>(labels.size()) - 1);
        EXPECT_LT(lastLabelled, StarSliderMax(faint)) << faint;
        EXPECT_GE(lastLabelled + 2, StarSliderMax(faint)) << faint;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const int position = 2 * static_cast<int>(i);
            EXPECT_DOUBLE_EQ(std::stod(labels[i]),
                             MagnitudeLimitsFromDialog(false, position, 0, 2, 4.0, faint).starLimit)
                << faint << " " << position;
        }
    }
    // Auto mode at the deepest level: the limit of that level, kept by its code.
    const MagnitudeLimitsResult deepest =
        MagnitudeLimitsFromDialog(true, 0, 0, kMaxDeepLevel, 5.5, true);
    EXPECT_DOUBLE_EQ(deepest.starLimit, 12.0);
    EXPECT_EQ(deepest.starLimitCode, 22);
}

} // namespace
