// One chart frame on a 1920 x 1080 off-screen image: the default chart, the default chart
// panned before every frame, every layer switched on at the widest and a closer zoom level (these
// also with the faint stars beside the same frame without them), the deep zoom levels, and a
// date change (recompute plus frame) as the animation does it. Each frame benchmark also times
// one bare cairo fill of the same image in the same run and reports the frame's cost in such
// fills (counter "fills"), a measure that holds across machines. Night vision is timed on a
// finished default frame. The natural style's frames run beside the classic ones (the same
// chart, the same run), so that their cost compares directly.
#include "BenchChart.h"
#include "chart/CairoSurface.h"
#include "chart/LayerSwitches.h"
#include "chart/NightVisionPalette.h"
#include "navigation/Navigation.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <vector>

namespace {

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

struct FrameBench : BenchChart {
    CairoImageSurface surface{kWidth, kHeight};

    // Every layer means every layer but the faint stars, which `faint` switches on its own.
    explicit FrameBench(bool everyLayer, int level, bool natural = false, bool faint = false) {
        settings.SkyDate = SkyDate{2024, 3, 10, 22, 0, 0};
        settings.Level = level;
        settings.NaturalSky = natural ? 1 : 0;
        if (everyLayer) {
            for (const LayerSwitch& row : kLayerSwitches) {
                settings.*row.setting = 1;
            }
        }
        settings.FaintStars = faint ? 1 : 0;
        Start();
    }

    // One fill of the whole image with one colour, as the frame's own background fill but
    // without anything else.
    void BareFill(int pass) {
        cairo_t* cr = surface.Context();
        cairo_set_source_rgb(cr, 0.0, 0.0, (pass % 2) * 0.5);
        cairo_rectangle(cr, 0, 0, kWidth, kHeight);
        cairo_fill(cr);
        cairo_surface_flush(surface.Image());
    }

    // Runs the frame as the benchmark's loop; after each frame (outside the timing) one bare
    // fill of the same image is timed, and the counter "fills" gives the median frame over the
    // median fill. Both are timed in the thread's processor time, as the machine may be shared.
    void Run(benchmark::State& state) {
        std::vector<double> frames;
        std::vector<double> fills;
        int pass = 0;
        for (auto _ : state) {
            const double start = ThreadSeconds();
            Frame(state);
            frames.push_back(ThreadSeconds() - start);
            state.PauseTiming();
            const double fillStart = ThreadSeconds();
            BareFill(pass++);
            fills.push_back(ThreadSeconds() - fillStart);
            state.ResumeTiming();
        }
        state.counters["fill_ms"] = Median(fills) * 1e3;
        state.counters["fills"] = Median(frames) / Median(fills);
    }

    // When set, each frame first turns the chart by one pan step (a third of an hour), as
    // dragging it does.
    bool pan = false;

    void Frame(benchmark::State& state) {
        if (pan) {
            chart->m_dTurnX = std::fmod(chart->m_dTurnX + 1.0 / 3.0, 24.0);
        }
        const FrameResult result =
            Draw(*chart, session->Sky(), session->Catalog(), settings, surface, Options());
        if (!result.ok) {
            state.SkipWithError(result.error.c_str());
        }
        surface.Flush();
    }
};

// The default chart and every layer without and with the faint stars (argument "faint"): the
// faint stars may cost at most as much again as the frame without them.
void BM_FrameDefault(benchmark::State& state) {
    FrameBench bench(false, 2, false, state.range(0) != 0);
    bench.Run(state);
}
BENCHMARK(BM_FrameDefault)->ArgName("faint")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The default chart panned before every frame: the projection's memo of the turned longitudes
// misses on every frame (only the declinations' sines and cosines are reused).
void BM_FramePanned(benchmark::State& state) {
    FrameBench bench(false, 2);
    bench.pan = true;
    bench.Run(state);
}
BENCHMARK(BM_FramePanned)->Unit(benchmark::kMillisecond);

void BM_FrameEveryLayer(benchmark::State& state) {
    FrameBench bench(true, static_cast<int>(state.range(0)), false, state.range(1) != 0);
    bench.Run(state);
}
BENCHMARK(BM_FrameEveryLayer)
    ->ArgNames({"level", "faint"})
    ->ArgsProduct({{0, 5}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The zoom with the magnitude limits following it: the deepest ordinary level without and with
// the faint stars, and the deepest level of all (faint stars to the catalogue's limit), on the
// default layers.
void BM_FrameDeepZoom(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    FrameBench bench(false, level, false, state.range(1) != 0);
    ApplyAutoLimits(*bench.chart);
    bench.Run(state);
}
BENCHMARK(BM_FrameDeepZoom)
    ->ArgNames({"level", "faint"})
    ->Args({11, 0})
    ->Args({11, 1})
    ->Args({kMaxDeepLevel, 1})
    ->Unit(benchmark::kMillisecond);

// The natural style: the default chart, every layer at the widest level, and the local-horizon
// chart with its ground, in the precise model that draws apparent altitudes.
void BM_NaturalFrameDefault(benchmark::State& state) {
    FrameBench bench(false, 2, true);
    bench.Run(state);
}
BENCHMARK(BM_NaturalFrameDefault)->Unit(benchmark::kMillisecond);

// Panned before every frame: the sky and its glows kept from the frame before do not fit, and
// are drawn afresh each time, as while the chart is dragged or the time runs.
void BM_NaturalFramePanned(benchmark::State& state) {
    FrameBench bench(false, 2, true);
    bench.pan = true;
    bench.Run(state);
}
BENCHMARK(BM_NaturalFramePanned)->Unit(benchmark::kMillisecond);

void BM_NaturalFrameEveryLayer(benchmark::State& state) {
    FrameBench bench(true, static_cast<int>(state.range(0)), true);
    bench.Run(state);
}
BENCHMARK(BM_NaturalFrameEveryLayer)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_NaturalFrameHorizon(benchmark::State& state) {
    FrameBench bench(false, 2, true);
    bench.chart->m_bHorizonView = kChartLocalHorizon;
    bench.chart->m_nHorizonViewSetting = kChartLocalHorizon;
    bench.chart->m_bPreciseModel = 1;
    bench.Run(state);
}
BENCHMARK(BM_NaturalFrameHorizon)->Unit(benchmark::kMillisecond);

void BM_RecomputeAndFrame(benchmark::State& state) {
    FrameBench bench(false, 2);
    for (auto _ : state) {
        bench.settings.SkyDate.minute = (bench.settings.SkyDate.minute + 1) % 60;
        bench.session->SetClockTime(bench.settings.SkyDate);
        bench.Frame(state);
    }
}
BENCHMARK(BM_RecomputeAndFrame)->Unit(benchmark::kMillisecond);

// Night vision over a finished default frame, restored before each pass so every pass turns the
// chart's own colours.
void BM_NightVision(benchmark::State& state) {
    FrameBench bench(false, 2);
    bench.Frame(state);
    cairo_surface_t* image = bench.surface.Image();
    std::uint8_t* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    const std::vector<std::uint8_t> frame(data, data + static_cast<std::size_t>(stride) * kHeight);
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(frame.begin(), frame.end(), data);
        state.ResumeTiming();
        NightVisionPixels(data, stride, kWidth, kHeight);
        benchmark::DoNotOptimize(data);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_NightVision)->Unit(benchmark::kMillisecond);

} // namespace
