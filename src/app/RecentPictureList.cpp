#include "app/RecentPictureList.h"

#include "settings/Profile.h"

std::vector<std::string> LoadRecentPictures(const std::filesystem::path& profilePath) {
    AppSettings settings;
    std::vector<std::string> paths;
    if (profilePath.empty() || !LoadProfile(profilePath, settings, paths)) {
        return {};
    }
    return paths;
}

bool SaveRecentPictures(const std::filesystem::path& profilePath,
                        const std::vector<std::string>& paths) {
    AppSettings settings;
    std::vector<std::string> old;
    if (profilePath.empty() || !LoadProfile(profilePath, settings, old)) {
        return false;
    }
    return static_cast<bool>(SaveProfile(profilePath, settings, paths));
}
