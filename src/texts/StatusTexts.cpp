#include "texts/StatusTexts.h"

#include "astro/Angles.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 12> kMonthAbbreviations = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// A number with a leading "0" when it lies in 0..9, as the panes show minutes and days.
std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    if (value >= 0 && value < 10) {
        text.insert(0, "0");
    }
    return text;
}

} // namespace

std::string PlacePaneText(const Observer& observer) {
    return observer.Location;
}

std::string TimePaneText(const SkyDate& date) {
    return std::to_string(date.hour) + ":" + TwoDigits(date.minute);
}

std::string_view MonthAbbreviation(int month) {
    if (month < 1 || month > 12) {
        return {};
    }
    return kMonthAbbreviations[static_cast<std::size_t>(month - 1)];
}

std::string DatePaneText(const SkyDate& date) {
    const std::string_view name = MonthAbbreviation(date.month);
    const std::string month = name.empty() ? std::to_string(date.month) : std::string(name);
    return TwoDigits(date.day) + "  " + month + " " + std::to_string(date.year);
}

std::string MountPaneText(std::string_view activity, bool hasPosition, double raHours,
                          double decDegrees) {
    std::string text(activity);
    if (hasPosition) {
        const AngleTexts ra = RightAscensionTexts(raHours);
        const AngleTexts dec = DeclinationTexts(decDegrees);
        text += "  RA " + ra.whole + " " + ra.minutes + " " + ra.seconds + "  DEC " + dec.whole +
                " " + dec.minutes + " " + dec.seconds;
    }
    return text;
}
