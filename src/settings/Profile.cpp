#include "settings/Profile.h"

#include "files/Utf8Text.h"
#include "settings/IniFile.h"
#include "settings/LayerSwitchList.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace {

constexpr int kMaxLevel = 11;
constexpr int kMaxDeepLevel = 17;         // with the faint stars on
constexpr int kMaxLongitudeDegrees = 180; // east or west
constexpr int kMaxLatitudeDegrees = 90;   // the location dialog takes -90..90 with N/S
constexpr int kMaxMinutes = 59;
constexpr int kMaxAbsTurnY = 90;         // degrees
constexpr double kTurnXWrap = 24.0;      // hours: the chart looks the same one whole turn further
constexpr double kTurnXDegWrap = 15.0;   // degrees: one hour of turn
constexpr float kMaxAbsTimeZone = 14.0f; // hours: the widest civil time zones

// Read as the value of a missing "TimeZoneName" key; no zone has this name.
constexpr const char* kTimeZoneNameAbsent = "\x01";

// Where a key's value lives and what form it has in the file.
using Field = std::variant<std::int32_t AppSettings::*, double AppSettings::*, float AppSettings::*,
                           std::string AppSettings::*, std::int32_t Observer::*, float Observer::*,
                           std::string Observer::*>;

constexpr int kPlain = -1; // integers and texts as they are; otherwise decimals of a number text

struct ProfileKey {
    const char* name;
    const char* fallback; // the default, as the file would hold it
    int decimals;
    Field field;
};

// Section "Settings", in the order in which the profile is read and written.
#define VN_SWITCH_KEY(name, setting, chart, command, fallback)                                     \
    {#setting, #fallback, kPlain, &AppSettings::setting},
// clang-format off
const ProfileKey kSettingsKeys[] = {
    {"HorizonView", "0", kPlain, &AppSettings::HorizonView},
    {"Level", "2", kPlain, &AppSettings::Level},
    {"TurnX", "18", 2, &AppSettings::TurnX},
    {"TurnY", "0", kPlain, &AppSettings::TurnY},
    VN_CHART_LAYER_SWITCHES(VN_SWITCH_KEY)
    {"StarLimit", "11", kPlain, &AppSettings::StarLimit},
    {"DeepSkyLimit", "5", kPlain, &AppSettings::DeepSkyLimit},
    VN_STAR_COLOUR_SWITCH(VN_SWITCH_KEY)
    {"ColoredSky", "0", kPlain, &AppSettings::ColoredSky},
    {"AutoMode", "0", kPlain, &AppSettings::AutoMode},
    {"b", "0", 4, &AppSettings::b},
    {"NightVision", "0", kPlain, &AppSettings::NightVision},
    // A new profile starts with the precise model: the classic one puts the planets degrees
    // off for tonight's sky. The console modes choose their model themselves.
    {"PrecisePositions", "1", kPlain, &AppSettings::PrecisePositions},
    {"NaturalSky", "0", kPlain, &AppSettings::NaturalSky},
};
// clang-format on
#undef VN_SWITCH_KEY

// Section "Location", in order.
const ProfileKey kLocationKeys[] = {
    {"Location", "Poland:Krakow", kPlain, &Observer::Location},
    {"LongDeg", "19", kPlain, &Observer::LongDeg},
    {"LongMin", "55", kPlain, &Observer::LongMin},
    {"EW", "E", kPlain, &Observer::EW},
    {"LatDeg", "50", kPlain, &Observer::LatDeg},
    {"LatMin", "2", kPlain, &Observer::LatMin},
    {"NS", "N", kPlain, &Observer::NS},
    {"TimeZone", "1", 1, &Observer::TimeZone},
    {"TimeZoneName", kTimeZoneNameAbsent, kPlain, &Observer::TimeZoneName},
};

// Section "Telescope": the INDI server's host and port (INDI's own port by default) and the mount.
constexpr const char* kIndiHost = "localhost";
constexpr std::int32_t kIndiPort = 7624;
const ProfileKey kTelescopeKeys[] = {
    {"Host", kIndiHost, kPlain, &AppSettings::TelescopeHost},
    {"Port", "7624", kPlain, &AppSettings::TelescopePort},
    {"Device", "", kPlain, &AppSettings::TelescopeDevice},
};

const char* const kSettingsGroup = "Settings";
const char* const kLocationGroup = "Location";
const char* const kTelescopeGroup = "Telescope";
const char* const kRecentGroup = "Recent File List";

std::string ReadText(const IniSection* section, const char* key, const char* fallback) {
    const std::string* value = section != nullptr ? section->Find(key) : nullptr;
    return value != nullptr ? IniValue(*value) : std::string(fallback);
}

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

// Reads the keys of one section into the settings.
void ReadKeys(const IniSection* section, std::span<const ProfileKey> keys, AppSettings& s) {
    for (const ProfileKey& key : keys) {
        const std::string text = ReadText(section, key.name, key.fallback);
        const std::int32_t fallback = ParseProfileInteger(key.fallback, 0);
        std::visit(
            Overloaded{
                [&](std::int32_t AppSettings::*f) { s.*f = ParseProfileInteger(text, fallback); },
                [&](double AppSettings::*f) { s.*f = ParseProfileNumber(text); },
                [&](float AppSettings::*f) { s.*f = static_cast<float>(ParseProfileNumber(text)); },
                [&](std::string AppSettings::*f) { s.*f = text; },
                [&](std::int32_t Observer::*f) {
                    s.Observer.*f = ParseProfileInteger(text, fallback);
                },
                [&](float Observer::*f) {
                    s.Observer.*f = static_cast<float>(ParseProfileNumber(text));
                },
                [&](std::string Observer::*f) { s.Observer.*f = text; },
            },
            key.field);
    }
}

// A hemisphere letter: `positive` or `negative` in either case, made upper case; any other
// value is refused (a warning naming it) and the default letter is used.
void ReadHemisphere(std::string& letter, char positive, char negative, const char* key,
                    const char* fallback, std::vector<std::string>& warnings) {
    const std::string_view text = TrimmedText(letter);
    const char upper = text.size() == 1
                           ? static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])))
                           : '\0';
    if (upper == positive || upper == negative) {
        letter = std::string(1, upper);
        return;
    }
    warnings.push_back("the profile's " + std::string(key) + "=" + letter + " is not " + positive +
                       " or " + negative + "; " + fallback + " is used");
    letter = fallback;
}

// Reads both sections into the settings and returns the warnings for refused values; a profile
// without "TimeZoneName" is noted so that a built-in place can be given its zone.
std::vector<std::string> ReadSettings(const IniSections& profile, AppSettings& s) {
    ReadKeys(profile.Find(kSettingsGroup), kSettingsKeys, s);
    ReadKeys(profile.Find(kLocationGroup), kLocationKeys, s);
    ReadKeys(profile.Find(kTelescopeGroup), kTelescopeKeys, s);
    std::vector<std::string> warnings;
    ReadHemisphere(s.Observer.EW, 'E', 'W', "EW", "E", warnings);
    ReadHemisphere(s.Observer.NS, 'N', 'S', "NS", "N", warnings);
    s.TimeZoneNameMissing.value = s.Observer.TimeZoneName == kTimeZoneNameAbsent;
    if (s.TimeZoneNameMissing.value) {
        s.Observer.TimeZoneName.clear();
    }
    ClampSettings(s);
    return warnings;
}

// Writes the keys of one section from the settings, in table order.
void WriteKeys(IniSection& section, std::span<const ProfileKey> keys, const AppSettings& s) {
    auto integer = [](std::int32_t v) { return std::to_string(v); };
    for (const ProfileKey& key : keys) {
        const std::string text = std::visit(
            Overloaded{
                [&](std::int32_t AppSettings::*f) { return integer(s.*f); },
                [&](double AppSettings::*f) { return FormatProfileNumber(s.*f, key.decimals); },
                [&](float AppSettings::*f) { return FormatProfileNumber(s.*f, key.decimals); },
                [&](std::string AppSettings::*f) { return QuotedIniValue(OneLineText(s.*f)); },
                [&](std::int32_t Observer::*f) { return integer(s.Observer.*f); },
                [&](float Observer::*f) {
                    return FormatProfileNumber(s.Observer.*f, key.decimals);
                },
                [&](std::string Observer::*f) {
                    return QuotedIniValue(OneLineText(s.Observer.*f));
                },
            },
            key.field);
        section.Set(key.name, text);
    }
}

std::int32_t Switch(std::int32_t value) {
    return value != 0 ? 1 : 0;
}

// Wraps v into the open interval (-period, period) by whole periods; a non-finite value is 0.
double WrapOpen(double v, double period) {
    if (!std::isfinite(v)) {
        return 0.0;
    }
    return std::fmod(v, period);
}

// The recent-file list: keys "File1" .. "File4", newest first, empty keys skipped.
std::vector<std::string> RecentFilesOf(const IniSections& profile) {
    std::vector<std::string> files;
    if (const IniSection* section = profile.Find(kRecentGroup)) {
        for (int entry = 1; entry <= kRecentFileEntries; ++entry) {
            const std::string* value = section->Find("File" + std::to_string(entry));
            if (value != nullptr && !IniValue(*value).empty()) {
                files.push_back(IniValue(*value));
            }
        }
    }
    return files;
}

// A path the profile can hold on one line as UTF-8 (others are not remembered).
bool Storable(const std::string& path) {
    return !path.empty() && IsValidUtf8(path) &&
           std::none_of(path.begin(), path.end(), [](char c) { return IsControlByte(c); });
}

} // namespace

std::filesystem::path DefaultProfilePath() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (xdg != nullptr && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home != nullptr && home[0] != '\0' ? home : ".") / ".config";
    }
    return base / "vesperanova" / "nocta.ini";
}

AppSettings DefaultSettings() {
    AppSettings s;
    LoadSettingsFromText(s, {});
    return s;
}

void LoadSettingsFromText(AppSettings& s, const std::string& text) {
    ReadSettings(ParseIni(text), s);
}

std::vector<std::string> RecentFilesFromText(const std::string& text) {
    return RecentFilesOf(ParseIni(text));
}

std::string ProfileToText(const AppSettings& s, const std::vector<std::string>& recentFiles,
                          const std::string& oldText) {
    const IniSections old = ParseIni(oldText);
    IniSections out;
    out.sections.front() = old.sections.front(); // keys before any section stay first
    // Ours first, in table order, then any other key of the same section (such as the print
    // preview's "PreviewPages") as it was.
    const auto ownSection = [&](const char* name, std::span<const ProfileKey> keys) {
        IniSection& section = out.Section(name);
        WriteKeys(section, keys, s);
        if (const IniSection* before = old.Find(name)) {
            for (const auto& entry : before->entries) {
                if (std::none_of(keys.begin(), keys.end(),
                                 [&](const ProfileKey& k) { return entry.first == k.name; })) {
                    section.Set(entry.first, entry.second);
                }
            }
        }
    };
    ownSection(kSettingsGroup, kSettingsKeys);
    ownSection(kLocationGroup, kLocationKeys);
    ownSection(kTelescopeGroup, kTelescopeKeys);
    // Every other section (anything a later version adds) as it was; the recent files last.
    for (const IniSection& section : old.sections) {
        if (!section.name.empty() && section.name != kSettingsGroup &&
            section.name != kLocationGroup && section.name != kTelescopeGroup &&
            section.name != kRecentGroup) {
            out.sections.push_back(section);
        }
    }
    IniSection& recent = out.Section(kRecentGroup);
    int entry = 0;
    for (const std::string& path : recentFiles) {
        if (entry < kRecentFileEntries && Storable(path)) {
            recent.Set("File" + std::to_string(++entry), QuotedIniValue(path));
        }
    }
    return IniText(out);
}

ProfileResult LoadProfile(const std::filesystem::path& profilePath, AppSettings& settings,
                          std::vector<std::string>& recentFiles) {
    std::string text;
    const ProfileResult result = ReadIniFile(profilePath, text);
    if (!result) {
        text.clear();
    }
    const IniSections profile = ParseIni(text);
    ProfileResult read = result;
    read.warnings = ReadSettings(profile, settings);
    recentFiles = RecentFilesOf(profile);
    return read;
}

ProfileResult LoadSettings(AppSettings& settings, const std::filesystem::path& profilePath) {
    std::vector<std::string> recentFiles;
    return LoadProfile(profilePath, settings, recentFiles);
}

ProfileResult SaveProfile(const std::filesystem::path& profilePath, const AppSettings& settings,
                          const std::vector<std::string>& recentFiles) {
    std::string oldText;
    if (const ProfileResult read = ReadIniForRewrite(profilePath, oldText); !read) {
        return read;
    }
    return WriteIniFile(profilePath, ProfileToText(settings, recentFiles, oldText));
}

void ClampSettings(AppSettings& s) {
    s.HorizonView = Switch(s.HorizonView);
    s.Level = std::clamp(s.Level, 0, s.FaintStars ? kMaxDeepLevel : kMaxLevel);
    s.TurnX = WrapOpen(s.TurnX, kTurnXWrap);
    s.TurnY = std::clamp(s.TurnY, -kMaxAbsTurnY, kMaxAbsTurnY);
    s.b = static_cast<float>(WrapOpen(s.b, kTurnXDegWrap));
#define VN_CLAMP_SWITCH(name, setting, chart, command, fallback) s.setting = Switch(s.setting);
    VN_LAYER_SWITCHES(VN_CLAMP_SWITCH)
#undef VN_CLAMP_SWITCH
    for (std::int32_t* flag : {&s.AutoMode, &s.ColoredSky, &s.NightVision, &s.NaturalSky}) {
        *flag = Switch(*flag);
    }
    constexpr std::int32_t kMaxPort = 65535;
    if (s.TelescopePort < 1 || s.TelescopePort > kMaxPort) {
        s.TelescopePort = kIndiPort;
    }
    if (TrimmedText(s.TelescopeHost).empty()) {
        s.TelescopeHost = kIndiHost;
    }
    // The codes past every bright star are kept only with the faint stars to show.
    s.StarLimit = s.FaintStars != 0 && s.StarLimit > kStarLimitCodeMax + 2
                      ? std::min(s.StarLimit, kFaintStarLimitCodeMax)
                      : std::clamp(s.StarLimit, 0, kStarLimitCodeMax);
    s.DeepSkyLimit = std::clamp(s.DeepSkyLimit, 0, kDeepSkyLimitCodeMax);
    if (!std::isfinite(s.Observer.TimeZone)) {
        s.Observer.TimeZone = 0.0f;
    }
    s.Observer.TimeZone = std::clamp(s.Observer.TimeZone, -kMaxAbsTimeZone, kMaxAbsTimeZone);
    s.Observer.LongDeg = std::clamp(s.Observer.LongDeg, 0, kMaxLongitudeDegrees);
    s.Observer.LongMin = std::clamp(s.Observer.LongMin, 0, kMaxMinutes);
    s.Observer.LatDeg = std::clamp(s.Observer.LatDeg, -kMaxLatitudeDegrees, kMaxLatitudeDegrees);
    s.Observer.LatMin = std::clamp(s.Observer.LatMin, 0, kMaxMinutes);
    // Degrees and minutes are one angle: 180 degrees east or west and 90 degrees north or south
    // are the ends, with no minutes past them.
    if (s.Observer.LongDeg == kMaxLongitudeDegrees) {
        s.Observer.LongMin = 0;
    }
    if (std::abs(s.Observer.LatDeg) == kMaxLatitudeDegrees) {
        s.Observer.LatMin = 0;
    }
}

double StarLimitFromCode(int code) {
    if (code == kStarLimitCodeMax) {
        return 7.5;
    }
    return code / 2.0 + 1.0;
}

int StarLimitToCode(double limit, bool faintStars) {
    if (faintStars && limit > 7.5) {
        return static_cast<int>(std::min(limit * 2.0 - 2.0, double{kFaintStarLimitCodeMax}));
    }
    if (!(limit < 7.5)) { // 7.5 and fainter (and a limit that is not a number): every star
        return kStarLimitCodeMax;
    }
    return static_cast<int>(std::max(limit * 2.0 - 2.0, -1.0e9));
}

double DeepSkyLimitFromCode(int code) {
    return code + 6.0;
}

int DeepSkyLimitToCode(double limit) {
    if (!std::isfinite(limit)) {
        return kDeepSkyLimitCodeMax;
    }
    return static_cast<int>(std::clamp(limit - 6.0, -1.0e9, 1.0e9));
}
