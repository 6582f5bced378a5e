#include "chart/PixelRaster.h"

#include <algorithm>
#include <cstdlib>

void PixelRaster::PutScaled(int x, int y, std::uint32_t value) {
    for (int dy = 0; dy < m_scale; ++dy) {
        auto* row = reinterpret_cast<std::uint32_t*>(
            m_pixels + static_cast<std::ptrdiff_t>(y * m_scale + dy) * m_stride);
        std::fill_n(row + static_cast<std::ptrdiff_t>(x) * m_scale, m_scale, value);
    }
}

void PixelRaster::Fill(int left, int top, int right, int bottom, std::uint32_t value) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, m_width);
    bottom = std::min(bottom, m_height);
    if (right <= left || bottom <= top) {
        return;
    }
    const auto count = static_cast<std::ptrdiff_t>(right - left) * m_scale;
    for (int y = top * m_scale; y < bottom * m_scale; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(m_pixels + static_cast<std::ptrdiff_t>(y) * m_stride);
        std::fill_n(row + static_cast<std::ptrdiff_t>(left) * m_scale, count, value);
    }
}

void PixelRaster::Box(int left, int top, int right, int bottom, const std::uint32_t* fill,
                      const std::uint32_t* ink) {
    if (ink == nullptr) {
        if (fill != nullptr && right - left > 1 && bottom - top > 1) {
            Fill(left, top, right - 1, bottom - 1, *fill);
        }
        return;
    }
    if (fill != nullptr) {
        Fill(left, top, right, bottom, *fill);
    }
    Fill(left, top, right, top + 1, *ink);
    Fill(left, bottom - 1, right, bottom, *ink);
    Fill(left, top, left + 1, bottom, *ink);
    Fill(right - 1, top, right, bottom, *ink);
}

void PixelRaster::Line(int x0, int y0, int x1, int y1, std::uint32_t value, int* dashPhase) {
    const bool dashed = dashPhase != nullptr;
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    // A line wholly beside the image draws nothing; only the dash pattern moves on.
    if ((x0 < 0 && x1 < 0) || (y0 < 0 && y1 < 0) || (x0 >= m_width && x1 >= m_width) ||
        (y0 >= m_height && y1 >= m_height)) {
        if (dashed) {
            *dashPhase = (*dashPhase + std::max(dx, -dy)) % kDashPeriod;
        }
        return;
    }
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0;
    int y = y0;
    if (!dashed && m_scale == 1) {
        // The same steps with the image's fields held in locals (a pixel store could alias them).
        std::uint8_t* const pixels = m_pixels;
        const std::ptrdiff_t stride = m_stride;
        const int width = m_width;
        const int height = m_height;
        for (int steps = std::max(dx, -dy); steps > 0; --steps) {
            if (x >= 0 && y >= 0 && x < width && y < height) {
                reinterpret_cast<std::uint32_t*>(pixels + y * stride)[x] = value;
            }
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
        return;
    }
    // Safety valve: a line has at most max(|dx|, |dy|) pixels before its end point.
    for (int steps = std::max(dx, -dy); steps > 0; --steps) {
        if (!dashed || *dashPhase < kDashOn) {
            Put(x, y, value);
        }
        if (dashed) {
            *dashPhase = (*dashPhase + 1) % kDashPeriod;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void PixelRaster::Icon(const IconPicture& icon, int left, int top, bool mirrorX, bool mirrorY) {
    const bool hasMask = icon.opaque.size() >= icon.pixels.size();
    for (int row = 0; row < icon.height; ++row) {
        const int srcRow = mirrorY ? icon.height - 1 - row : row;
        for (int col = 0; col < icon.width; ++col) {
            const int srcCol = mirrorX ? icon.width - 1 - col : col;
            const std::size_t i = static_cast<std::size_t>(srcRow * icon.width + srcCol);
            if (hasMask && icon.opaque[i] == 0) {
                continue;
            }
            Put(left + col, top + row, PackRgb(icon.pixels[i]));
        }
    }
}

void PixelRaster::Stamp(int left, int top, int width, int height, const std::uint8_t* values,
                        std::uint32_t one, std::uint32_t two) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t value = values[static_cast<std::size_t>(y) * width + x];
            if (value != 0) {
                Put(left + x, top + y, value == 2 ? two : one);
            }
        }
    }
}
