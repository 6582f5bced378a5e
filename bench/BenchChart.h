// The chart the benchmarks draw: 1920 x 1080 pixels over the catalogue built from the source data,
// with the projection memo kept from frame to frame as the view keeps it.
#pragma once

#include "astro/SkySession.h"
#include "catalog/CatalogStore.h"
#include "catalog/Loaders.h"
#include "chart/ChartSetup.h"
#include "chart/ChartState.h"
#include "chart/Frame.h"
#include "chart/ProjectionMemo.h"
#include "settings/AppSettings.h"
#include "settings/Profile.h"

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

inline constexpr int kWidth = 1920;
inline constexpr int kHeight = 1080;

// The profile's defaults in the classic model: the figures of every benchmark that does not
// choose a model stay comparable from build to build, whatever model a new profile opens with.
inline AppSettings ClassicBenchSettings() {
    AppSettings settings = DefaultSettings();
    settings.PrecisePositions = 0;
    return settings;
}

struct BenchChart {
    AppSettings settings = ClassicBenchSettings();
    std::unique_ptr<SkySession> session;
    std::unique_ptr<ChartState> chart;
    ProjectionMemo memo;

    // Loads the catalogue and makes the sky session and the chart from the settings as they are
    // now.
    void Start() {
        auto catalog = std::make_unique<CatalogStore>();
        const CatalogLoadResult loaded =
            LoadCatalogs(*catalog, CatalogLocator(std::vector<std::filesystem::path>{
                                       std::filesystem::path(VN_SOURCE_DATA_DIR)}));
        if (!loaded.ok()) {
            throw std::runtime_error(loaded.message);
        }
        session =
            std::make_unique<SkySession>(std::move(catalog), settings.SkyDate,
                                         PlaceOf(settings.Observer), SkyModelOfSettings(settings));
        chart = std::make_unique<ChartState>(settings);
        SetClientSize(*chart, kWidth, kHeight);
        InitialUpdate(*chart, kWidth, kHeight);
    }

    // A screen frame's options, with the memo.
    FrameOptions Options() {
        FrameOptions options;
        options.memo = &memo;
        return options;
    }
};
