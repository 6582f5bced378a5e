// Entry point: console modes run without a display; otherwise the desktop program starts.
#include <cstdio>

int main(int, char**) {
    std::puts("Vesperanova " VN_VERSION);
    return 0;
}
