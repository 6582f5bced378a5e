// The direct-pixel rasteriser: writes into the memory of a 32-bit cairo image (RGB24 or
// ARGB32) without going through cairo. It draws what a frame has thousands of: single pixels,
// one-pixel lines with the dash pattern, whole-pixel boxes (label boxes, pixel runs), unstretched
// icons and cached shape masks. Everything is clipped to the image.
//
// Coordinates are logical pixels; an image with a whole-number device scale (a screen at 200 %)
// gets scale x scale device pixels for each logical one. The caller flushes the image before
// writing and marks it dirty afterwards (CairoSurface does both).
#pragma once

#include "chart/DrawSurface.h"

#include <cstddef>
#include <cstdint>

// One-pixel dashed pens: this many pixels drawn, then this many skipped (PenStyle::Dash).
inline constexpr int kDashOn = 18;
inline constexpr int kDashOff = 6;
inline constexpr int kDashPeriod = kDashOn + kDashOff;

// `c` as an opaque pixel of cairo's 32-bit image formats (0xAARRGGBB in native byte order).
inline std::uint32_t PackRgb(Rgb c) {
    return 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

class PixelRaster {
public:
    // No image: Active() is false and nothing may be drawn.
    PixelRaster() = default;
    // The image whose first row starts at `pixels`, `stride` bytes a row, width x height logical
    // pixels of scale x scale device pixels each.
    PixelRaster(std::uint8_t* pixels, int stride, int width, int height, int scale)
        : m_pixels(pixels), m_stride(stride), m_width(width), m_height(height), m_scale(scale) {}

    bool Active() const { return m_pixels != nullptr; }
    int Scale() const { return m_scale; }

    // Pixel (x, y) set to `value`; outside the image nothing happens.
    void Put(int x, int y, std::uint32_t value) {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
            return;
        }
        if (m_scale == 1) {
            auto* row = reinterpret_cast<std::uint32_t*>(m_pixels +
                                                         static_cast<std::ptrdiff_t>(y) * m_stride);
            row[x] = value;
            return;
        }
        PutScaled(x, y, value);
    }

    // Fills the pixels [left, right) x [top, bottom).
    void Fill(int left, int top, int right, int bottom, std::uint32_t value);

    // The box (left, top, right, bottom), right > left and bottom > top, as cairo fills it with
    // whole-pixel rectangles: with `ink`, the inside filled with `fill` (when given) and a
    // one-pixel outline just inside the box; without ink, `fill` on the box one pixel smaller on
    // the right and bottom.
    void Box(int left, int top, int right, int bottom, const std::uint32_t* fill,
             const std::uint32_t* ink);

    // Bresenham's line from (x0, y0) up to but not including (x1, y1). A solid line when
    // `dashPhase` is null; otherwise dashed (kDashOn drawn, kDashOff skipped) from *dashPhase
    // pixels into the pattern, and *dashPhase runs on by the line's length.
    void Line(int x0, int y0, int x1, int y1, std::uint32_t value, int* dashPhase);

    // `icon` at its own size with its top-left corner at (left, top), mirrored left to right
    // and/or top to bottom; transparent pixels are left alone.
    void Icon(const IconPicture& icon, int left, int top, bool mirrorX, bool mirrorY);

    // A mask of width x height values (row-major) with its corner at (left, top): 0 leaves the
    // pixel, 1 writes `one`, 2 writes `two`.
    void Stamp(int left, int top, int width, int height, const std::uint8_t* values,
               std::uint32_t one, std::uint32_t two);

private:
    void PutScaled(int x, int y, std::uint32_t value);

public:
    // Calls fn(std::uint32_t&) on each device pixel of logical pixel (x, y) (scale x scale of
    // them); nothing outside the image.
    template <typename Fn> void ForDevicePixels(int x, int y, Fn fn) {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
            return;
        }
        for (int dy = 0; dy < m_scale; ++dy) {
            auto* row = reinterpret_cast<std::uint32_t*>(
                m_pixels + static_cast<std::ptrdiff_t>(y * m_scale + dy) * m_stride);
            for (int dx = 0; dx < m_scale; ++dx) {
                fn(row[static_cast<std::ptrdiff_t>(x) * m_scale + dx]);
            }
        }
    }
    // Pixel (x, y) at scale 1 (nullptr outside the image or on a scaled image).
    std::uint32_t* At(int x, int y) {
        if (m_scale != 1 || x < 0 || y < 0 || x >= m_width || y >= m_height) {
            return nullptr;
        }
        return reinterpret_cast<std::uint32_t*>(m_pixels +
                                                static_cast<std::ptrdiff_t>(y) * m_stride) +
               x;
    }

private:
    std::uint8_t* m_pixels = nullptr;
    int m_stride = 0;
    int m_width = 0;
    int m_height = 0;
    int m_scale = 1;
};
