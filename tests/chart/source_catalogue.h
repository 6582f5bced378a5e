// The catalogue built from the project's source data, for the chart tests that need the real sky.
#pragma once

#include "catalog/CatalogStore.h"
#include "catalog/Loaders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

// The loaded catalogue, or nothing when its files are not built yet (the caller skips).
inline std::unique_ptr<CatalogStore> SourceCatalogue() {
    const std::filesystem::path dataDir = VN_SOURCE_DATA_DIR;
    if (!std::filesystem::exists(dataDir / "bsc5.big")) {
        return nullptr;
    }
    auto store = std::make_unique<CatalogStore>();
    EXPECT_TRUE(LoadCatalogs(*store, CatalogLocator({dataDir})).ok());
    return store;
}
