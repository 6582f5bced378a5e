// Fuzz target: arbitrary bytes as a picture file. The first byte picks the file name's extension
// (one of the picture types, an unknown one, or none); the rest is the file's contents. Checking
// the contents before decoding must never read out of bounds, and whatever it accepts must have
// a real, acceptable size of the type the name allows.
#include "picturefiles/PictureLookup.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

constexpr std::array<const char*, 10> kNames = {"a.jpg", "a.GIF", "a.pcx", "a.tga", "a.bmp",
                                                "a.tif", "a.png", "a.txt", "noext", "a.JPEG"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const char* name = kNames[data[0] % kNames.size()];
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data + 1), size - 1);
    const PictureCheckResult result = CheckPictureBytes(bytes, name);
    if (result.status == PictureCheck::Ok) {
        Require(PictureSizeAcceptable(result.header));
        const PictureType named = PictureTypeFromExtension(name);
        Require(named == PictureType::Unknown || named == result.header.type);
        Require(PictureDataComplete(bytes, result.header));
    }
    if (const auto header = SniffPictureHeader(bytes, PictureTypeFromExtension(name))) {
        Require(header->width > 0 && header->height > 0);
    }
    return 0;
}
