#include "cli/Console.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "Usage: vesperanova [PICTURE] [--no-splash] [--profile FILE]\n"
    "       vesperanova --help | --version\n";

} // namespace

std::optional<int> RunConsoleMode(int argc, char** argv) {
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
