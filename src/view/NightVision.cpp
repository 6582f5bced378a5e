#include "view/NightVision.h"

#include <cairo.h>

#include <algorithm>
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
        auto* row = data + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, row + 4 * x, sizeof pixel);
            const std::uint32_t red = (pixel >> 16) & 0xffu;
            const std::uint32_t green = (pixel >> 8) & 0xffu;
            const std::uint32_t blue = pixel & 0xffu;
            const std::uint32_t bright = std::max({red, green, blue});
            pixel = (pixel & 0xff000000u) | (bright << 16);
            std::memcpy(row + 4 * x, &pixel, sizeof pixel);
        }
    }
    cairo_surface_mark_dirty(image);
}
