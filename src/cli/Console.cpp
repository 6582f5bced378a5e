#include "cli/Console.h"

#include "cli/AltitudeMode.h"
#include "cli/EphemerisMode.h"
#include "cli/ExitStatus.h"
#include "cli/InfoMode.h"
#include "cli/OptionTable.h"
#include "cli/RenderMode.h"
#include "cli/TelescopeMode.h"
#include "cli/TerminalText.h"
#include "cli/TonightMode.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Whether `arg` names the mode of `row`: exactly, or with "=VALUE" (then `value` is set) when
// the mode takes an argument.
bool NamesMode(std::string_view arg, const OptionRow& row, std::optional<std::string>& value) {
    if (arg == row.name) {
        return true;
    }
    if (!row.argument.empty() && arg.size() > row.name.size() && arg.starts_with(row.name) &&
        arg[row.name.size()] == '=') {
        value = std::string(arg.substr(row.name.size() + 1));
        return true;
    }
    return false;
}

// Runs the mode chosen by args[i], with every other argument.
int RunMode(const OptionRow& row, const std::vector<std::string>& args, std::size_t i,
            const std::optional<std::string>& value) {
    // Messages may quote what the user typed or a file holds.
    TerminalSafeStream err(std::cerr);
    std::vector<std::string> rest;
    switch (row.id) {
    case OptionId::Render: {
        // The output file is the option's value; every other argument goes to the mode.
        std::string output = value.value_or("");
        std::size_t skip = i;
        if (!value && i + 1 < args.size() && !args[i + 1].starts_with("-")) {
            output = args[i + 1];
            skip = i + 1;
        }
        for (std::size_t j = 0; j < args.size(); ++j) {
            if (j < i || j > skip) {
                rest.push_back(args[j]);
            }
        }
        return RunRenderMode(output, rest, std::cout, err, CurrentInstant());
    }
    case OptionId::Telescope: {
        // The server is the option's value or the next argument.
        std::optional<std::string> address = value;
        std::size_t skip = i;
        if (!value && i + 1 < args.size() && !args[i + 1].starts_with("-")) {
            address = args[i + 1];
            skip = i + 1;
        }
        for (std::size_t j = 0; j < args.size(); ++j) {
            if (j < i || j > skip) {
                rest.push_back(args[j]);
            }
        }
        return RunTelescopeMode(address, rest, std::cout, err, CurrentInstant());
    }
    case OptionId::Info:
    case OptionId::Altitude:
        // The object follows the option (or is its value); the mode reads it among the rest.
        if (value) {
            rest.push_back(*value);
        }
        break;
    default:
        break;
    }
    for (std::size_t j = 0; j < args.size(); ++j) {
        if (j != i) {
            rest.push_back(args[j]);
        }
    }
    switch (row.id) {
    case OptionId::Info:
        return RunInfoMode(rest, std::cout, err, CurrentInstant());
    case OptionId::Tonight:
        return RunTonightMode(rest, std::cout, err, CurrentInstant());
    case OptionId::Altitude:
        return RunAltitudeMode(rest, std::cout, err, CurrentInstant());
    default:
        return RunEphemerisMode(rest, std::cout, err, CurrentInstant());
    }
}

} // namespace

std::optional<int> RunConsoleMode(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The first mode of the table that the command line names, wherever it stands, is run.
    for (const OptionRow& row : kOptionTable) {
        if (row.kind != OptionKind::ModeChoice) {
            continue;
        }
        for (std::size_t i = 0; i < args.size(); ++i) {
            std::optional<std::string> value;
            if (NamesMode(args[i], row, value)) {
                return RunMode(row, args, i, value);
            }
        }
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const OptionMatch match = MatchOption(args, i, kEveryMode, {OptionKind::General});
        if (match.row && match.row->id == OptionId::Help) {
            std::fputs(GeneralUsage().c_str(), stdout);
            return kExitOk;
        }
        if (match.row && match.row->id == OptionId::Version) {
            std::puts("Vesperanova " VN_VERSION);
            return kExitOk;
        }
    }
    return std::nullopt;
}
