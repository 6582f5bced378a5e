// File > Export Chart...: the chart as a PNG, SVG or PDF file. Chart export fills this in.
#include "frame/CommandHooks.h"

void ExportChartCommand(CMainFrame&) {}
