// Texts of JSON values for the console modes' machine-readable output.
#pragma once

#include <string>
#include <string_view>

// A number that reads back to the same double (17 significant digits, never a locale's decimal
// comma); JSON has no not-a-number, so a non-finite value is written as null.
std::string JsonNumber(double value);

// A number rounded to `decimals` places, written without trailing noise ("51.7", not
// "51.700000000000003"); null when not finite.
std::string JsonFixed(double value, int decimals);

// A quoted string with quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view text);
