#include "view/NightVision.h"

#include "chart/NightVisionPalette.h"

#include <cairo.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

void ApplyNightVision(cairo_surface_t* image, int width, int height) {
    if (image == nullptr || cairo_surface_get_type(image) != CAIRO_SURFACE_TYPE_IMAGE) {
        return;
    }
    const cairo_format_t format = cairo_image_surface_get_format(image);
    if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) {
        return;
    }
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    width = std::min(width, cairo_image_surface_get_width(image));
    height = std::min(height, cairo_image_surface_get_height(image));
    for (int y = 0; y < height; ++y) {
        unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            // A pixel is one native-endian 32-bit word: alpha, red, green, blue from the top.
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, row + 4 * static_cast<std::ptrdiff_t>(x), sizeof pixel);
            const auto red = static_cast<std::uint8_t>(pixel >> 16);
            const auto green = static_cast<std::uint8_t>(pixel >> 8);
            const auto blue = static_cast<std::uint8_t>(pixel);
            const std::uint32_t level = NightVisionRed(red, green, blue);
            pixel = (pixel & 0xff000000u) | (level << 16);
            std::memcpy(row + 4 * static_cast<std::ptrdiff_t>(x), &pixel, sizeof pixel);
        }
    }
    cairo_surface_mark_dirty(image);
}
