// Start-up loading: every catalogue file as the program reads them, and the faint-star file
// alone (the largest, read even while its layer is off).
#include "catalog/CatalogStore.h"
#include "catalog/FaintStars.h"
#include "catalog/Loaders.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace {

CatalogLocator SourceData() {
    return CatalogLocator(
        std::vector<std::filesystem::path>{std::filesystem::path(VN_SOURCE_DATA_DIR)});
}

void BM_LoadFaintStars(benchmark::State& state) {
    const CatalogLocator locator = SourceData();
    for (auto _ : state) {
        FaintStarTable table;
        if (LoadFaintStars(locator, table) || !table.Available()) {
            state.SkipWithError("hipparcos.bin is missing or damaged");
            break;
        }
        benchmark::DoNotOptimize(table.stars.data());
    }
}
BENCHMARK(BM_LoadFaintStars)->Unit(benchmark::kMillisecond);

void BM_LoadCatalogs(benchmark::State& state) {
    const CatalogLocator locator = SourceData();
    for (auto _ : state) {
        auto store = std::make_unique<CatalogStore>();
        if (!LoadCatalogs(*store, locator).ok()) {
            state.SkipWithError("a catalogue file is missing");
            break;
        }
        benchmark::DoNotOptimize(store.get());
    }
}
BENCHMARK(BM_LoadCatalogs)->Unit(benchmark::kMillisecond);

} // namespace
