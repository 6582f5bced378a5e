#include "dialogrules/DialogValidation.h"

#include "files/Utf8Text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string ReplaceBounds(std::string message, const std::string& low, const std::string& high) {
    message.replace(message.find("%1"), 2, low);
    message.replace(message.find("%2"), 2, high);
    return message;
}

// A bound as the message shows it: the shortest decimal form ("-12", "12", "0.5").
std::string NumberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Digits (and an optional leading sign when `signAllowed`) as a whole number. A number too large
// for an int reads as out of range, never as a wrapped value.
enum class WholeNumber { Bad, TooLarge, Ok };
WholeNumber ParseWhole(std::string_view text, bool signAllowed, long long& out) {
    text = TrimmedText(text);
    bool negative = false;
    if (signAllowed && !text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!AllDigits(text)) {
        return WholeNumber::Bad;
    }
    constexpr long long kTooLarge = 10'000'000'000LL; // beyond every int, far from overflow
    long long value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value >= kTooLarge) {
            out = negative ? -kTooLarge : kTooLarge;
            return WholeNumber::TooLarge;
        }
    }
    out = negative ? -value : value;
    return WholeNumber::Ok;
}

FieldValue<int> ReadWhole(std::string_view text, int min, int max, bool signAllowed,
                          const char* badText) {
    long long value = 0;
    if (ParseWhole(text, signAllowed, value) == WholeNumber::Bad) {
        return {std::nullopt, badText};
    }
    if (value < min || value > max) {
        return {std::nullopt, IntegerRangeMessage(min, max)};
    }
    return {static_cast<int>(value), {}};
}

// Characters a decimal number may hold; strtod alone would also take "nan", "inf" and hex.
bool DecimalCharacters(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E';
    });
}

} // namespace

std::string IntegerRangeMessage(int min, int max) {
    return ReplaceBounds(kIntegerRangeMessage, std::to_string(min), std::to_string(max));
}

std::string NumberRangeMessage(double min, double max) {
    return ReplaceBounds(kNumberRangeMessage, NumberText(min), NumberText(max));
}

FieldValue<int> ReadNonNegativeInteger(std::string_view text, int min, int max) {
    return ReadWhole(text, min, max, false, kPositiveIntegerMessage);
}

FieldValue<int> ReadInteger(std::string_view text, int min, int max) {
    return ReadWhole(text, min, max, true, kIntegerMessage);
}

FieldValue<double> ReadNumber(std::string_view text, double min, double max) {
    const std::string_view trimmed = TrimmedText(text);
    if (trimmed.empty() || !DecimalCharacters(trimmed)) {
        return {std::nullopt, kNumberMessage};
    }
    // from_chars is locale-independent: the decimal point is always '.'.
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    if (*first == '+') {
        ++first; // from_chars takes no plus sign
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last || (error != std::errc() && error != std::errc::result_out_of_range)) {
        return {std::nullopt, kNumberMessage};
    }
    if (error == std::errc::result_out_of_range || !std::isfinite(value) || value < min ||
        value > max) {
        return {std::nullopt, NumberRangeMessage(min, max)};
    }
    return {value, {}};
}

DateTimeCheck CheckDateTime(const DateTimeFields& fields) {
    const auto fail = [](DateTimeField field, std::string message) {
        return DateTimeCheck{std::nullopt, field, std::move(message)};
    };
    const FieldValue<int> day =
        ReadNonNegativeInteger(fields.day, kDialogDayRange.min, kDialogDayRange.max);
    if (!day.value) {
        return fail(DateTimeField::Day, day.message);
    }
    const FieldValue<int> hour =
        ReadNonNegativeInteger(fields.hour, kHourRange.min, kHourRange.max);
    if (!hour.value) {
        return fail(DateTimeField::Hour, hour.message);
    }
    const FieldValue<int> minute =
        ReadNonNegativeInteger(fields.minute, kMinuteRange.min, kMinuteRange.max);
    if (!minute.value) {
        return fail(DateTimeField::Minute, minute.message);
    }
    const FieldValue<int> year =
        ReadInteger(fields.year, kDialogYearRange.min, kDialogYearRange.max);
    if (!year.value) {
        return fail(DateTimeField::Year, year.message);
    }
    DateTimeValues values;
    values.year = *year.value;
    values.month = std::clamp(fields.monthIndex + 1, kMonthRange.min, kMonthRange.max);
    values.day = *day.value;
    values.hour = *hour.value;
    values.minute = *minute.value;
    return DateTimeCheck{values, {}, {}};
}

std::string CutToCharacters(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        // A character starts at every byte that is not a UTF-8 continuation byte.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == maxChars) {
                break;
            }
            ++chars;
        }
        ++i;
    }
    return std::string(text.substr(0, i));
}

LocationCheck CheckLocation(const LocationFields& fields) {
    const auto fail = [](LocationField field, std::string message) {
        return LocationCheck{std::nullopt, field, std::move(message)};
    };
    const FieldValue<int> longMin =
        ReadNonNegativeInteger(fields.longitudeMinutes, kMinuteRange.min, kMinuteRange.max);
    if (!longMin.value) {
        return fail(LocationField::LongitudeMinutes, longMin.message);
    }
    const FieldValue<int> longDeg =
        ReadNonNegativeInteger(fields.longitudeDegrees, 0, kLongitudeDegreesMax);
    if (!longDeg.value) {
        return fail(LocationField::LongitudeDegrees, longDeg.message);
    }
    const FieldValue<int> latMin =
        ReadNonNegativeInteger(fields.latitudeMinutes, kMinuteRange.min, kMinuteRange.max);
    if (!latMin.value) {
        return fail(LocationField::LatitudeMinutes, latMin.message);
    }
    const FieldValue<int> latDeg =
        ReadInteger(fields.latitudeDegrees, -kLatitudeDegreesMax, kLatitudeDegreesMax);
    if (!latDeg.value) {
        return fail(LocationField::LatitudeDegrees, latDeg.message);
    }
    // Degrees and minutes are one angle: at 180 degrees of longitude and 90 of latitude the
    // minutes can only be 0.
    if (*longDeg.value == kLongitudeDegreesMax && *longMin.value != 0) {
        return fail(LocationField::LongitudeMinutes, IntegerRangeMessage(0, 0));
    }
    if (std::abs(*latDeg.value) == kLatitudeDegreesMax && *latMin.value != 0) {
        return fail(LocationField::LatitudeMinutes, IntegerRangeMessage(0, 0));
    }
    const FieldValue<double> zone = ReadNumber(fields.timeZone, -kTimeZoneMax, kTimeZoneMax);
    if (!zone.value) {
        return fail(LocationField::TimeZone, zone.message);
    }
    Observer observer;
    observer.Location = CutToCharacters(fields.place, kPlaceNameMaxLength);
    observer.LongDeg = *longDeg.value;
    observer.LongMin = *longMin.value;
    observer.EW = fields.east ? "E" : "W";
    observer.LatDeg = *latDeg.value;
    observer.LatMin = *latMin.value;
    observer.NS = fields.north ? "N" : "S";
    observer.TimeZone = static_cast<float>(*zone.value);
    return LocationCheck{observer, {}, {}};
}
