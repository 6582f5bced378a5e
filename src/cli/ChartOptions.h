// The chart options shared by the console modes (--ephemeris, --render, --info): the instant,
// the place and the profile the chart is computed for.
//
// The options are the rows of kind Chart in kOptionTable (OptionTable.h). Each option with a
// value also takes the form --option=VALUE; the profile is read first, wherever --profile
// stands, and the others apply in the order given. --zone drops a named zone; --place brings the
// place's coordinates, standard offset and named zone; without --precise the console modes use
// the classic model whatever the profile says. The place and zone default to the profile's, and
// the profile's to the built-in place (Poland:Krakow 19°55'E 50°02'N, zone Europe/Warsaw). A
// missing profile file means the defaults, as on a first run; the profile is never written.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "astro/ClockTime.h"
#include "astro/Observer.h"
#include "astro/SkyDate.h"
#include "settings/AppSettings.h"

struct ChartOptions {
    // The profile's settings (or the defaults) with the date, place and zone of the command line
    // applied: settings.SkyDate is the instant, settings.Observer the place.
    AppSettings settings;
    std::filesystem::path profilePath; // the profile that was read (or would have been)
    // Set when the default profile exists but could not be read: the defaults are used and the
    // caller may tell the user. An unreadable profile named by --profile is an error instead.
    std::string profileWarning;
    // Set when the observer names a zone the time-zone database does not know: the fixed offset
    // is used, and the caller tells the user.
    std::string zoneWarning;
    // Refused values of the profile, and damaged or unreadable files of the built-in places
    // (location.bin, placezones.tab) when a place was looked up: one line each starting
    // "warning: ". Set also when the options are refused, so that the user learns why a place
    // was not found.
    std::vector<std::string> fileWarnings;
};

struct ChartOptionsResult {
    bool ok = false;
    // One line for the user naming the option and the problem (no trailing newline), when !ok.
    std::string error;
    ChartOptions options;
    // The arguments that are not chart options, in their order, for the mode to parse.
    std::vector<std::string> rest;
};

// Parses the chart options out of `args` (the program name and the mode option removed), reads
// the profile and applies the options. Without --date the chart's instant is `now` (pass
// CurrentInstant()) as the observer's clock time, second 0. Arguments that are not chart options
// are returned in `rest` untouched.
ChartOptionsResult ParseChartOptions(const std::vector<std::string>& args, ClockInstant now);

// The single-value parsers, each returning the value or nullopt with `error` set to the problem
// (without the option's name).
std::optional<SkyDate> ParseDateTimeText(std::string_view text, std::string& error);
// Fills LongDeg, LongMin and EW ("E" or "W").
std::optional<Observer> ParseLongitudeText(std::string_view text, const Observer& base,
                                           std::string& error);
// Fills LatDeg, LatMin and NS ("N" or "S").
std::optional<Observer> ParseLatitudeText(std::string_view text, const Observer& base,
                                          std::string& error);
std::optional<float> ParseTimeZoneText(std::string_view text, std::string& error);

// Prints options.fileWarnings, each as "vesperanova: warning: ...".
void PrintFileWarnings(const ChartOptions& options, std::ostream& err);

// What a console mode does first: parses the chart options, prints the files' warnings and, for
// a bad option, the error (the mode then ends with kExitBadOption).
ChartOptionsResult ParseModeChartOptions(const std::vector<std::string>& args, ClockInstant now,
                                         std::ostream& err);

// Prints the profile's and the zone's warnings of the options, when they have any.
void PrintSettingsWarnings(const ChartOptions& options, std::ostream& err);

// True when `warning` is one of options.fileWarnings (a mode that loads the catalogues too
// prints it only once).
bool WarnedAlready(const ChartOptions& options, std::string_view warning);
