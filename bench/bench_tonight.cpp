// The Tonight window's and --tonight's computation in the precise model: the night's events
// (the Sun's four altitudes, the Moon, the dark hours) and the list of what is well placed (the
// Moon, the planets, the Messier objects and the 50 brightest stars), for the December nights at
// the profile's default place, one after another (so that no night is computed twice running).
#include "BenchChart.h"
#include "planning/Night.h"
#include "planning/WellPlaced.h"

#include <benchmark/benchmark.h>

namespace {

// The evening of the n-th night of the cycle: December 1 to 28, 20:00.
SkyDate NightOf(int n) {
    return SkyDate{2026, 12, 1 + n % 28, 20, 0, 0};
}

struct TonightBench : BenchChart {
    TonightBench() {
        settings.SkyDate = SkyDate{2026, 12, 9, 20, 0, 0};
        settings.PrecisePositions = 1;
        Start();
    }
};

void BM_TonightEvents(benchmark::State& state) {
    TonightBench bench;
    int n = 0;
    for (auto _ : state) {
        const NightReport night =
            ComputeNight(NightOf(n++), bench.session->Place(), bench.session->Model());
        benchmark::DoNotOptimize(night.dark.data());
    }
}
BENCHMARK(BM_TonightEvents)->Unit(benchmark::kMillisecond);

// The events and the list, as the window computes them when it opens.
void BM_TonightWithList(benchmark::State& state) {
    TonightBench bench;
    const SkySession& session = *bench.session;
    const std::vector<PlannedObject> objects =
        PlanningCandidates(session.Catalog(), kBrightStarCount);
    int n = 0;
    for (auto _ : state) {
        const NightReport night = ComputeNight(NightOf(n++), session.Place(), session.Model());
        const WellPlacedList list =
            ComputeWellPlaced(night, objects, session.Catalog(), session.Place(), session.Model());
        benchmark::DoNotOptimize(list.entries.data());
    }
}
BENCHMARK(BM_TonightWithList)->Unit(benchmark::kMillisecond);

} // namespace
