// Angle arithmetic and the angle texts shared by the whole program.
//
// Every conversion between degrees and radians multiplies by (degrees to radians) or divides by
// (radians to degrees) the one constant kDegToRad = 0.017453293. It is deliberately not the exact
// pi/180: the last digits of the positions the program shows depend on it, so no routine may use
// another factor.
#pragma once

#include <cstdint>
#include <string>

inline constexpr double kDegToRad = 0.017453293;

// Degrees to radians and back, both through kDegToRad.
inline double DegToRad(double degrees) {
    return degrees * kDegToRad;
}
inline double RadToDeg(double radians) {
    return radians / kDegToRad;
}

// x - 360 * floor(x / 360): any angle in degrees into [0, 360). -10 gives 350, 360 gives 0.
double Normalize360(double x);

// Rounds to the nearest integer, halves toward zero: 2.5 -> 2, 2.51 -> 3, -2.5 -> -2,
// -2.51 -> -3. Values outside the 32-bit range are clamped to it.
std::int32_t RoundHalfTowardZero(double x);

// An angle (degrees or hours) split into its whole part, minutes and seconds. The sign lives only
// in `whole`, which is 0 (possibly -0.0) for values between -1 and 0; minutes and seconds are never
// negative. -25.3283 gives {-25, 19, 41.88}.
struct Sexagesimal {
    double whole = 0.0;
    double minutes = 0.0;
    double seconds = 0.0;
};
Sexagesimal SplitSexagesimal(double x);

// x in fixed-point notation with exactly `decimals` decimals, right-aligned and blank-padded to at
// least 4 characters, at most 30 characters: (5.4, 2) -> "5.40", (2.54, 1) -> " 2.5",
// (59.96, 1) -> "60.0".
std::string FormatFixed(double x, int decimals);

// The degree sign as UTF-8 text.
inline constexpr const char* kDegreeSign = "\xC2\xB0";

// The three texts in which the program shows an angle: whole part, minutes, seconds.
struct AngleTexts {
    std::string whole;
    std::string minutes;
    std::string seconds;
};

// Right ascension in hours: "5h", "35'", "17.3\"" (seconds with one decimal, at least 4 wide).
AngleTexts RightAscensionTexts(double hours);

// Declination in degrees: "-0°", "30'", "0\"" (whole seconds, truncated). The degrees text carries
// a minus sign also between -1 and 0, where the whole part alone would lose it.
AngleTexts DeclinationTexts(double degrees);

// Right ascension and declination with hours and minutes only ("5h" "35'" and "-5°" "23'"), as the
// deep-sky panel shows them; the seconds texts are empty.
AngleTexts RightAscensionTextsNoSeconds(double hours);
AngleTexts DeclinationTextsNoSeconds(double degrees);

// An altitude or azimuth in degrees with two decimals and the degree sign: "12.34°".
std::string HorizontalAngleText(double degrees);
