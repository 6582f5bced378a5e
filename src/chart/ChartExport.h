// Draws one chart frame into a file: PNG (an image of the screen or page pixels), SVG or PDF
// (the same drawing as vector paths). Used by the console render mode and by the desktop
// program's export.
#pragma once

#include "chart/ChartState.h"
#include "chart/Frame.h"

#include <optional>
#include <string>

struct AppSettings;
struct CatalogStore;

enum class ExportFormat { Png, Svg, Pdf };

// The format named by the file's extension (.png, .svg, .pdf, any case), or nothing.
std::optional<ExportFormat> ExportFormatForPath(const std::string& path);

struct ExportOptions {
    // Screen: the chart's client area is drawn (its size is the picture's size).
    // Printer: a page of pageWidth x pageHeight device pixels on white paper, with its border.
    FrameTarget target = FrameTarget::Screen;
    int pageWidth = 2480; // A4 at 300 pixels per inch
    int pageHeight = 3508;
    bool deepColour = true;
    // Size of one pixel in SVG and PDF output, in points (screen pixels at 96 per inch, printer
    // pixels at 300 per inch).
    double screenPointsPerPixel = 72.0 / 96.0;
    double printerPointsPerPixel = 72.0 / 300.0;
    // False: the file's bytes are returned in ExportResult::bytes and nothing is written (the
    // caller writes them together with other files).
    bool writeFile = true;
};

struct ExportResult {
    bool ok = true;
    std::string error; // one line for the user when !ok
    // The geometry the frame was drawn with (the printer's on a printed page), in whose pixels
    // the picking tables are.
    unsigned radius = 0;
    int centerX = 0;
    int centerY = 0;
    PickingTables picks; // where the frame drew each pickable object
    std::string bytes;   // the whole file, when ExportOptions::writeFile is false
};

// Draws the frame and writes it to `path` with WriteFileReplacing (or only returns its bytes) (a
// failed export leaves an existing file as it was; a folder, device or pipe at the path is
// refused). A printed page is drawn with its own projector: the chart keeps the screen's radius and
// centre.
ExportResult ExportChart(const std::string& path, ExportFormat format, ChartState& chart,
                         SkySession& session, const AppSettings& settings,
                         const ExportOptions& options = {});
