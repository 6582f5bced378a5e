#include "app/StartupOptions.h"

#include <array>
#include <string_view>

namespace {

// GTK's own options: they take a value, or stand alone.
constexpr std::array<std::string_view, 8> kToolkitOptionsWithValue = {
    "--display",   "--name",         "--class",     "--gtk-module",
    "--gtk-debug", "--gtk-no-debug", "--gdk-debug", "--gdk-no-debug"};
constexpr std::array<std::string_view, 2> kToolkitFlags = {"--sync", "--g-fatal-warnings"};

template <size_t N>
bool Contains(const std::array<std::string_view, N>& list, std::string_view word) {
    for (const std::string_view entry : list) {
        if (entry == word) {
            return true;
        }
    }
    return false;
}

} // namespace

ParsedStartupOptions ParseStartupOptions(int argc, const char* const* argv) {
    StartupOptions options;
    bool pictureSeen = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            if (pictureSeen) {
                return {std::nullopt, "only one picture can be opened: " + std::string(arg)};
            }
            options.picture = std::string(arg);
            pictureSeen = true;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--no-splash") {
            options.showSplash = false;
        } else if (arg == "--profile" || arg.starts_with("--profile=")) {
            std::string_view value;
            if (arg == "--profile") {
                if (i + 1 >= argc) {
                    return {std::nullopt, "--profile needs a file name"};
                }
                value = argv[++i];
            } else {
                value = arg.substr(std::string_view("--profile=").size());
            }
            if (value.empty()) {
                return {std::nullopt, "--profile needs a file name"};
            }
            options.profilePath = std::filesystem::path(std::string(value));
        } else if (Contains(kToolkitFlags, arg)) {
            continue;
        } else if (const auto eq = arg.find('=');
                   Contains(kToolkitOptionsWithValue, arg.substr(0, eq))) {
            if (eq == std::string_view::npos) {
                ++i; // the value follows as its own word
            }
        } else {
            return {std::nullopt, "unknown option " + std::string(arg)};
        }
    }
    return {options, {}};
}
