// Folder dialogrules/: the rules of the settings dialogs without a window: the checks of their
// fields (here) and the conversions between settings and fields (SettingsDialogRules).
//
// Checks of the settings dialogs' edit fields before anything is changed. A field is read like
// a data-exchange routine of a dialog reads it: blanks around the text are ignored, the whole
// rest must be the number. The first failing field, in the dialog's order, stops the check; the
// dialog shows its message, puts the focus on that field and stays open.
#pragma once

#include "astro/Observer.h"
#include "dialogrules/ClockFields.h"

#include <optional>
#include <string>
#include <string_view>

// Messages of the field checks (texts of the dialog framework, without the program's trailing
// blanks). %1 and %2 are the bounds of the range.
inline constexpr const char* kPositiveIntegerMessage = "Please enter a positive integer.";
inline constexpr const char* kIntegerMessage = "Please enter an integer.";
inline constexpr const char* kIntegerRangeMessage = "Please enter an integer between %1 and %2.";
inline constexpr const char* kNumberMessage = "Please enter a number.";
inline constexpr const char* kNumberRangeMessage = "Please enter a number between %1 and %2.";

// Bounds of the fields. The hour, the minute, and the degrees and minutes of a place are those of
// ClockFields.h, which the command line's --date, --lon and --lat use too. Where the dialogs'
// rules differ from the command line's, both are kept:
// - The year: the dialog keeps to 1901..2099, the years where the day count is exact and an
//   animation may run (RecomputeStart.h); --date takes any year 0001..9999 for a single chart.
inline constexpr FieldRange kDialogYearRange{1901, 2099};
// - The day: the dialog takes 1..31 whatever the month, the day counted on from the month's
//   first (30 February is 2 March), so that a day can be typed before its month is chosen;
//   --date is a date written out whole, and takes only the days of its month (DayRange).
inline constexpr FieldRange kDialogDayRange{1, 31};
// - The time zone: the dialog's field holds -12..12 hours, the offsets of its place list;
//   --zone takes every offset in use, -12..14.
inline constexpr double kTimeZoneMax = 12.0; // hours, either side of Greenwich
// The place name keeps at most this many characters.
inline constexpr std::size_t kPlaceNameMaxLength = 28;

// One field's check: the value, or the message for the user.
template <typename T> struct FieldValue {
    std::optional<T> value;
    std::string message; // empty when the value is there
};

// A non-negative whole number (digits only) within [min, max]: "Please enter a positive
// integer." for any other text, the range message outside the bounds.
FieldValue<int> ReadNonNegativeInteger(std::string_view text, int min, int max);
// A whole number with an optional sign within [min, max]: "Please enter an integer." for any
// other text, the range message outside the bounds.
FieldValue<int> ReadInteger(std::string_view text, int min, int max);
// A finite decimal number (sign, decimals and exponent allowed) within [min, max]: "Please
// enter a number." for any other text, the number range message outside the bounds.
FieldValue<double> ReadNumber(std::string_view text, double min, double max);

// The range messages with their bounds filled in.
std::string IntegerRangeMessage(int min, int max);
std::string NumberRangeMessage(double min, double max);

// ---------------------------------------------------------------------------------------------
// Date/Time dialog

struct DateTimeFields {
    std::string year;
    int monthIndex = 0; // position in the month list, 0 = January
    std::string day;
    std::string hour;
    std::string minute;
};

// The fields in the order they are checked.
enum class DateTimeField { Day, Hour, Minute, Year };

struct DateTimeValues {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
};

template <typename Values, typename Field> struct DialogCheck {
    std::optional<Values> values; // everything accepted
    Field field{};                // otherwise the first failing field
    std::string message;          // and its message
};

using DateTimeCheck = DialogCheck<DateTimeValues, DateTimeField>;

// Day (non-negative, 1..31), hour (non-negative, 0..23), minute (non-negative, 0..59), year
// (whole number, 1901..2099), in this order. A month index outside 0..11 is taken as the
// nearest month (the list always has one entry chosen).
DateTimeCheck CheckDateTime(const DateTimeFields& fields);

// ---------------------------------------------------------------------------------------------
// Location dialog

struct LocationFields {
    std::string place; // the text of the place line
    std::string longitudeDegrees;
    std::string longitudeMinutes;
    bool east = false; // the "E" button is chosen (else "W")
    std::string latitudeDegrees;
    std::string latitudeMinutes;
    bool north = true; // the "N" button is chosen (else "S")
    std::string timeZone;
};

// The fields in the order they are checked.
enum class LocationField {
    LongitudeMinutes,
    LongitudeDegrees,
    LatitudeMinutes,
    LatitudeDegrees,
    TimeZone
};

using LocationCheck = DialogCheck<Observer, LocationField>;

// Longitude minutes (non-negative, 0..59), longitude degrees (non-negative, 0..180), latitude
// minutes (non-negative, 0..59), latitude degrees (whole number, -90..90), time zone (number,
// -12..12), in this order; then the angles as wholes: at 180 degrees of longitude or 90 of
// latitude the minutes must be 0 (the minutes field fails with "between 0 and 0"). On success the
// observer: the place text cut to 28 characters (never inside a character's UTF-8 bytes), the
// numbers, "E"/"W", "N"/"S" and the zone.
LocationCheck CheckLocation(const LocationFields& fields);

// `text` cut to at most `maxChars` characters of UTF-8, never inside a character.
std::string CutToCharacters(std::string_view text, std::size_t maxChars);
