// The ranges of a clock time's fields and of a place's degrees and minutes. The Date/Time and
// Location dialogs check their fields against them, and the command line's --date, --lon and
// --lat read theirs by the same rules; where a dialog's rule differs, DialogValidation.h says
// why.
#pragma once

struct FieldRange {
    int min = 0;
    int max = 0;
    constexpr bool Holds(int value) const { return value >= min && value <= max; }
};

inline constexpr FieldRange kMonthRange{1, 12};
inline constexpr FieldRange kHourRange{0, 23};
// Minutes and seconds of time, and minutes of arc.
inline constexpr FieldRange kMinuteRange{0, 59};
inline constexpr int kLongitudeDegreesMax = 180;
inline constexpr int kLatitudeDegreesMax = 90;

// The days of `month` (1..12) in `year` on the calendar JulianDay uses: Gregorian from 1583,
// Julian before; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// The days of a month: 1..DaysInMonth(year, month).
FieldRange DayRange(int year, int month);
