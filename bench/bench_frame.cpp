// One chart frame on a 1920 x 1080 off-screen image: the default chart, every layer switched on at
// the widest and a closer zoom level, and a date change (recompute plus frame) as the animation
// does it.
#include "astro/Recompute.h"
#include "catalog/CatalogStore.h"
#include "catalog/Loaders.h"
#include "chart/CairoSurface.h"
#include "chart/ChartState.h"
#include "chart/Frame.h"
#include "settings/AppSettings.h"
#include "settings/Profile.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct FrameBench {
    AppSettings settings = DefaultSettings();
    std::unique_ptr<CatalogStore> catalog = std::make_unique<CatalogStore>();
    std::unique_ptr<ChartState> chart;
    CairoImageSurface surface{kWidth, kHeight};

    explicit FrameBench(bool everyLayer, int level) {
        settings.SkyDate = SkyDate{2024, 3, 10, 22, 0, 0};
        settings.Level = level;
        if (everyLayer) {
            for (std::int32_t* s :
                 {&settings.Coordinations, &settings.Boundaries, &settings.Constelations,
                  &settings.DeepSky, &settings.StarNames, &settings.DeepSkyNames,
                  &settings.Ecliptic, &settings.Horizon, &settings.MilkyWay, &settings.SolarSystem,
                  &settings.SolSysLabels}) {
                *s = 1;
            }
        }
        const CatalogLoadResult loaded =
            LoadCatalogs(*catalog, CatalogLocator(std::vector<std::filesystem::path>{
                                       std::filesystem::path(VN_SOURCE_DATA_DIR)}));
        if (!loaded.ok()) {
            throw std::runtime_error(loaded.message);
        }
        chart = std::make_unique<ChartState>(settings);
        SetClientSize(*chart, kWidth, kHeight);
        InitialUpdate(*chart, *catalog, settings, kWidth, kHeight);
    }

    void Frame(benchmark::State& state) {
        const FrameResult result = Draw(*chart, *catalog, settings, surface);
        if (!result.ok) {
            state.SkipWithError(result.error.c_str());
        }
        surface.Flush();
    }
};

void BM_FrameDefault(benchmark::State& state) {
    FrameBench bench(false, 2);
    for (auto _ : state) {
        bench.Frame(state);
    }
}
BENCHMARK(BM_FrameDefault)->Unit(benchmark::kMillisecond);

void BM_FrameEveryLayer(benchmark::State& state) {
    FrameBench bench(true, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        bench.Frame(state);
    }
}
BENCHMARK(BM_FrameEveryLayer)->Arg(0)->Arg(5)->Unit(benchmark::kMillisecond);

void BM_RecomputeAndFrame(benchmark::State& state) {
    FrameBench bench(false, 2);
    for (auto _ : state) {
        bench.settings.SkyDate.minute = (bench.settings.SkyDate.minute + 1) % 60;
        RecomputeSky(RecomputeForm::DateTimeChanged, bench.settings.SkyDate,
                     bench.settings.Observer, *bench.chart, *bench.catalog);
        bench.Frame(state);
    }
}
BENCHMARK(BM_RecomputeAndFrame)->Unit(benchmark::kMillisecond);

} // namespace
