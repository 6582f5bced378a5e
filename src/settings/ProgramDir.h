// The program directory: where the pictures (Images/) and, after the working directory, the
// catalogue files are looked for.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The first of these that holds bsc5.big: <directory of the executable>/../share/vesperanova,
// the configured installation's data directory, the source tree's data/ directory (running from
// a build tree).
// Empty when none does. executablePath defaults to the running program (/proc/self/exe).
std::string FindProgramDir(const std::filesystem::path& executablePath = {});

// The first of the candidate directories that holds bsc5.big, or empty.
std::string FirstDataDir(const std::vector<std::filesystem::path>& candidates);
