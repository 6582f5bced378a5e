#include "settings/IniFile.h"

#include "files/SafeFile.h"
#include "files/Utf8Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>

namespace {

// A profile larger than this is not one we wrote (ours is under 2 KB): it is neither read
// (defaults apply, an error is returned) nor overwritten, and the parser never sees a text
// large enough to make its per-line work slow.
constexpr std::uintmax_t kMaxProfileBytes = 64u << 10;

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

// The number at the start of `text`, after blanks and one '+'; `negative` tells the sign of
// what was there (for a number too large to hold).
template <class T> std::errc LeadingNumber(const std::string& text, T& value, bool& negative) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && IsBlank(*p)) {
        ++p;
    }
    if (p < end && *p == '+') {
        ++p;
    }
    negative = p < end && *p == '-';
    if constexpr (std::is_floating_point_v<T>) {
        return std::from_chars(p, end, value, std::chars_format::general).ec;
    } else {
        return std::from_chars(p, end, value).ec;
    }
}

} // namespace

const std::string* IniSection::Find(std::string_view key) const {
    for (const auto& [k, v] : entries) {
        if (k == key) {
            return &v;
        }
    }
    return nullptr;
}

void IniSection::Set(std::string_view key, std::string value) {
    for (auto& [k, v] : entries) {
        if (k == key) {
            v = std::move(value);
            return;
        }
    }
    entries.emplace_back(std::string(key), std::move(value));
}

IniSection& IniSections::Section(std::string_view name) {
    for (IniSection& section : sections) {
        if (section.name == name) {
            return section;
        }
    }
    sections.push_back(IniSection{std::string(name), {}});
    return sections.back();
}

const IniSection* IniSections::Find(std::string_view name) const {
    for (const IniSection& section : sections) {
        if (section.name == name) {
            return &section;
        }
    }
    return nullptr;
}

std::string IniValue(std::string_view raw) {
    std::string_view value = Trim(raw);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

std::string QuotedIniValue(const std::string& value) {
    if (!value.empty() &&
        (IsEdgeBlank(value.front()) || IsEdgeBlank(value.back()) ||
         (value.size() >= 2 && value.front() == '"' && value.back() == '"') || value == "\"")) {
        return '"' + value + '"';
    }
    return value;
}

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

IniSections ParseIni(std::string_view text) {
    IniSections profile;
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
            // The recent list's header may be written with escaped blanks.
            if (name == "Recent\\ File\\ List") {
                name = kRecentGroup;
            }
            profile.Section(name);
            current = static_cast<std::size_t>(
                std::find_if(profile.sections.begin(), profile.sections.end(),
                             [&](const IniSection& s) { return s.name == name; }) -
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

std::string IniText(const IniSections& profile) {
    std::string text;
    for (const IniSection& section : profile.sections) {
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

ProfileResult ReadIniFile(const std::filesystem::path& path, std::string& text) {
    const ReadResult read = ReadWholeFile(path, kMaxProfileBytes, text);
    if (read.status == ReadStatus::Failed) {
        return {false,
                "Cannot read the settings file " + path.string() +
                    read.error.substr(read.error.rfind(':')),
                {}};
    }
    return {};
}

double ParseProfileNumber(const std::string& text) {
    double value = 0.0;
    bool negative = false;
    if (LeadingNumber(text, value, negative) != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

std::int32_t ParseProfileInteger(const std::string& text, std::int32_t fallback) {
    long long value = 0;
    bool negative = false;
    const std::errc ec = LeadingNumber(text, value, negative);
    if (ec == std::errc::result_out_of_range) {
        return negative ? std::numeric_limits<std::int32_t>::min()
                        : std::numeric_limits<std::int32_t>::max();
    }
    if (ec != std::errc()) {
        return fallback;
    }
    return static_cast<std::int32_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
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

ProfileResult ReadIniForRewrite(const std::filesystem::path& profilePath, std::string& oldText) {
    std::filesystem::path target;
    const FileResult resolved = ResolveWriteTarget(profilePath, true, target);
    if (!resolved) {
        return {false, resolved.error, {}};
    }
    // The old file cannot be read, so its other sections would be lost: leave it alone and
    // say so.
    return ReadIniFile(target, oldText);
}

ProfileResult WriteIniFile(const std::filesystem::path& profilePath, const std::string& text) {
    WriteOptions options;
    options.followLink = true; // a profile that is a link: its target is written, the link stays
    options.privateNewFile = true; // a new profile is the user's alone
    options.createFolder = true;
    const FileResult written = WriteFileReplacing(profilePath, text, options);
    if (!written) {
        return {false, written.error, {}};
    }
    return {};
}
