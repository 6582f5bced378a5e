#include "catalog/CatalogLocator.h"

#include <system_error>
#include <utility>

CatalogLocator::CatalogLocator(const std::filesystem::path& programDir) {
    std::error_code ec;
    std::filesystem::path cwd = std::filesystem::current_path(ec);
    if (!ec) {
        m_directories.push_back(std::move(cwd));
    }
    if (!programDir.empty()) {
        m_directories.push_back(programDir);
    }
}

CatalogLocator::CatalogLocator(std::vector<std::filesystem::path> directories)
    : m_directories(std::move(directories)) {}

std::optional<std::filesystem::path> CatalogLocator::Find(std::string_view fileName) const {
    for (const std::filesystem::path& dir : m_directories) {
        std::filesystem::path candidate = dir / std::filesystem::path(fileName);
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec)) {
            return candidate;
        }
    }
    return std::nullopt;
}
