#include "cli/Console.h"

#include "cli/ChartOptions.h"
#include "cli/EphemerisMode.h"
#include "cli/InfoMode.h"
#include "cli/RenderMode.h"

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
    "                   [--lat DD:MM{N|S}] [--zone HOURS] [--place NAME] [--tz ZONE]\n"
    "                   [--profile FILE] [--json]\n"
    "       vesperanova --render FILE.png|FILE.svg|FILE.pdf [chart options] [--size WxH]\n"
    "                   [--mode equatorial|horizon] [--level 0..11] [--center RA,DEC]\n"
    "                   [--layers +NAME,-NAME,...] [--colored-sky] [--print [--page WxH]]\n"
    "                   [--objects FILE.json]   (--render --help for more)\n"
    "       vesperanova --info OBJECT [chart options]   (OBJECT: HR<n>, M<n>, NGC<n>, Moon, Sun,\n"
    "                   Mercury .. Pluto; --info --help for more)\n"
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
            return RunEphemerisMode(args, std::cout, std::cerr, CurrentInstant());
        }
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--render" || arg.starts_with("--render=")) {
            // The output file is the option's value; every other argument goes to the mode.
            std::string output;
            int skip = i;
            if (arg == "--render") {
                if (i + 1 < argc && argv[i + 1][0] != '-') {
                    output = argv[i + 1];
                    skip = i + 1;
                }
            } else {
                output = std::string(arg.substr(std::string_view("--render=").size()));
            }
            std::vector<std::string> args;
            for (int j = 1; j < argc; ++j) {
                if (j < i || j > skip) {
                    args.emplace_back(argv[j]);
                }
            }
            return RunRenderMode(output, args, std::cout, std::cerr, CurrentInstant());
        }
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--info" || arg.starts_with("--info=")) {
            // The object follows the option (or is its value); the mode reads it among the rest.
            std::vector<std::string> args;
            if (arg != "--info") {
                args.emplace_back(arg.substr(std::string_view("--info=").size()));
            }
            for (int j = 1; j < argc; ++j) {
                if (j != i) {
                    args.emplace_back(argv[j]);
                }
            }
            return RunInfoMode(args, std::cout, std::cerr, CurrentInstant());
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
