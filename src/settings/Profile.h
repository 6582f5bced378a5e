// The settings profile nocta.ini and its key schema: the sections "Settings", "Location" and
// "Recent File List", which keys they hold, each key's default (which applies when the file, the
// section or the key is missing), its form in the file and its range, and how the keys map to
// AppSettings. A value in double quotes keeps its blanks; sections and keys that are not ours
// are kept. The file's syntax and its safe writing are IniFile.h.
#pragma once

#include "settings/AppSettings.h"
#include "settings/IniFile.h"

#include <filesystem>
#include <string>
#include <vector>

// $XDG_CONFIG_HOME/vesperanova/nocta.ini, or ~/.config/vesperanova/nocta.ini when
// XDG_CONFIG_HOME is unset or empty (relative values are ignored, as the XDG rules say).
std::filesystem::path DefaultProfilePath();

// Fills every field but SkyDate and ProgramDir from the profile. A missing file, section or key
// gives the defaults and is not an error; a file that exists but cannot be read gives the
// defaults and an error. Values outside their meaningful range are brought into it
// (ClampSettings); hemisphere letters other than E/W and N/S (either case) are refused with a
// warning in ProfileResult::warnings, and E or N is used.
ProfileResult LoadSettings(AppSettings& settings, const std::filesystem::path& profilePath);

// The whole profile in one step each way: the settings and the recent-file list (newest first,
// at most kRecentFileEntries). The desktop program reads it once at start and writes it once at
// exit. Writing replaces the file through WriteFileReplacing: a profile that is a link is
// written where the link points and the link stays; an existing file keeps its permissions, a
// new one is private (0600); a folder, device or pipe at the path is refused and left alone;
// the profile's folder is created when missing. A file that exists but cannot be read is not
// overwritten (its other sections would be lost): the error is returned.
inline constexpr int kRecentFileEntries = 4;
ProfileResult LoadProfile(const std::filesystem::path& profilePath, AppSettings& settings,
                          std::vector<std::string>& recentFiles);
ProfileResult SaveProfile(const std::filesystem::path& profilePath, const AppSettings& settings,
                          const std::vector<std::string>& recentFiles);

// The profile's text with these settings and recent files, keeping every other section and key
// of oldText; and the recent files a text holds.
std::string ProfileToText(const AppSettings& settings, const std::vector<std::string>& recentFiles,
                          const std::string& oldText);
std::vector<std::string> RecentFilesFromText(const std::string& text);

// Reads the settings from the profile's text, as LoadSettings reads them from the file.
void LoadSettingsFromText(AppSettings& settings, const std::string& text);

// The defaults of a first run (what LoadSettings gives without a profile).
AppSettings DefaultSettings();

// Brings every profile value into its meaningful range: HorizonView and the switches to 0 or 1
// (any non-zero value counts as 1), Level to 0..11 (0..17 with the faint stars on), TurnY to
// -90..90, TurnX into the open interval -24..24 and b into -15..15 by whole turns (the chart looks
// the same), the star limit code to 0..11 (the dialog's 13 for "all stars" becomes 11, which means
// the same 7.5; with the faint stars on, codes 14..22 stay and larger ones become 22) and the
// deep-sky code to 0..7, TimeZone to -14..14, longitude degrees to 0..180, latitude degrees to
// -90..90, minutes to 0..59 and to 0 at 180 degrees of longitude or 90 of latitude (the angle is
// clamped as one); a number that is not finite becomes 0 (as a number text that is not a number
// reads).
void ClampSettings(AppSettings& settings);

// Magnitude-limit codes as the profile stores them.
inline constexpr int kStarLimitCodeMax = 11; // star slider positions 0..11
// With the faint stars on, codes 14..22 go on past every bright star: 8.0 .. 12.0 magnitudes.
inline constexpr int kFaintStarLimitCodeMax = 22;
inline constexpr int kDeepSkyLimitCodeMax = 7; // deep-sky slider positions 0..7

// Star code -> faintest magnitude: 7.5 for 11, else code / 2 + 1 (codes 0..10 give 1.0 .. 6.0).
double StarLimitFromCode(int code);
// Faintest magnitude -> star code: 11 from 7.5 on, else limit * 2 - 2 truncated toward zero
// (so 6.5 is stored as 11 and comes back as 7.5). With the faint stars on, a limit past 7.5 is
// coded as limit * 2 - 2 too (truncated, at most kFaintStarLimitCodeMax).
int StarLimitToCode(double limit, bool faintStars = false);
// Deep-sky code -> faintest magnitude: code + 6.
double DeepSkyLimitFromCode(int code);
// Faintest magnitude -> deep-sky code: limit - 6 truncated toward zero.
int DeepSkyLimitToCode(double limit);
