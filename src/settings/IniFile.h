// The sections-and-keys text file the settings profile is kept in (an INI file), apart from
// which keys the program has: reading the text into sections and keys, writing it back, the
// value and number forms, and reading and safely replacing the file.
//
// Reading: line by line as UTF-8; a line that is not UTF-8 or holds a control character (other
// than a tab) is skipped, so a bad byte costs only its own key; a header with such a byte still
// opens a section of its own. Lines that are neither "[section]" nor "key=value" (comments
// starting with ';' or '#', blank lines, damage) are dropped. A section or key given twice is
// kept once, where it first appeared, with the value it was given last. Keys and values are
// trimmed of blanks; backslashes are plain characters.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Success, or a one-line error text for the user.
struct ProfileResult {
    bool ok = true;
    std::string error;
    // Values of the profile that were refused (the default is used instead), one line each.
    std::vector<std::string> warnings;

    explicit operator bool() const { return ok; }
};

// One section: its keys in the order of the file, values in their written form (trimmed,
// quotes kept; IniValue gives the value).
struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;

    const std::string* Find(std::string_view key) const;
    // Replaces the key's value, or adds the key at the end.
    void Set(std::string_view key, std::string value);
};

// The whole file; the first section is the nameless one before any header.
struct IniSections {
    std::vector<IniSection> sections;

    IniSections() : sections(1) {}
    // The section of that name, added at the end when missing.
    IniSection& Section(std::string_view name);
    const IniSection* Find(std::string_view name) const;
};

IniSections ParseIni(std::string_view text);
// The text of the sections, one "key=value" a line; empty sections without a name are left out.
std::string IniText(const IniSections& ini);

// A value as the file holds it: trimmed of blanks, and a value in double quotes (the form of a
// text with blanks at its ends) without them.
std::string IniValue(std::string_view written);
// A text value as it is written: in double quotes when its ends would otherwise be lost or
// misread (a blank at either end, or quotes at both ends).
std::string QuotedIniValue(const std::string& value);
// A text that can stand on one line of the file: control characters (a line break included)
// become blanks, and bytes that are not UTF-8 become U+FFFD.
std::string OneLineText(const std::string& text);

// Number values. Reading skips leading blanks and one '+', takes the longest number at the
// start and ignores the rest. A decimal that is missing or not finite reads as 0 ("6.5x" is
// 6.5, "abc" and "nan" are 0); an integer without digits reads as `fallback`, one beyond 32
// bits as the nearest end. Writing: fixed-point with `decimals` decimals, blank-padded on the
// left to 4 characters ("18.00", "0.0000", " 1.0"). Always a decimal point, whatever the user's
// locale.
double ParseProfileNumber(const std::string& text);
std::int32_t ParseProfileInteger(const std::string& text, std::int32_t fallback);
std::string FormatProfileNumber(double value, int decimals);

// Reads the whole file into `text`. A missing file is empty text and no error; a file that
// cannot be read, or is far larger than a profile can be, is an error naming the file.
ProfileResult ReadIniFile(const std::filesystem::path& path, std::string& text);
// Reads the file about to be replaced (through a link, its target), for the sections that are
// kept. An error means the file must be left alone: its other sections would be lost.
ProfileResult ReadIniForRewrite(const std::filesystem::path& path, std::string& text);
// Replaces the file through WriteFileReplacing: a link is written where it points and stays; an
// existing file keeps its permissions, a new one is private (0600); the folder is created when
// missing; a folder, device or pipe at the path is refused.
ProfileResult WriteIniFile(const std::filesystem::path& path, const std::string& text);
