#include "chart/ChartExport.h"

#include "chart/CairoSurface.h"
#include "files/SafeFile.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

namespace {

// Draws the frame on a surface whose drawing area is width x height pixels.
FrameResult DrawInto(DrawSurface& surface, int width, int height, ChartState& chart,
                     SkySession& session, const AppSettings& settings,
                     const ExportOptions& options) {
    FrameOptions frame;
    frame.target = options.target;
    frame.deepColour = options.deepColour;
    frame.pageWidth = width;
    frame.pageHeight = height;
    if (options.target == FrameTarget::Printer) {
        surface.FillRect(PixelRect{0, 0, width, height}, kWhite); // the paper
        const FrameResult result =
            Draw(chart, session.Sky(), session.Catalog(), settings, surface, frame);
        if (result.ok) {
            DrawPageBorder(surface, PixelRect{0, 0, width, height});
        }
        return result;
    }
    PrepareScreenFrame(chart, session);
    return Draw(chart, session.Sky(), session.Catalog(), settings, surface, frame);
}

ExportResult Failed(std::string error) {
    ExportResult result;
    result.ok = false;
    result.error = std::move(error);
    return result;
}

std::string StatusText(cairo_status_t status) {
    return cairo_status_to_string(status);
}

// cairo's stream writer: appends to the std::string behind `closure`.
cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

std::optional<ExportFormat> ExportFormatForPath(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".png") {
        return ExportFormat::Png;
    }
    if (ext == ".svg") {
        return ExportFormat::Svg;
    }
    if (ext == ".pdf") {
        return ExportFormat::Pdf;
    }
    return std::nullopt;
}

ExportResult ExportChart(const std::string& path, ExportFormat format, ChartState& chart,
                         SkySession& session, const AppSettings& settings,
                         const ExportOptions& options) {
    const bool printing = options.target == FrameTarget::Printer;
    const int width = printing ? options.pageWidth : chart.m_rcClient.Width();
    const int height = printing ? options.pageHeight : chart.m_rcClient.Height();
    if (width <= 0 || height <= 0) {
        return Failed("The picture has no size.");
    }
    FrameResult frame;
    std::string writeError;
    std::string bytes; // the whole file, written in one step once it is complete
    ExportResult done;
    const auto noteGeometry = [&] {
        done.radius = frame.geometry.radius;
        done.centerX = frame.geometry.centerX;
        done.centerY = frame.geometry.centerY;
        done.picks = std::move(frame.picks);
    };
    if (format == ExportFormat::Png) {
        CairoImageSurface image(width, height);
        frame = DrawInto(image, width, height, chart, session, settings, options);
        noteGeometry();
        const cairo_status_t drawn = cairo_status(image.Context());
        if (frame.ok && drawn != CAIRO_STATUS_SUCCESS) {
            writeError = "Cannot draw " + path + ": " + StatusText(drawn);
        } else if (frame.ok) {
            const cairo_status_t status =
                cairo_surface_write_to_png_stream(image.Image(), AppendBytes, &bytes);
            if (status != CAIRO_STATUS_SUCCESS) {
                writeError = "Cannot write " + path + ": " + StatusText(status);
            }
        }
    } else {
        const double scale =
            printing ? options.printerPointsPerPixel : options.screenPointsPerPixel;
        cairo_surface_t* target = format == ExportFormat::Svg
                                      ? cairo_svg_surface_create_for_stream(
                                            AppendBytes, &bytes, width * scale, height * scale)
                                      : cairo_pdf_surface_create_for_stream(
                                            AppendBytes, &bytes, width * scale, height * scale);
        cairo_t* cr = cairo_create(target);
        cairo_scale(cr, scale, scale);
        {
            CairoSurface surface(cr, width, height);
            frame = DrawInto(surface, width, height, chart, session, settings, options);
            noteGeometry();
        }
        const cairo_status_t drawn = cairo_status(cr);
        cairo_destroy(cr);
        cairo_surface_finish(target);
        const cairo_status_t status =
            drawn != CAIRO_STATUS_SUCCESS ? drawn : cairo_surface_status(target);
        cairo_surface_destroy(target);
        if (frame.ok && status != CAIRO_STATUS_SUCCESS) {
            writeError = "Cannot write " + path + ": " + StatusText(status);
        }
    }

    if (!frame.ok) {
        return Failed("The chart could not be drawn: " + frame.error);
    }
    if (!writeError.empty()) {
        return Failed(writeError);
    }
    if (!options.writeFile) {
        done.bytes = std::move(bytes);
        return done;
    }
    if (const FileResult written = WriteFileReplacing(path, bytes); !written) {
        return Failed(written.error);
    }
    return done;
}
