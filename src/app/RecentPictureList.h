// The recent-picture list in the settings profile: section "Recent File List", keys "File1" ..
// "File4", newest first. The profile facade (settings/Profile.h) reads and writes it with the
// settings; these two calls reach only the list.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "settings/Profile.h"

inline constexpr int kRecentPictureEntries = kRecentFileEntries;

// The paths listed in the profile, empty keys skipped; nothing when the file is missing or
// unreadable.
std::vector<std::string> LoadRecentPictures(const std::filesystem::path& profilePath);

// Rewrites the list (keeping every other section; the settings are written back as they read);
// false when the file cannot be read or written.
bool SaveRecentPictures(const std::filesystem::path& profilePath,
                        const std::vector<std::string>& paths);
