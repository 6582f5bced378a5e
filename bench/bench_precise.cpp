// The precise sky model: one recompute on a date change (bodies, apparent sidereal time, horizon
// ring and every catalogue point carried to the date) against the classic one, and a frame drawn
// in each model (the precise one must not be slower: the layers read the same tables).
#include "BenchChart.h"
#include "chart/CairoSurface.h"

#include <benchmark/benchmark.h>

namespace {

struct ModelBench : BenchChart {
    explicit ModelBench(bool precise) {
        settings.SkyDate = SkyDate{2026, 12, 8, 21, 0, 0};
        settings.PrecisePositions = precise ? 1 : 0;
        Start();
    }
};

void BM_RecomputeOnDateChange(benchmark::State& state) {
    ModelBench bench(state.range(0) != 0);
    for (auto _ : state) {
        // A new instant each time, as the animation and the date dialog do.
        bench.settings.SkyDate.minute = (bench.settings.SkyDate.minute + 1) % 60;
        bench.session->Step(bench.settings.SkyDate);
        benchmark::ClobberMemory();
    }
}
// Argument 0: classic, 1: precise.
BENCHMARK(BM_RecomputeOnDateChange)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_FrameInModel(benchmark::State& state) {
    ModelBench bench(state.range(0) != 0);
    CairoImageSurface surface{kWidth, kHeight};
    for (auto _ : state) {
        const FrameResult result =
            Draw(*bench.chart, bench.session->Sky(), bench.session->Catalog(), bench.settings,
                 surface, bench.Options());
        if (!result.ok) {
            state.SkipWithError(result.error.c_str());
        }
        surface.Flush();
    }
}
BENCHMARK(BM_FrameInModel)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One animation step: a new instant, then the frame. In the precise model every catalogue point
// moves, so the frame recomputes what it keeps of the points' positions.
void BM_AnimationStepInModel(benchmark::State& state) {
    ModelBench bench(state.range(0) != 0);
    CairoImageSurface surface{kWidth, kHeight};
    for (auto _ : state) {
        bench.settings.SkyDate.minute = (bench.settings.SkyDate.minute + 1) % 60;
        bench.session->Step(bench.settings.SkyDate);
        const FrameResult result =
            Draw(*bench.chart, bench.session->Sky(), bench.session->Catalog(), bench.settings,
                 surface, bench.Options());
        if (!result.ok) {
            state.SkipWithError(result.error.c_str());
        }
        surface.Flush();
    }
}
BENCHMARK(BM_AnimationStepInModel)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
