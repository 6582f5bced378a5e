// Entry point: console modes run without a display; otherwise the desktop program starts.
#include "cli/Console.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (const auto status = RunConsoleMode(argc, argv)) {
        return *status;
    }
    std::fputs("The desktop program is not built yet.\n", stderr);
    return 1;
}
