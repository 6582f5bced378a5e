#include "settings/Profile.h"

#include "files/SafeFile.h"
#include "files/Utf8Text.h"
#include "settings/LayerSwitchList.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace {

// A profile larger than this is not one we wrote (ours is under 2 KB): it is neither read
// (defaults apply, an error is returned) nor overwritten, and the config parser never sees a text
// large enough to make its per-line work slow.
constexpr std::uintmax_t kMaxProfileBytes = 64u << 10;

constexpr int kMaxLevel = 11;
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
                           std::int32_t Observer::*, float Observer::*, std::string Observer::*>;

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
    {"PrecisePositions", "0", kPlain, &AppSettings::PrecisePositions},
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

const char* const kSettingsGroup = "Settings";
const char* const kLocationGroup = "Location";
const char* const kRecentGroup = "Recent File List";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsEdgeBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    return TrimmedText(text, " \t");
}

// The profile as sections of keys, in the order of the file; values in their written form
// (trimmed, quotes kept; ValueOf gives the value). A section or key that appears
// more than once is kept once, where it first appeared, with the value it was given last.
struct ProfileSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;

    const std::string* Find(std::string_view key) const {
        for (const auto& [k, v] : entries) {
            if (k == key) {
                return &v;
            }
        }
        return nullptr;
    }
    void Set(std::string_view key, std::string value) {
        for (auto& [k, v] : entries) {
            if (k == key) {
                v = std::move(value);
                return;
            }
        }
        entries.emplace_back(std::string(key), std::move(value));
    }
};

struct ProfileSections {
    std::vector<ProfileSection> sections; // the first is the nameless one before any header

    ProfileSections() : sections(1) {}

    ProfileSection& Section(std::string_view name) {
        for (ProfileSection& section : sections) {
            if (section.name == name) {
                return section;
            }
        }
        sections.push_back(ProfileSection{std::string(name), {}});
        return sections.back();
    }
    const ProfileSection* Find(std::string_view name) const {
        for (const ProfileSection& section : sections) {
            if (section.name == name) {
                return &section;
            }
        }
        return nullptr;
    }
};

// A value as the file holds it: trimmed of blanks, and a value in double quotes (how earlier
// versions wrote a text with blanks at its ends) without them. Backslashes are plain.
std::string ValueOf(std::string_view raw) {
    std::string_view value = Trim(raw);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

// A text value as it is written: in double quotes when its ends would otherwise be lost or
// misread (a blank at either end, or quotes at both ends).
std::string QuotedIfNeeded(const std::string& value) {
    if (!value.empty() &&
        (IsEdgeBlank(value.front()) || IsEdgeBlank(value.back()) ||
         (value.size() >= 2 && value.front() == '"' && value.back() == '"') || value == "\"")) {
        return '"' + value + '"';
    }
    return value;
}

// A text that can stand on one line of the profile: control characters (a line break
// included) become blanks, and bytes that are not UTF-8 become U+FFFD.
std::string OneLineText(const std::string& text) {
    std::string line = SanitizedUtf8(text);
    // SanitizedUtf8 turned control characters into U+FFFD; the profile wants blanks there.
    for (char& c : line) {
        if (IsControlByte(c)) {
            c = ' ';
        }
    }
    return line;
}

// Reads the profile line by line. A line that is not valid UTF-8 or holds a control character
// (other than a tab) is skipped, so a bad byte costs only its own key; a header with such a
// byte still opens a section of its own (its keys do not fall into the section before it).
// Lines that are neither a header nor "key=value" (comments, blank lines, damage) are dropped.
ProfileSections ParseProfile(std::string_view text) {
    ProfileSections profile;
    std::size_t current = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const bool clean = IsValidUtf8(line) && std::none_of(line.begin(), line.end(), [](char c) {
                               return IsControlByte(c) && c != '\t';
                           });
        line = Trim(line);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            std::string_view inside = Trim(line.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            std::string name =
                clean ? std::string(inside) : std::string(Trim(OneLineText(std::string(inside))));
            // Earlier versions could write the recent list's header with escaped blanks.
            if (name == "Recent\\ File\\ List") {
                name = kRecentGroup;
            }
            profile.Section(name);
            current = static_cast<std::size_t>(
                std::find_if(profile.sections.begin(), profile.sections.end(),
                             [&](const ProfileSection& s) { return s.name == name; }) -
                profile.sections.begin());
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!clean || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Trim(line.substr(0, equals));
        if (key.empty()) {
            continue;
        }
        // Kept in its written form (quotes included) so that it is written back the same.
        profile.sections[current].Set(key, std::string(Trim(line.substr(equals + 1))));
    }
    return profile;
}

std::string ProfileText(const ProfileSections& profile) {
    std::string text;
    for (const ProfileSection& section : profile.sections) {
        if (section.name.empty() && section.entries.empty()) {
            continue;
        }
        if (!section.name.empty() || &section != &profile.sections.front()) {
            text += "[" + section.name + "]\n";
        }
        for (const auto& [key, value] : section.entries) {
            text += key + "=" + value + "\n";
        }
    }
    return text;
}

// Reads the whole profile. Missing file: empty text and no error.
ProfileResult ReadProfileText(const std::filesystem::path& path, std::string& text) {
    const ReadResult read = ReadWholeFile(path, kMaxProfileBytes, text);
    if (read.status == ReadStatus::Failed) {
        return {false, "Cannot read the settings file " + path.string() +
                           read.error.substr(read.error.rfind(':'))};
    }
    return {};
}

// Integer keys: leading blanks, an optional sign, digits; anything after the digits is ignored.
// A text without digits gives the default; a number beyond 32 bits is held at the nearest end.
std::int32_t ParseInteger(const std::string& text, std::int32_t fallback) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && IsBlank(*p)) {
        ++p;
    }
    if (p < end && *p == '+') {
        ++p;
    }
    long long value = 0;
    const auto [next, ec] = std::from_chars(p, end, value);
    if (ec == std::errc::result_out_of_range) {
        return (p < end && *p == '-') ? std::numeric_limits<std::int32_t>::min()
                                      : std::numeric_limits<std::int32_t>::max();
    }
    if (ec != std::errc()) {
        return fallback;
    }
    return static_cast<std::int32_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::string ReadText(const ProfileSection* section, const char* key, const char* fallback) {
    const std::string* value = section != nullptr ? section->Find(key) : nullptr;
    return value != nullptr ? ValueOf(*value) : std::string(fallback);
}

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

// Reads the keys of one section into the settings.
void ReadKeys(const ProfileSection* section, std::span<const ProfileKey> keys, AppSettings& s) {
    for (const ProfileKey& key : keys) {
        const std::string text = ReadText(section, key.name, key.fallback);
        const std::int32_t fallback = ParseInteger(key.fallback, 0);
        std::visit(
            Overloaded{
                [&](std::int32_t AppSettings::*f) { s.*f = ParseInteger(text, fallback); },
                [&](double AppSettings::*f) { s.*f = ParseProfileNumber(text); },
                [&](float AppSettings::*f) { s.*f = static_cast<float>(ParseProfileNumber(text)); },
                [&](std::int32_t Observer::*f) { s.Observer.*f = ParseInteger(text, fallback); },
                [&](float Observer::*f) {
                    s.Observer.*f = static_cast<float>(ParseProfileNumber(text));
                },
                [&](std::string Observer::*f) { s.Observer.*f = text; },
            },
            key.field);
    }
}

// Reads both sections into the settings; a profile without "TimeZoneName" is noted so that a
// built-in place can be given its zone.
void ReadSettings(const ProfileSections& profile, AppSettings& s) {
    ReadKeys(profile.Find(kSettingsGroup), kSettingsKeys, s);
    ReadKeys(profile.Find(kLocationGroup), kLocationKeys, s);
    s.TimeZoneNameMissing.value = s.Observer.TimeZoneName == kTimeZoneNameAbsent;
    if (s.TimeZoneNameMissing.value) {
        s.Observer.TimeZoneName.clear();
    }
    ClampSettings(s);
}

// Writes the keys of one section from the settings, in table order.
void WriteKeys(ProfileSection& section, std::span<const ProfileKey> keys, const AppSettings& s) {
    auto integer = [](std::int32_t v) { return std::to_string(v); };
    for (const ProfileKey& key : keys) {
        const std::string text = std::visit(
            Overloaded{
                [&](std::int32_t AppSettings::*f) { return integer(s.*f); },
                [&](double AppSettings::*f) { return FormatProfileNumber(s.*f, key.decimals); },
                [&](float AppSettings::*f) { return FormatProfileNumber(s.*f, key.decimals); },
                [&](std::int32_t Observer::*f) { return integer(s.Observer.*f); },
                [&](float Observer::*f) {
                    return FormatProfileNumber(s.Observer.*f, key.decimals);
                },
                [&](std::string Observer::*f) {
                    return QuotedIfNeeded(OneLineText(s.Observer.*f));
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
std::vector<std::string> RecentFilesOf(const ProfileSections& profile) {
    std::vector<std::string> files;
    if (const ProfileSection* section = profile.Find(kRecentGroup)) {
        for (int entry = 1; entry <= kRecentFileEntries; ++entry) {
            const std::string* value = section->Find("File" + std::to_string(entry));
            if (value != nullptr && !ValueOf(*value).empty()) {
                files.push_back(ValueOf(*value));
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

double ParseProfileNumber(const std::string& text) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && IsBlank(*p)) {
        ++p;
    }
    if (p < end && *p == '+') {
        ++p;
    }
    double value = 0.0;
    const auto [next, ec] = std::from_chars(p, end, value, std::chars_format::general);
    if (ec != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

std::string FormatProfileNumber(double value, int decimals) {
    constexpr int kMinWidth = 4;   // narrower texts are padded with blanks on the left
    constexpr int kMaxLength = 30; // longer texts are cut
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string("0");
    if (text.size() < kMinWidth) {
        text.insert(0, kMinWidth - text.size(), ' ');
    }
    if (text.size() > kMaxLength) {
        text.resize(kMaxLength);
    }
    return text;
}

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
    ReadSettings(ParseProfile(text), s);
}

std::vector<std::string> RecentFilesFromText(const std::string& text) {
    return RecentFilesOf(ParseProfile(text));
}

std::string ProfileToText(const AppSettings& s, const std::vector<std::string>& recentFiles,
                          const std::string& oldText) {
    const ProfileSections old = ParseProfile(oldText);
    ProfileSections out;
    out.sections.front() = old.sections.front(); // keys before any section stay first
    // Ours first, in table order, then any other key of the same section (such as the print
    // preview's "PreviewPages") as it was.
    const auto ownSection = [&](const char* name, std::span<const ProfileKey> keys) {
        ProfileSection& section = out.Section(name);
        WriteKeys(section, keys, s);
        if (const ProfileSection* before = old.Find(name)) {
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
    // Every other section (anything a later version adds) as it was; the recent files last.
    for (const ProfileSection& section : old.sections) {
        if (!section.name.empty() && section.name != kSettingsGroup &&
            section.name != kLocationGroup && section.name != kRecentGroup) {
            out.sections.push_back(section);
        }
    }
    ProfileSection& recent = out.Section(kRecentGroup);
    int entry = 0;
    for (const std::string& path : recentFiles) {
        if (entry < kRecentFileEntries && Storable(path)) {
            recent.Set("File" + std::to_string(++entry), QuotedIfNeeded(path));
        }
    }
    return ProfileText(out);
}

std::string SettingsToText(const AppSettings& s, const std::string& oldText) {
    return ProfileToText(s, RecentFilesFromText(oldText), oldText);
}

ProfileResult LoadProfile(const std::filesystem::path& profilePath, AppSettings& settings,
                          std::vector<std::string>& recentFiles) {
    std::string text;
    const ProfileResult result = ReadProfileText(profilePath, text);
    if (!result) {
        text.clear();
    }
    const ProfileSections profile = ParseProfile(text);
    ReadSettings(profile, settings);
    recentFiles = RecentFilesOf(profile);
    return result;
}

ProfileResult LoadSettings(AppSettings& settings, const std::filesystem::path& profilePath) {
    std::vector<std::string> recentFiles;
    return LoadProfile(profilePath, settings, recentFiles);
}

// Reads the old file (through a link, to its target) for the sections that are not ours.
ProfileResult ReadOldProfile(const std::filesystem::path& profilePath, std::string& oldText) {
    std::filesystem::path target;
    const FileResult resolved = ResolveWriteTarget(profilePath, true, target);
    if (!resolved) {
        return {false, resolved.error};
    }
    // The old file cannot be read, so its other sections would be lost: leave it alone and
    // say so.
    return ReadProfileText(target, oldText);
}

ProfileResult WriteProfileText(const std::filesystem::path& profilePath, const std::string& text) {
    WriteOptions options;
    options.followLink = true; // a profile that is a link: its target is written, the link stays
    options.privateNewFile = true; // a new profile is the user's alone
    options.createFolder = true;
    const FileResult written = WriteFileReplacing(profilePath, text, options);
    if (!written) {
        return {false, written.error};
    }
    return {};
}

ProfileResult SaveProfile(const std::filesystem::path& profilePath, const AppSettings& settings,
                          const std::vector<std::string>& recentFiles) {
    std::string oldText;
    if (const ProfileResult read = ReadOldProfile(profilePath, oldText); !read) {
        return read;
    }
    return WriteProfileText(profilePath, ProfileToText(settings, recentFiles, oldText));
}

ProfileResult SaveSettings(const AppSettings& settings, const std::filesystem::path& profilePath) {
    std::string oldText;
    if (const ProfileResult read = ReadOldProfile(profilePath, oldText); !read) {
        return read;
    }
    return WriteProfileText(profilePath, SettingsToText(settings, oldText));
}

void ClampSettings(AppSettings& s) {
    s.HorizonView = Switch(s.HorizonView);
    s.Level = std::clamp(s.Level, 0, kMaxLevel);
    s.TurnX = WrapOpen(s.TurnX, kTurnXWrap);
    s.TurnY = std::clamp(s.TurnY, -kMaxAbsTurnY, kMaxAbsTurnY);
    s.b = static_cast<float>(WrapOpen(s.b, kTurnXDegWrap));
#define VN_CLAMP_SWITCH(name, setting, chart, command, fallback) s.setting = Switch(s.setting);
    VN_LAYER_SWITCHES(VN_CLAMP_SWITCH)
#undef VN_CLAMP_SWITCH
    for (std::int32_t* flag : {&s.AutoMode, &s.ColoredSky, &s.NightVision}) {
        *flag = Switch(*flag);
    }
    s.StarLimit = std::clamp(s.StarLimit, 0, kStarLimitCodeMax);
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

int StarLimitToCode(double limit) {
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
