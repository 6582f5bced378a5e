#include "view/NightVision.h"

#include "chart/NightVisionPalette.h"

#include <cairo.h>

#include <algorithm>
#include <cstdint>

void ApplyNightVision(cairo_surface_t* image, int width, int height) {
    if (image == nullptr || cairo_surface_get_type(image) != CAIRO_SURFACE_TYPE_IMAGE) {
        return;
    }
    const cairo_format_t format = cairo_image_surface_get_format(image);
    if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) {
        return;
    }
    cairo_surface_flush(image);
    std::uint8_t* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    width = std::min(width, cairo_image_surface_get_width(image));
    height = std::min(height, cairo_image_surface_get_height(image));
    NightVisionPixels(data, stride, width, height);
    cairo_surface_mark_dirty(image);
}
