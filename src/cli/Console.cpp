#include "cli/Console.h"

#include "cli/ChartOptions.h"
#include "cli/EphemerisMode.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: vesperanova [PICTURE] [--no-splash] [--profile FILE]\n"
    "       vesperanova --ephemeris [--date YYYY-MM-DDTHH:MM[:SS]] [--lon DD:MM{E|W}]\n"
    "                   [--lat DD:MM{N|S}] [--zone HOURS] [--profile FILE] [--json]\n"
    "       vesperanova --help | --version\n";

} // namespace

std::optional<int> RunConsoleMode(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--ephemeris") {
            std::vector<std::string> args;
            for (int j = 1; j < argc; ++j) {
                if (j != i) {
                    args.emplace_back(argv[j]);
                }
            }
            return RunEphemerisMode(args, std::cout, std::cerr, LocalClockNow());
        }
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::puts("Vesperanova " VN_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}
