#include "app/RecentPictureList.h"

#include <wx/fileconf.h>
#include <wx/log.h>

#include <memory>
#include <system_error>

namespace {

constexpr const char* kGroup = "/Recent File List";

std::unique_ptr<wxFileConfig> OpenProfile(const std::filesystem::path& profilePath) {
    return std::make_unique<wxFileConfig>(wxString(), wxString(),
                                          wxString::FromUTF8(profilePath.string()), wxString(),
                                          wxCONFIG_USE_LOCAL_FILE);
}

wxString KeyOf(int entry) {
    return wxString::Format("File%d", entry + 1);
}

} // namespace

std::vector<std::string> LoadRecentPictures(const std::filesystem::path& profilePath) {
    std::vector<std::string> paths;
    std::error_code error;
    if (profilePath.empty() || !std::filesystem::is_regular_file(profilePath, error)) {
        return paths;
    }
    wxLogNull quiet; // an unreadable profile simply has no list
    const auto config = OpenProfile(profilePath);
    config->SetPath(kGroup);
    for (int entry = 0; entry < kRecentPictureEntries; ++entry) {
        const wxString path = config->Read(KeyOf(entry), wxString());
        if (!path.empty()) {
            paths.emplace_back(path.utf8_string());
        }
    }
    return paths;
}

bool SaveRecentPictures(const std::filesystem::path& profilePath,
                        const std::vector<std::string>& paths) {
    if (profilePath.empty()) {
        return false;
    }
    wxLogNull quiet; // failures are returned, not logged
    const auto config = OpenProfile(profilePath);
    config->DeleteGroup(kGroup);
    config->SetPath(kGroup);
    for (int entry = 0; entry < kRecentPictureEntries; ++entry) {
        const auto index = static_cast<size_t>(entry);
        config->Write(KeyOf(entry),
                      index < paths.size() ? wxString::FromUTF8(paths[index]) : wxString());
    }
    return config->Flush();
}
