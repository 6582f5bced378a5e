// `vesperanova --tonight`: prints the night of the chart's date at its place (the twilights, the
// Moon and the dark hours, planning/Night.h), as a table or as JSON. The events are always
// searched with the precise sky model. Never opens a display and never writes the profile.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "astro/ClockTime.h"
#include "astro/Place.h"
#include "planning/Night.h"
#include "planning/WellPlaced.h"

// The object's name as a title ("M 31", "Jupiter", "Vega").
std::string PlannedObjectTitle(const PlannedObject& object, const CatalogStore& catalog);

// An instant (Julian day, universal time) as the place's clock shows it, to the minute, with the
// offset in force then: "2026-12-09T15:32:00+01:00".
std::string LocalDateTimeText(double jdUt, const ZoneRule& zone);

// One JSON object: sunset, sunrise, civil_dusk, civil_dawn, nautical_dusk, nautical_dawn,
// astronomical_dusk, astronomical_dawn, moonrise, moonset (LocalDateTimeText, or null when the
// event does not happen that night), moon_illumination (0..1), moon_phase, dark (a list of
// {"start", "end"}), notes (the polar cases, PolarNotes, and the list's WellPlacedNote) and
// visible (a list of {"name", "transit", "max_altitude", "rise", "set"}, the highest point's
// altitude to a tenth of a degree).
std::string FormatTonightJson(const NightReport& night, const std::vector<VisibleObject>& visible,
                              const std::string& listNote, const Place& place);

// The night's events as readable lines, headed by the date and the place.
std::string FormatNightEvents(const NightReport& night, const SkyDate& date, const Place& place);

// A readable table of the same and the list, headed by the date and the place.
std::string FormatTonightTable(const NightReport& night, const std::vector<VisibleObject>& visible,
                               const std::string& listNote, const SkyDate& date,
                               const Place& place);

// Runs the mode on the arguments after the program name (without --tonight). Returns the
// ExitStatus: kExitBadOption for a bad option or value (one line on `err`), kExitFailed when the
// output cannot be written.
int RunTonightMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   ClockInstant now);
