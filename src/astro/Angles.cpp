#include "astro/Angles.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

// The widest text FormatFixed produces; longer numbers are cut to it.
constexpr std::size_t kFormatFixedMaxLength = 30;
// FormatFixed pads to at least this many characters.
constexpr std::size_t kFormatFixedMinWidth = 4;

// The integer part of an angle as text. The value is already whole; out-of-range or not-a-number
// values (never produced by the engine for valid input) are clamped rather than left undefined.
std::string IntegerText(double wholeValue) {
    if (std::isnan(wholeValue)) {
        return "0";
    }
    constexpr double kMax = static_cast<double>(std::numeric_limits<long long>::max());
    const double clamped = std::fmax(-kMax, std::fmin(kMax, std::trunc(wholeValue)));
    return std::to_string(static_cast<long long>(clamped));
}

} // namespace

double Normalize360(double x) {
    return x - 360.0 * std::floor(x / 360.0);
}

std::int32_t RoundHalfTowardZero(double x) {
    // Values beyond the 32-bit range (and not-a-number, as 0) are clamped: a position that far off
    // the chart is never drawn, and the conversion must stay defined.
    if (std::isnan(x)) {
        return 0;
    }
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (x >= kMax) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (x <= kMin) {
        return std::numeric_limits<std::int32_t>::min();
    }
    const double whole = std::trunc(x);
    const double fraction = x - whole;
    auto result = static_cast<std::int32_t>(whole);
    if (x > 0.0 && fraction > 0.5) {
        ++result;
    } else if (x < 0.0 && fraction < -0.5) {
        --result;
    }
    return result;
}

Sexagesimal SplitSexagesimal(double x) {
    Sexagesimal parts;
    parts.whole = std::trunc(x);
    const double fraction = x - parts.whole;
    const double minutesWithFraction = fraction * 60.0;
    const double minutes = std::trunc(minutesWithFraction);
    parts.minutes = std::fabs(minutes);
    const double minuteFraction = minutesWithFraction - minutes;
    parts.seconds = std::fabs(minuteFraction * 60.0);
    return parts;
}

std::string FormatFixed(double x, int decimals) {
    // to_chars rather than printf: the same correctly rounded digits, but never a decimal comma,
    // whatever locale the desktop libraries have set (the profile stores these texts too).
    if (decimals < 0) {
        decimals = 0;
    }
    char buffer[400]; // DBL_MAX has 309 integer digits
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) {
        return {}; // only for more decimals than any caller asks for
    }
    std::string text(buffer, result.ptr);
    if (text.size() < kFormatFixedMinWidth) {
        text.insert(0, kFormatFixedMinWidth - text.size(), ' ');
    }
    if (text.size() > kFormatFixedMaxLength) {
        text.resize(kFormatFixedMaxLength);
    }
    return text;
}

AngleTexts RightAscensionTexts(double hours) {
    const Sexagesimal parts = SplitSexagesimal(hours);
    return {IntegerText(parts.whole) + "h", IntegerText(parts.minutes) + "'",
            FormatFixed(parts.seconds, 1) + "\""};
}

AngleTexts DeclinationTexts(double degrees) {
    AngleTexts texts = DeclinationTextsNoSeconds(degrees);
    texts.seconds = IntegerText(SplitSexagesimal(degrees).seconds) + "\"";
    return texts;
}

AngleTexts RightAscensionTextsNoSeconds(double hours) {
    const Sexagesimal parts = SplitSexagesimal(hours);
    return {IntegerText(parts.whole) + "h", IntegerText(parts.minutes) + "'", {}};
}

AngleTexts DeclinationTextsNoSeconds(double degrees) {
    const Sexagesimal parts = SplitSexagesimal(degrees);
    // Between -1 and 0 the whole part is zero and cannot carry the sign.
    const char* sign = (degrees > -1.0 && degrees < 0.0) ? "-" : "";
    return {sign + IntegerText(parts.whole) + kDegreeSign, IntegerText(parts.minutes) + "'", {}};
}

std::string HorizontalAngleText(double degrees) {
    return FormatFixed(degrees, 2) + kDegreeSign;
}
