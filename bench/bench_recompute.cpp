// Cost of one full recompute of the sky (Julian day, Sun, Moon with the horizon ring, eight
// planets, sidereal angles): what every animation step and every date or place change pays.
#include <benchmark/benchmark.h>

#include <memory>

#include "astro/Recompute.h"
#include "catalog/CatalogStore.h"

namespace {

void BM_RecomputeSkyFull(benchmark::State& state) {
    const Place krakow = PlaceOf(Observer{"Poland:Krakow", 19, 55, "E", 50, 2, "N", 1.0f});
    SkyDate date{2024, 3, 10, 20, 30, 0};
    SkyState sky;
    const auto catalog = std::make_unique<CatalogStore>();
    for (auto _ : state) {
        date.minute = (date.minute + 1) % 60; // a new instant each time, as the animation does
        RecomputeSky(RecomputeForm::DateTimeChanged, SkyModelFor(SkyModelKind::Classic), date,
                     krakow, sky, *catalog);
        benchmark::DoNotOptimize(sky);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RecomputeSkyFull);

void BM_RecomputeSkyLocationOnly(benchmark::State& state) {
    const Place krakow = PlaceOf(Observer{"Poland:Krakow", 19, 55, "E", 50, 2, "N", 1.0f});
    const SkyDate date{2024, 3, 10, 20, 30, 0};
    SkyState sky;
    const auto catalog = std::make_unique<CatalogStore>();
    for (auto _ : state) {
        RecomputeSky(RecomputeForm::LocationChanged, SkyModelFor(SkyModelKind::Classic), date,
                     krakow, sky, *catalog);
        benchmark::DoNotOptimize(sky);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RecomputeSkyLocationOnly);

} // namespace
