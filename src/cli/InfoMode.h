// `vesperanova --info OBJECT [chart options]`: prints what the object's information panel shows
// (its title, then one "label value" line per row) for the instant and place of the chart
// options. OBJECT is HR<number>, M<number>, NGC<number> or a Solar System body's name (Moon, Sun,
// Mercury .. Pluto), without regard to case. Never opens a display and never writes the profile.
#pragma once

#include "astro/ClockTime.h"
#include "astro/SkyDate.h"
#include "catalog/CatalogStore.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

enum class InfoObjectKind { Star, Body, DeepSky, FaintStar };

// An object named on the command line, before it is looked up in the catalogue.
struct InfoObjectName {
    InfoObjectKind kind = InfoObjectKind::Body;
    bool ngc = false;     // DeepSky: an NGC number rather than a Messier number
    long number = 0;      // HR, Messier, NGC or Hipparcos number
    std::size_t body = 0; // Body: index 0 Moon .. 9 Pluto
};

// Reads "HR2491", "hr 2491", "M31", "NGC7329", "Jupiter"; nullopt for anything else.
std::optional<InfoObjectName> ParseInfoObject(std::string_view text);

// The table index of a named star (first star with that HR number) or deep-sky object (Messier
// entries for M, NGC entries for NGC); the body index for a body. nullopt when the catalogue
// holds no such object.
std::optional<std::size_t> FindInfoObject(const InfoObjectName& name, const CatalogStore& catalog);

// Runs the mode on the arguments after the program name, without "--info" itself (its OBJECT
// argument stays among them). Returns the ExitStatus: kExitBadOption for a bad option or an
// unknown object, kExitMissingCatalogue when a catalogue file the object needs cannot be opened,
// kExitFailed when the output cannot be written.
int RunInfoMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                ClockInstant now);
