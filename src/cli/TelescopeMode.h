// `vesperanova --telescope HOST:PORT [--device NAME] --goto OBJECT [--timeout SECONDS] [--force]
// [chart options]` and `vesperanova --telescope HOST:PORT [--device NAME] --status [--json]`:
// drives the mount of an INDI server from scripts. --goto sends the observer's place and time
// (the chart options' instant and place), checks the slew (below the horizon, near the Sun:
// refused without --force), slews to the object's apparent place of date, waits until the slew
// ends and prints the target's and the mount's final right ascension and declination of date.
// --status prints where the mount points and what it does. Never opens a display and never
// writes the profile.
#pragma once

#include "astro/ClockTime.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Runs the mode: `address` is the value of --telescope, `args` every other argument. Returns
// kExitOk, kExitBadOption for a bad option or an unknown object, kExitMissingCatalogue,
// kExitTelescope or kExitFailed (the output could not be written).
int RunTelescopeMode(const std::optional<std::string>& address,
                     const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     ClockInstant now);
