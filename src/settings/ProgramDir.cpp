#include "settings/ProgramDir.h"

#include <system_error>
#include <vector>

namespace {

// The catalogue file whose presence marks a data directory.
constexpr const char* kMarkerFile = "bsc5.big";

bool HoldsCatalogue(const std::filesystem::path& dir) {
    std::error_code ec;
    return !dir.empty() && std::filesystem::is_regular_file(dir / kMarkerFile, ec);
}

} // namespace

std::string FindProgramDir(const std::filesystem::path& executablePath) {
    // The data beside the executable comes first: a package installs under /usr whatever prefix
    // the build was configured with, and the build machine's source tree must not win there.
    std::vector<std::filesystem::path> candidates;
    std::error_code ec;
    std::filesystem::path exe = executablePath;
    if (exe.empty()) {
        exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    }
    if (!exe.empty()) {
        candidates.push_back(exe.parent_path().parent_path() / "share" / "vesperanova");
    }
    candidates.push_back(VN_INSTALL_DATA_DIR);
    candidates.push_back(VN_SOURCE_DATA_DIR);
    return FirstDataDir(candidates);
}

std::string FirstDataDir(const std::vector<std::filesystem::path>& candidates) {
    for (const std::filesystem::path& dir : candidates) {
        if (HoldsCatalogue(dir)) {
            return dir.lexically_normal().string();
        }
    }
    return {};
}
