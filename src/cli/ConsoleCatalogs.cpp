#include "cli/ConsoleCatalogs.h"

#include <string>

#include "catalog/CatalogLocator.h"
#include "catalog/Loaders.h"

bool LoadConsoleCatalogs(CatalogStore& catalog, const std::filesystem::path& programDir,
                         const ChartOptions& options, std::ostream& err) {
    const CatalogLoadResult loaded = LoadCatalogs(catalog, CatalogLocator(programDir));
    for (const std::string& warning : loaded.warnings) {
        if (!WarnedAlready(options, warning)) {
            err << "vesperanova: " << warning << "\n";
        }
    }
    if (!loaded.ok()) {
        err << "vesperanova: " << loaded.message << "\n";
        return false;
    }
    return true;
}
