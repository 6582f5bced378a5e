#include "dialogrules/ClockFields.h"

namespace {

constexpr int kFirstGregorianYear = 1583;

} // namespace

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (!kMonthRange.Holds(month)) {
        return 0;
    }
    if (month == 2) {
        const bool leap = year >= kFirstGregorianYear
                              ? (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0))
                              : year % 4 == 0;
        return leap ? 29 : 28;
    }
    return kDays[month - 1];
}

FieldRange DayRange(int year, int month) {
    return {1, DaysInMonth(year, month)};
}
