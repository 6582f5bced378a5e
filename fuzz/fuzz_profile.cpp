// Fuzz target: arbitrary bytes as the settings profile, through the whole facade (settings and
// recent-file list, from text and from a file). Whatever the bytes, the loaded settings are in
// range, the recent files are UTF-8 lines, and after one write the profile reads back to the
// same settings and list and writes out to the same text. Profiles that cannot be read (a
// folder, a pipe, a file that fails while read) are errors, never an exception.
#include "files/Utf8Text.h"
#include "settings/Profile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool Flag(std::int32_t v) {
    return v == 0 || v == 1;
}

void CheckRanges(const AppSettings& s) {
    Require(Flag(s.HorizonView) && Flag(s.Coordinations) && Flag(s.Boundaries) &&
            Flag(s.Constelations) && Flag(s.DeepSky) && Flag(s.StarNames) && Flag(s.DeepSkyNames) &&
            Flag(s.Ecliptic) && Flag(s.Horizon) && Flag(s.MilkyWay) && Flag(s.SolarSystem) &&
            Flag(s.SolSysLabels) && Flag(s.AutoMode) && Flag(s.ColoredStars) &&
            Flag(s.ColoredSky) && Flag(s.NightVision));
    Require(s.Level >= 0 && s.Level <= 11);
    Require(std::isfinite(s.TurnX) && std::fabs(s.TurnX) < 24.0);
    Require(std::isfinite(s.b) && std::fabs(s.b) < 15.0f);
    Require(s.TurnY >= -90 && s.TurnY <= 90);
    Require(s.StarLimit >= 0 && s.StarLimit <= kStarLimitCodeMax);
    Require(s.DeepSkyLimit >= 0 && s.DeepSkyLimit <= kDeepSkyLimitCodeMax);
    Require(std::isfinite(s.Observer.TimeZone) && std::fabs(s.Observer.TimeZone) <= 14.0f);
    Require(s.Observer.LongDeg >= 0 && s.Observer.LongDeg <= 180);
    Require(s.Observer.LatDeg >= -90 && s.Observer.LatDeg <= 90);
    Require(s.Observer.LongMin >= 0 && s.Observer.LongMin <= 59);
    Require(s.Observer.LatMin >= 0 && s.Observer.LatMin <= 59);
}

void CheckRecent(const std::vector<std::string>& files) {
    Require(files.size() <= static_cast<std::size_t>(kRecentFileEntries));
    for (const std::string& f : files) {
        Require(!f.empty() && IsValidUtf8(f) && f.find('\n') == std::string::npos);
    }
}

// Profiles that cannot be read: each gives the defaults and an error.
void CheckReadErrors(const std::string& dir) {
    const std::string fifo = dir + "/fifo.ini";
    ::mkfifo(fifo.c_str(), 0600);
    for (const char* path : {"/proc/self/mem", "/", fifo.c_str()}) {
        AppSettings s;
        std::vector<std::string> recent;
        Require(!LoadProfile(path, s, recent));
        Require(s == DefaultSettings() && recent.empty());
    }
    ::unlink(fifo.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string dir = [] {
        char pattern[] = "/dev/shm/fuzz-profile-XXXXXX";
        const std::string made = ::mkdtemp(pattern);
        CheckReadErrors(made);
        return made;
    }();
    const std::string text(reinterpret_cast<const char*>(data), size);

    AppSettings first;
    LoadSettingsFromText(first, text);
    CheckRanges(first);
    std::vector<std::string> recent = RecentFilesFromText(text);
    CheckRecent(recent);

    // The file holds the same: the facade reads it as the text reads.
    const std::string file = dir + "/nocta.ini";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    AppSettings fromFile;
    std::vector<std::string> recentFromFile;
    Require(static_cast<bool>(LoadProfile(file, fromFile, recentFromFile)));
    Require(fromFile == first && recentFromFile == recent);

    // A new first entry made of the input's bytes (any bytes, as a file name may hold).
    recent.insert(recent.begin(), text.substr(0, 64));
    const std::string written = ProfileToText(first, recent, text);
    AppSettings second;
    LoadSettingsFromText(second, written);
    CheckRanges(second);
    const std::vector<std::string> recentSecond = RecentFilesFromText(written);
    CheckRecent(recentSecond);

    // The first pass may round numbers to their fixed decimals and leave out what a line cannot
    // hold; from then on the text, the settings and the list must not change any more.
    const std::string again = ProfileToText(second, recentSecond, written);
    AppSettings third;
    LoadSettingsFromText(third, again);
    Require(third == second);
    Require(RecentFilesFromText(again) == recentSecond);
    Require(ProfileToText(third, recentSecond, again) == again);
    return 0;
}
