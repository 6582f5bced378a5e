// The altitude graph: an object's altitude from local noon to the next local noon, over bands for
// day, civil, nautical and astronomical twilight and night (from the Sun's altitude), with the
// Moon's altitude as a second, fainter curve, the horizon, the object's highest point marked and
// the chart's instant as a vertical line; clock-time ticks below, degrees on the left. Drawn with
// cairo, so the desktop window and `vesperanova --altitude --plot` show the same picture.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <cairo.h>

#include "astro/Place.h"
#include "planning/AltitudeDay.h"

struct GraphTick {
    double jd = 0.0;
    std::string label; // "18:00"
};

struct AltitudeGraph {
    AltitudeDay day;
    std::string title;             // "M 31 — Krakow, night of 2026-12-09"
    std::vector<GraphTick> ticks;  // HourTicks
    std::optional<double> chartJd; // the chart's instant, when it falls in the day
};

// Every second whole hour of the zone's clock inside [startJd, endJd], labelled "HH:MM". A
// daylight-saving change shows as an hour label repeated or skipped, as the clock does it.
std::vector<GraphTick> HourTicks(double startJd, double endJd, const ZoneRule& zone);

// The plot area inside a picture of width x height pixels.
struct GraphArea {
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
};
GraphArea GraphAreaOf(double width, double height);

// The band colour names the graph uses for a Sun altitude: "day", "civil", "nautical",
// "astronomical" or "night".
const char* SkyBandOf(double sunAltitude);

// What hovering at picture column x shows: the instant under it and the object's altitude then
// (interpolated between the table's rows); none outside the plot area.
struct GraphReading {
    double jd = 0.0;
    double altitude = 0.0;
};
std::optional<GraphReading> ReadGraphAt(const AltitudeGraph& graph, double width, double height,
                                        double x);

void DrawAltitudeGraph(cairo_t* cr, double width, double height, const AltitudeGraph& graph);

enum class GraphFormat { Png, Svg, Pdf };
// From the file name's extension (any case); none for another one.
std::optional<GraphFormat> GraphFormatForPath(const std::string& path);

// Draws the graph into a file; an error message, or empty when it was written.
std::string WriteAltitudeGraph(const std::string& path, GraphFormat format, int width, int height,
                               const AltitudeGraph& graph);
