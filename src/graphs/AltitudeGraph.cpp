#include "graphs/AltitudeGraph.h"

#include <algorithm>
#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "astro/ClockTime.h"

namespace {

constexpr double kUnixEpochJd = 2440587.5;
constexpr double kMinAltitude = -90.0;
constexpr double kMaxAltitude = 90.0;

struct Rgb {
    double r, g, b;
};

// Light sky blue by day, darker steps through the twilights, near black at night.
Rgb BandColour(double sunAltitude) {
    const std::string band = SkyBandOf(sunAltitude);
    if (band == "day") {
        return {0.62, 0.78, 0.93};
    }
    if (band == "civil") {
        return {0.40, 0.52, 0.72};
    }
    if (band == "nautical") {
        return {0.22, 0.30, 0.50};
    }
    if (band == "astronomical") {
        return {0.12, 0.15, 0.30};
    }
    return {0.04, 0.05, 0.12};
}

double XOf(const GraphArea& a, const AltitudeDay& day, double jd) {
    return a.left + (jd - day.startJd) / (day.endJd - day.startJd) * (a.right - a.left);
}

double YOf(const GraphArea& a, double altitude) {
    const double clamped = std::clamp(altitude, kMinAltitude, kMaxAltitude);
    return a.bottom - (clamped - kMinAltitude) / (kMaxAltitude - kMinAltitude) * (a.bottom - a.top);
}

void Text(cairo_t* cr, double x, double y, const std::string& text, double alignX) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    cairo_move_to(cr, x - alignX * e.width, y);
    cairo_show_text(cr, text.c_str());
}

void Curve(cairo_t* cr, const GraphArea& a, const AltitudeDay& day,
           const std::vector<double>& altitudes) {
    for (std::size_t i = 0; i < altitudes.size() && i < day.object.size(); ++i) {
        const double x = XOf(a, day, day.object[i].jd);
        const double y = YOf(a, altitudes[i]);
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_stroke(cr);
}

cairo_status_t WriteBytes(void* closure, const unsigned char* data, unsigned int length) {
    std::FILE* file = static_cast<std::FILE*>(closure);
    return std::fwrite(data, 1, length, file) == length ? CAIRO_STATUS_SUCCESS
                                                        : CAIRO_STATUS_WRITE_ERROR;
}

} // namespace

std::vector<GraphTick> HourTicks(double startJd, double endJd, const ZoneRule& zone) {
    std::vector<GraphTick> ticks;
    const auto start = static_cast<long long>(std::ceil((startJd - kUnixEpochJd) * 24.0 - 1e-6));
    const auto end = static_cast<long long>(std::floor((endJd - kUnixEpochJd) * 24.0 + 1e-6));
    for (long long hour = start; hour <= end; ++hour) {
        // Whole hours of universal time are whole hours of the clock in every zone with a whole
        // hour offset; a zone with a half-hour offset gets its ticks at half past.
        const SkyDate clock =
            ObserverClockTime(ClockInstant{std::chrono::seconds(hour * 3600)}, zone);
        if (clock.hour % 2 != 0) {
            continue;
        }
        char label[8];
        std::snprintf(label, sizeof label, "%02d:%02d", clock.hour, clock.minute);
        ticks.push_back({kUnixEpochJd + static_cast<double>(hour) / 24.0, label});
    }
    return ticks;
}

GraphArea GraphAreaOf(double width, double height) {
    // The right margin holds half of the last hour label.
    return {56.0, 36.0, width - 24.0, height - 36.0};
}

const char* SkyBandOf(double sunAltitude) {
    if (sunAltitude > -50.0 / 60.0) {
        return "day";
    }
    if (sunAltitude > -6.0) {
        return "civil";
    }
    if (sunAltitude > -12.0) {
        return "nautical";
    }
    if (sunAltitude > -18.0) {
        return "astronomical";
    }
    return "night";
}

std::optional<GraphReading> ReadGraphAt(const AltitudeGraph& graph, double width, double height,
                                        double x) {
    const GraphArea a = GraphAreaOf(width, height);
    const AltitudeDay& day = graph.day;
    if (x < a.left || x > a.right || day.object.size() < 2) {
        return std::nullopt;
    }
    const double jd = day.startJd + (x - a.left) / (a.right - a.left) * (day.endJd - day.startJd);
    const auto after = std::lower_bound(day.object.begin(), day.object.end(), jd,
                                        [](const AltitudePoint& p, double t) { return p.jd < t; });
    if (after == day.object.begin()) {
        return GraphReading{jd, after->altitude};
    }
    if (after == day.object.end()) {
        return GraphReading{jd, day.object.back().altitude};
    }
    const AltitudePoint& p = *(after - 1);
    const double f = (jd - p.jd) / (after->jd - p.jd);
    return GraphReading{jd, p.altitude + f * (after->altitude - p.altitude)};
}

void DrawAltitudeGraph(cairo_t* cr, double width, double height, const AltitudeGraph& graph) {
    const GraphArea a = GraphAreaOf(width, height);
    const AltitudeDay& day = graph.day;
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_paint(cr);
    // The bands: each 10-minute step coloured by the Sun's altitude at its middle.
    for (std::size_t i = 0; i + 1 < day.object.size() && i + 1 < day.sunAltitude.size(); ++i) {
        const Rgb c = BandColour(0.5 * (day.sunAltitude[i] + day.sunAltitude[i + 1]));
        cairo_set_source_rgb(cr, c.r, c.g, c.b);
        const double x0 = XOf(a, day, day.object[i].jd);
        const double x1 = XOf(a, day, day.object[i + 1].jd);
        cairo_rectangle(cr, std::floor(x0), a.top, std::ceil(x1) - std::floor(x0),
                        a.bottom - a.top);
        cairo_fill(cr);
    }
    cairo_set_line_width(cr, 1.0);
    // Degrees: a grid line every 30, the horizon stronger.
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 12.0);
    for (int alt = -90; alt <= 90; alt += 30) {
        const double y = std::round(YOf(a, alt)) + 0.5;
        cairo_set_source_rgba(cr, 0.7, 0.7, 0.7, alt == 0 ? 1.0 : 0.45);
        cairo_set_line_width(cr, alt == 0 ? 2.0 : 1.0);
        cairo_move_to(cr, a.left, y);
        cairo_line_to(cr, a.right, y);
        cairo_stroke(cr);
        cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
        Text(cr, a.left - 6.0, y + 4.0, std::to_string(alt) + "\u00b0", 1.0);
    }
    cairo_set_line_width(cr, 1.0);
    for (const GraphTick& tick : graph.ticks) {
        const double x = std::round(XOf(a, day, tick.jd)) + 0.5;
        cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
        cairo_move_to(cr, x, a.bottom);
        cairo_line_to(cr, x, a.bottom + 5.0);
        cairo_stroke(cr);
        Text(cr, x, a.bottom + 18.0, tick.label, 0.5);
    }
    // The Moon's curve, then the object's over it.
    cairo_set_source_rgba(cr, 0.85, 0.85, 0.6, 0.9);
    cairo_set_line_width(cr, 1.5);
    const double dash[] = {6.0, 4.0};
    cairo_set_dash(cr, dash, 2, 0.0);
    Curve(cr, a, day, day.moonAltitude);
    cairo_set_dash(cr, nullptr, 0, 0.0);
    std::vector<double> object;
    for (const AltitudePoint& p : day.object) {
        object.push_back(p.altitude);
    }
    cairo_set_source_rgb(cr, 1.0, 0.55, 0.1);
    cairo_set_line_width(cr, 2.5);
    Curve(cr, a, day, object);
    if (const std::optional<AltitudePoint> top = HighestPoint(day)) {
        cairo_arc(cr, XOf(a, day, top->jd), YOf(a, top->altitude), 5.0, 0.0, 2.0 * M_PI);
        cairo_fill(cr);
    }
    if (graph.chartJd && *graph.chartJd >= day.startJd && *graph.chartJd <= day.endJd) {
        const double x = std::round(XOf(a, day, *graph.chartJd)) + 0.5;
        cairo_set_source_rgb(cr, 0.9, 0.1, 0.1);
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, x, a.top);
        cairo_line_to(cr, x, a.bottom);
        cairo_stroke(cr);
    }
    cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
    cairo_set_line_width(cr, 1.0);
    cairo_rectangle(cr, a.left + 0.5, a.top + 0.5, a.right - a.left - 1.0, a.bottom - a.top - 1.0);
    cairo_stroke(cr);
    cairo_set_font_size(cr, 14.0);
    Text(cr, a.left, a.top - 12.0, graph.title, 0.0);
}

std::optional<GraphFormat> GraphFormatForPath(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) {
        return std::nullopt;
    }
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "png") {
        return GraphFormat::Png;
    }
    if (ext == "svg") {
        return GraphFormat::Svg;
    }
    if (ext == "pdf") {
        return GraphFormat::Pdf;
    }
    return std::nullopt;
}

std::string WriteAltitudeGraph(const std::string& path, GraphFormat format, int width, int height,
                               const AltitudeGraph& graph) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return "cannot write " + path;
    }
    cairo_surface_t* surface =
        format == GraphFormat::Png ? cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)
        : format == GraphFormat::Svg
            ? cairo_svg_surface_create_for_stream(WriteBytes, file, width, height)
            : cairo_pdf_surface_create_for_stream(WriteBytes, file, width, height);
    cairo_t* cr = cairo_create(surface);
    DrawAltitudeGraph(cr, width, height, graph);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    cairo_status_t status = CAIRO_STATUS_SUCCESS;
    if (format == GraphFormat::Png) {
        status = cairo_surface_write_to_png_stream(surface, WriteBytes, file);
    }
    cairo_surface_finish(surface);
    if (status == CAIRO_STATUS_SUCCESS) {
        status = cairo_surface_status(surface);
    }
    cairo_surface_destroy(surface);
    const bool closed = std::fclose(file) == 0;
    return status == CAIRO_STATUS_SUCCESS && closed ? std::string() : "cannot write " + path;
}
