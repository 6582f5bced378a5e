// The --render console mode: draws one chart frame into a PNG, SVG or PDF file without a
// display, for the instant and place of the chart options and the user's profile (never
// written).
//
// Its options are the rows of kOptionTable (OptionTable.h) that Mode::Render takes.
//
// Returns the ExitStatus: kExitFailed when the file could not be drawn or written, kExitBadOption
// for bad options, kExitMissingCatalogue when a catalogue file is missing.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "astro/ClockTime.h"
#include "astro/SkyDate.h"

struct CatalogStore;
struct PickingTables;

// `args` are the command line's arguments without the program name, "--render" and its file.
int RunRenderMode(const std::string& outputPath, const std::vector<std::string>& args,
                  std::ostream& out, std::ostream& err, ClockInstant now);

// The picking tables of the last frame as JSON: every star, body and deep-sky object drawn, with
// its table index, its name or number and its pixel position; with `faintStars` (the layer on)
// also every faint star drawn, with its Hipparcos number and V magnitude.
// The geometry is the frame's (printer pixels on a printed page).
std::string PickingTablesJson(const PickingTables& picks, const CatalogStore& catalog,
                              unsigned radius, int centerX, int centerY, bool faintStars = false);
