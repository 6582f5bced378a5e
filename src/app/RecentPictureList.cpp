#include "app/RecentPictureList.h"

#include <wx/fileconf.h>
#include <wx/log.h>

#include <fstream>
#include <memory>
#include <system_error>

namespace {

constexpr const char* kGroup = "/Recent File List";

std::unique_ptr<wxFileConfig> OpenProfile(const std::filesystem::path& profilePath) {
    return std::make_unique<wxFileConfig>(wxString(), wxString(),
                                          wxString::FromUTF8(profilePath.string()), wxString(),
                                          wxCONFIG_USE_LOCAL_FILE);
}

wxString KeyOf(int entry) {
    return wxString::Format("File%d", entry + 1);
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A value as the profile reader takes it back unchanged: backslashes, quotes and control
// characters escaped, and the whole quoted when it starts or ends with a blank.
std::string EscapedValue(const std::string& value) {
    std::string out;
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    if (!value.empty() && (value.front() == ' ' || value.back() == ' ')) {
        out = '"' + out + '"';
    }
    return out;
}

// Writes `text` beside `path`, flushes it, and renames it over `path`, so a failed write leaves
// the old file whole.
bool WriteReplacing(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out << text;
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace

std::vector<std::string> LoadRecentPictures(const std::filesystem::path& profilePath) {
    std::vector<std::string> paths;
    std::error_code error;
    if (profilePath.empty() || !std::filesystem::is_regular_file(profilePath, error)) {
        return paths;
    }
    wxLogNull quiet; // an unreadable profile simply has no list
    const auto config = OpenProfile(profilePath);
    config->SetPath(kGroup);
    for (int entry = 0; entry < kRecentPictureEntries; ++entry) {
        const wxString path = config->Read(KeyOf(entry), wxString());
        if (!path.empty()) {
            paths.emplace_back(path.utf8_string());
        }
    }
    return paths;
}

bool SaveRecentPictures(const std::filesystem::path& profilePath,
                        const std::vector<std::string>& paths) {
    if (profilePath.empty()) {
        return false;
    }
    // The rest of the profile is kept line for line; only the section of the list is replaced,
    // and it is written under its plain name (wx's own writer would escape the blanks in it).
    std::string kept;
    std::error_code error;
    if (std::filesystem::exists(profilePath, error)) {
        std::ifstream in(profilePath, std::ios::binary);
        if (!in) {
            return false;
        }
        std::string line;
        bool inList = false;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            const std::string trimmed = Trimmed(line);
            if (!trimmed.empty() && trimmed.front() == '[') {
                inList = trimmed == "[Recent File List]" || trimmed == "[Recent\\ File\\ List]";
            }
            if (!inList) {
                kept += line;
                kept += '\n';
            }
        }
    }
    std::string text = kept;
    text += "[Recent File List]\n";
    for (size_t entry = 0; entry < paths.size() && entry < kRecentPictureEntries; ++entry) {
        if (!paths[entry].empty()) {
            text += "File" + std::to_string(entry + 1) + "=" + EscapedValue(paths[entry]) + "\n";
        }
    }
    return WriteReplacing(profilePath, text);
}
