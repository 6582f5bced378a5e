// File > Export Chart...: the chart exactly as it stands on screen (date, place, mode, level,
// centre, switches, limits, sky colour), at the size of the view, written as a PNG picture, an
// SVG drawing or a PDF document through the same drawing code as `vesperanova --render`.
// Night vision never reaches the file: it only changes the screen's copy of a frame.
#pragma once

#include "chart/ChartExport.h"

#include <memory>
#include <string>

struct CommandContext;
class wxFileDialog;
class wxWindow;

// The save dialog's filters, in this order.
inline constexpr const char* kExportWildcard =
    "PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf";
inline constexpr const char* kExportDialogTitle = "Export Chart";

// The save dialog of the export (PNG, SVG and PDF filters, replacing a file asks first), set to
// the folder and filter of the last export of this run.
std::unique_ptr<wxFileDialog> MakeExportDialog(wxWindow* parent);

// The file to write when the user named `path` with filter `filterIndex` selected: a name that
// ends in .png, .svg or .pdf keeps its own extension (and format); any other name gets the
// filter's extension added.
std::string ExportPathForChoice(const std::string& path, int filterIndex);

// Writes the chart of the context's view to `path` in the format its extension names. A
// failure is shown in a message box (caption "Vesperanova") that names the file and the reason;
// nothing half-written is left behind and a file already there stays as it was. The chart and the
// view's picking tables are left as the screen frame made them. Returns true when written.
bool ExportChartToFile(CommandContext& context, const std::string& path);
