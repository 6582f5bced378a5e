// The recent-picture list in the settings profile: section "Recent File List", keys "File1" ..
// "File4", newest first.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

inline constexpr int kRecentPictureEntries = 4;

// The paths listed in the profile, empty keys skipped; nothing when the file is missing or
// unreadable.
std::vector<std::string> LoadRecentPictures(const std::filesystem::path& profilePath);

// Rewrites the section (keeping every other section as it is); false when the file cannot be
// written.
bool SaveRecentPictures(const std::filesystem::path& profilePath,
                        const std::vector<std::string>& paths);
