// `vesperanova --altitude OBJECT [--json] [--plot FILE] [chart options]`: the object's altitude
// and azimuth every 10 minutes from local noon of the chart's date to the next local noon in the
// chart's zone, as the information panel computes them with the chart's model (so a row agrees
// with `--info` at the same instant); with --plot also the altitude graph (graphs/AltitudeGraph.h)
// as PNG, SVG or PDF. OBJECT is anything `--info` and the find box take. Never opens a display
// and never writes the profile.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "astro/ClockTime.h"
#include "astro/Place.h"
#include "planning/AltitudeDay.h"

// One JSON object: object, zone_name, utc_offset (the offset at the day's start, "+01:00"), and
// points, a list of {"time", "altitude", "azimuth"}, degrees to two decimals.
std::string FormatAltitudeJson(const std::string& name, const AltitudeDay& day,
                               const ZoneRule& zone);

int RunAltitudeMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    ClockInstant now);
