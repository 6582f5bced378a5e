// Where the catalogue files and the files that come with them are looked for.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// Where the files are looked for: the current working directory first, then the program
// directory. An empty program directory is skipped.
// Larger files are not catalogue files; they are refused rather than read into memory.
inline constexpr std::size_t kMaxCatalogFileBytes = 16u << 20;

class CatalogLocator {
public:
    // The start-up search: the current working directory, then programDir.
    explicit CatalogLocator(const std::filesystem::path& programDir = {});
    // An explicit list of directories, searched in order (tests).
    explicit CatalogLocator(std::vector<std::filesystem::path> directories);

    // The first existing regular file of that name, or nothing.
    std::optional<std::filesystem::path> Find(std::string_view fileName) const;
    const std::vector<std::filesystem::path>& Directories() const { return m_directories; }

private:
    std::vector<std::filesystem::path> m_directories;
};
