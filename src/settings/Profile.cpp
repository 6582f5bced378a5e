#include "settings/Profile.h"

#include <wx/fileconf.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/sstream.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <span>
#include <system_error>
#include <variant>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
const ProfileKey kSettingsKeys[] = {
    {"HorizonView", "0", kPlain, &AppSettings::HorizonView},
    {"Level", "2", kPlain, &AppSettings::Level},
    {"TurnX", "18", 2, &AppSettings::TurnX},
    {"TurnY", "0", kPlain, &AppSettings::TurnY},
    {"Coordinations", "0", kPlain, &AppSettings::Coordinations},
    {"Boundaries", "1", kPlain, &AppSettings::Boundaries},
    {"Constelations", "0", kPlain, &AppSettings::Constelations},
    {"DeepSky", "1", kPlain, &AppSettings::DeepSky},
    {"StarNames", "0", kPlain, &AppSettings::StarNames},
    {"DeepSkyNames", "1", kPlain, &AppSettings::DeepSkyNames},
    {"Ecliptic", "1", kPlain, &AppSettings::Ecliptic},
    {"Horizon", "1", kPlain, &AppSettings::Horizon},
    {"MilkyWay", "1", kPlain, &AppSettings::MilkyWay},
    {"SolarSystem", "1", kPlain, &AppSettings::SolarSystem},
    {"SolSysLabels", "1", kPlain, &AppSettings::SolSysLabels},
    {"StarLimit", "11", kPlain, &AppSettings::StarLimit},
    {"DeepSkyLimit", "5", kPlain, &AppSettings::DeepSkyLimit},
    {"ColoredStars", "1", kPlain, &AppSettings::ColoredStars},
    {"ColoredSky", "0", kPlain, &AppSettings::ColoredSky},
    {"AutoMode", "0", kPlain, &AppSettings::AutoMode},
    {"b", "0", 4, &AppSettings::b},
    {"NightVision", "0", kPlain, &AppSettings::NightVision},
    {"PrecisePositions", "0", kPlain, &AppSettings::PrecisePositions},
};

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
};

const char* const kSettingsGroup = "/Settings";
const char* const kLocationGroup = "/Location";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string ToUtf8(const wxString& text) {
    const wxScopedCharBuffer buffer = text.utf8_str();
    return std::string(buffer.data(), buffer.length());
}

wxString FromUtf8(const std::string& text) {
    return wxString::FromUTF8(text.data(), text.size());
}

// While the profile's text is parsed and rebuilt, the config library neither logs nor asserts:
// a damaged line (such as "=value", a key without a name) is simply dropped. Without this, the
// library's debug checks would stop the desktop program with an assertion dialog.
class QuietConfig {
public:
    QuietConfig() : m_oldHandler(wxSetAssertHandler(nullptr)) {}
    ~QuietConfig() { wxSetAssertHandler(m_oldHandler); }
    QuietConfig(const QuietConfig&) = delete;
    QuietConfig& operator=(const QuietConfig&) = delete;

private:
    wxLogNull m_noLog;
    wxAssertHandler_t m_oldHandler;
};

// A config object over the text of a profile (empty text: an empty profile). Environment
// variables in values are not expanded: a place name is the user's text.
std::unique_ptr<wxFileConfig> ConfigFromText(const std::string& text) {
    wxMemoryInputStream in(text.data(), text.size());
    auto config = std::make_unique<wxFileConfig>(in, wxConvAuto());
    config->SetExpandEnvVars(false);
    return config;
}

// Reads the whole profile. Missing file: empty text and no error.
ProfileResult ReadProfileText(const std::filesystem::path& path, std::string& text, bool& exists) {
    text.clear();
    std::error_code ec;
    exists = std::filesystem::exists(path, ec);
    if (!exists) {
        return {};
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        return {false, "Cannot read the settings file " + path.string() + ": " + ec.message()};
    }
    if (size > kMaxProfileBytes) {
        return {false, "The settings file " + path.string() + " is too large to be a profile."};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {false,
                "Cannot read the settings file " + path.string() + ": " + std::strerror(errno)};
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return {false, "Cannot read the settings file " + path.string() + "."};
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

std::string ReadText(wxFileConfig& config, const char* key, const char* fallback) {
    wxString value;
    if (!config.Read(key, &value)) {
        return fallback;
    }
    return ToUtf8(value);
}

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

// Reads the keys of one section into the settings.
void ReadKeys(wxFileConfig& config, std::span<const ProfileKey> keys, AppSettings& s) {
    for (const ProfileKey& key : keys) {
        const std::string text = ReadText(config, key.name, key.fallback);
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

// Writes the keys of one section from the settings, in table order.
void WriteKeys(wxFileConfig& config, std::span<const ProfileKey> keys, const AppSettings& s) {
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
                [&](std::string Observer::*f) { return s.Observer.*f; },
            },
            key.field);
        config.Write(key.name, FromUtf8(text));
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

// The entries of `from` under `path` (and its subgroups) are copied into `to`, in their order.
void CopyGroup(wxFileConfig& from, wxFileConfig& to, const wxString& path) {
    from.SetPath(path);
    to.SetPath(path);
    wxString name;
    long index = 0;
    std::vector<wxString> entries;
    for (bool more = from.GetFirstEntry(name, index); more; more = from.GetNextEntry(name, index)) {
        entries.push_back(name);
    }
    for (const wxString& entry : entries) {
        wxString value;
        from.Read(entry, &value);
        to.Write(entry, value);
    }
    std::vector<wxString> groups;
    for (bool more = from.GetFirstGroup(name, index); more; more = from.GetNextGroup(name, index)) {
        groups.push_back(name);
    }
    for (const wxString& group : groups) {
        const wxString child = path == "/" ? "/" + group : path + "/" + group;
        CopyGroup(from, to, child);
        from.SetPath(path);
        to.SetPath(path);
    }
}

// Copies the entries of a group that this program does not write itself (another part of the
// program may keep its own keys there, such as the print preview's "PreviewPages").
void CopyOtherEntries(wxFileConfig& from, wxFileConfig& to, const char* group,
                      std::span<const ProfileKey> ownKeys) {
    if (!from.HasGroup(group)) {
        return;
    }
    from.SetPath(group);
    to.SetPath(group);
    wxString name;
    long index = 0;
    std::vector<wxString> entries;
    for (bool more = from.GetFirstEntry(name, index); more; more = from.GetNextEntry(name, index)) {
        if (std::none_of(ownKeys.begin(), ownKeys.end(),
                         [&](const ProfileKey& key) { return name == key.name; })) {
            entries.push_back(name);
        }
    }
    for (const wxString& entry : entries) {
        wxString value;
        from.Read(entry, &value);
        to.Write(entry, value);
    }
}

// Writes `text` over `path` in one step: a temporary file beside it, flushed to the disk, then
// renamed over the old file, so a crash or a full disk never leaves half a profile behind.
ProfileResult ReplaceFile(const std::filesystem::path& path, const std::string& text) {
    const std::string name = path.string();
    std::error_code ec;
    const std::filesystem::path dir = path.parent_path();
    if (!dir.empty()) {
        std::filesystem::create_directories(dir, ec);
        if (ec) {
            return {false, "Cannot create the folder " + dir.string() + ": " + ec.message()};
        }
    }
    std::string tempName = name + ".XXXXXX";
    const int fd = mkstemp(tempName.data());
    if (fd < 0) {
        return {false, "Cannot write the settings file " + name + ": " + std::strerror(errno)};
    }
    // An existing profile keeps its permissions; a new one is private to the user (mkstemp).
    struct stat old {};
    if (::stat(name.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    const char* p = text.data();
    std::size_t left = text.size();
    int error = 0;
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && std::rename(tempName.c_str(), name.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(tempName.c_str());
        return {false, "Cannot write the settings file " + name + ": " + std::strerror(error)};
    }
    // Make the rename itself durable.
    const int dirFd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
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
    const QuietConfig quiet;
    std::unique_ptr<wxFileConfig> config = ConfigFromText(text);
    wxFileConfig& c = *config;

    c.SetPath(kSettingsGroup);
    ReadKeys(c, kSettingsKeys, s);
    c.SetPath(kLocationGroup);
    ReadKeys(c, kLocationKeys, s);
    ClampSettings(s);
}

ProfileResult LoadSettings(AppSettings& settings, const std::filesystem::path& profilePath) {
    std::string text;
    bool exists = false;
    ProfileResult result = ReadProfileText(profilePath, text, exists);
    LoadSettingsFromText(settings, result ? text : std::string());
    return result;
}

std::string SettingsToText(const AppSettings& s, const std::string& oldText) {
    const QuietConfig quiet;
    std::unique_ptr<wxFileConfig> old = ConfigFromText(oldText);
    std::unique_ptr<wxFileConfig> config = ConfigFromText({});
    wxFileConfig& c = *config;

    c.SetPath(kSettingsGroup);
    WriteKeys(c, kSettingsKeys, s);
    CopyOtherEntries(*old, c, kSettingsGroup, kSettingsKeys);
    c.SetPath(kLocationGroup);
    WriteKeys(c, kLocationKeys, s);
    CopyOtherEntries(*old, c, kLocationGroup, kLocationKeys);

    // Everything else (the recent-file list, anything a later version adds) is kept as it was.
    old->SetPath("/");
    wxString name;
    long index = 0;
    std::vector<wxString> groups;
    for (bool more = old->GetFirstGroup(name, index); more; more = old->GetNextGroup(name, index)) {
        if (name != "Settings" && name != "Location") {
            groups.push_back(name);
        }
    }
    std::vector<wxString> rootEntries;
    for (bool more = old->GetFirstEntry(name, index); more; more = old->GetNextEntry(name, index)) {
        rootEntries.push_back(name);
    }
    c.SetPath("/");
    for (const wxString& entry : rootEntries) {
        wxString value;
        old->Read(entry, &value);
        c.Write(entry, value);
    }
    for (const wxString& group : groups) {
        CopyGroup(*old, c, "/" + group);
    }

    wxStringOutputStream out;
    c.Save(out, wxConvUTF8);
    return ToUtf8(out.GetString());
}

ProfileResult SaveSettings(const AppSettings& settings, const std::filesystem::path& profilePath) {
    std::filesystem::path target = profilePath;
    std::error_code ec;
    // A profile that is a link is written where the link points, and the link stays.
    if (std::filesystem::is_symlink(target, ec)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec) {
            target = resolved;
        }
    }
    std::string oldText;
    bool exists = false;
    ProfileResult read = ReadProfileText(target, oldText, exists);
    if (!read) {
        // The old file cannot be read, so its other sections (the recent files) would be lost:
        // leave it alone and say so.
        return read;
    }
    return ReplaceFile(target, SettingsToText(settings, oldText));
}

void ClampSettings(AppSettings& s) {
    s.HorizonView = Switch(s.HorizonView);
    s.Level = std::clamp(s.Level, 0, kMaxLevel);
    s.TurnX = WrapOpen(s.TurnX, kTurnXWrap);
    s.TurnY = std::clamp(s.TurnY, -kMaxAbsTurnY, kMaxAbsTurnY);
    s.b = static_cast<float>(WrapOpen(s.b, kTurnXDegWrap));
    for (std::int32_t* flag :
         {&s.Coordinations, &s.Boundaries, &s.Constelations, &s.DeepSky, &s.StarNames,
          &s.DeepSkyNames, &s.Ecliptic, &s.Horizon, &s.MilkyWay, &s.SolarSystem, &s.SolSysLabels,
          &s.AutoMode, &s.ColoredStars, &s.ColoredSky, &s.NightVision}) {
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
