// Folder texts/: the texts the desktop program shows, computed without a window: the status panes
// (here) and the object information panels (InfoPanelText).
//
// Texts of the status bar panes (left to right: message, right ascension, declination, azimuth
// and altitude, place, time, date) and the placeholder texts that size them. All texts are UTF-8.
#pragma once

#include "astro/Observer.h"
#include "astro/SkyDate.h"

#include <string>
#include <string_view>

// Pane identifiers, left to right after the message pane (0).
inline constexpr int kPaneRightAscension = 32843;
inline constexpr int kPaneDeclination = 32844;
inline constexpr int kPanePlace = 32845;
inline constexpr int kPaneTime = 32842;
inline constexpr int kPaneDate = 32841;

// Placeholder texts whose measured width sizes each pane.
inline constexpr std::string_view kRightAscensionSizingText = "RA 23h 59' 59\"";
inline constexpr std::string_view kDeclinationSizingText = "DEC -90\u00B0 00' 00\"";
inline constexpr std::string_view kHorizontalSizingText = "Az 359\u00B0 59'  Alt -90\u00B0 00'";
inline constexpr std::string_view kPlaceSizingText = "eeeeeeeeeeeeeeeeeeeeeee";
inline constexpr std::string_view kTimeSizingText = "21:35 ";
inline constexpr std::string_view kDateSizingText = " 31 Dec 1997";

// Place pane: the observer's place name unchanged.
std::string PlacePaneText(const Observer& observer);

// Time pane: the hour without padding, ":", the minute as two digits: "21:05", "9:00", "0:00".
std::string TimePaneText(const SkyDate& date);

// Date pane: the day as two digits, two blanks, "Jan".."Dec", a blank, the year:
// "07  Dec 1998". A month outside 1..12 shows its number instead of a name.
std::string DatePaneText(const SkyDate& date);

// Telescope pane: the mount's activity ("Tracking", "Disconnected", ...), then where it points
// when it has said so: "Tracking  RA 5h 55' 10.3\"  DEC 7\u00B0 24' 25\"" (apparent place of date,
// right ascension hours, declination degrees).
std::string MountPaneText(std::string_view activity, bool hasPosition, double raHours,
                          double decDegrees);
inline constexpr std::string_view kMountSizingText =
    "Disconnected  RA 23h 59' 59.9\"  DEC -90\u00B0 00' 00\"";

// Month abbreviation "Jan" .. "Dec" for month 1..12; empty outside.
std::string_view MonthAbbreviation(int month);

// The right-ascension and declination panes follow the pointer: see PointerTracking.h.
