// Loading the catalogues for a console mode: one place that says what went wrong.
#pragma once

#include <filesystem>
#include <ostream>

#include "catalog/CatalogStore.h"
#include "cli/ChartOptions.h"

// Loads the catalogues found from `programDir` into `catalog`. Prints each loader warning that
// the options have not printed already and, when a catalogue is missing or unreadable, its
// message; returns false then (the mode exits with kExitMissingCatalogue).
bool LoadConsoleCatalogs(CatalogStore& catalog, const std::filesystem::path& programDir,
                         const ChartOptions& options, std::ostream& err);
