#include "app/StartupOptions.h"

#include "cli/OptionTable.h"

#include <string_view>
#include <vector>

ParsedStartupOptions ParseStartupOptions(int argc, const char* const* argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    StartupOptions options;
    bool pictureSeen = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            if (pictureSeen) {
                return {std::nullopt, "only one picture can be opened: " + arg};
            }
            options.picture = arg;
            pictureSeen = true;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const OptionMatch match =
            MatchOption(args, i, Only(Mode::Desktop),
                        {OptionKind::Own, OptionKind::Chart, OptionKind::Toolkit});
        if (!match.row) {
            return {std::nullopt, "unknown option " + arg};
        }
        switch (match.row->id) {
        case OptionId::NoSplash:
            options.showSplash = false;
            break;
        case OptionId::Profile:
            if (!match.value || match.value->empty()) {
                return {std::nullopt, "--profile needs a file name"};
            }
            options.profilePath = std::filesystem::path(*match.value);
            break;
        default: // the window system's own options (and their values) are left for it
            if (match.row->name == "--display" && match.value) {
                options.display = *match.value; // the display check opens the same one
            }
            break;
        }
    }
    return {options, {}};
}
