// The desktop program's command line: a picture to open and the options of kOptionTable that
// Mode::Desktop takes (--no-splash, --profile FILE, the window system's). Parsed before any
// display connection is opened, so a wrong option is reported on the terminal.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

struct StartupOptions {
    std::string picture;                // a picture file to open at start-up, or empty
    bool showSplash = true;             // false with --no-splash
    std::filesystem::path profilePath;  // --profile FILE; empty: the user's own profile
    std::optional<std::string> display; // --display NAME (also passed on to the toolkit)
    // Not on the command line: where the program's data lies when it is not to be searched for
    // (tests); empty: FindProgramDir().
    std::string programDir;
};

struct ParsedStartupOptions {
    std::optional<StartupOptions> options; // empty on a wrong command line
    std::string error;                     // one line for the terminal
};

// Options of the window system (--display NAME, --sync, ...) are left for it and skipped here.
ParsedStartupOptions ParseStartupOptions(int argc, const char* const* argv);
