#include "chart/CairoSurface.h"

#include "chart/PixelRaster.h"
#include "chart/TextLayoutCache.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

CairoSurface::CairoSurface(cairo_t* cr, int width, int height)
    : m_cr(cairo_reference(cr)), m_width(width), m_height(height),
      m_layouts(std::make_unique<TextLayoutCache>()) {
    cairo_set_antialias(m_cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_cap(m_cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_MITER);

    cairo_surface_t* target = cairo_get_target(m_cr);
    cairo_matrix_t matrix;
    cairo_get_matrix(m_cr, &matrix);
    double offsetX = 0.0;
    double offsetY = 0.0;
    cairo_surface_get_device_offset(target, &offsetX, &offsetY);
    const bool identity = matrix.xx == 1.0 && matrix.yy == 1.0 && matrix.xy == 0.0 &&
                          matrix.yx == 0.0 && matrix.x0 == 0.0 && matrix.y0 == 0.0 &&
                          offsetX == 0.0 && offsetY == 0.0;
    double scaleX = 1.0;
    double scaleY = 1.0;
    cairo_surface_get_device_scale(target, &scaleX, &scaleY);
    const int scale = static_cast<int>(scaleX);
    const bool wholeScale = scaleX == scaleY && scale >= 1 && scaleX == scale;
    if (identity && wholeScale && cairo_surface_get_type(target) == CAIRO_SURFACE_TYPE_IMAGE) {
        const cairo_format_t format = cairo_image_surface_get_format(target);
        // An image that could not be made (too large, no memory) has no data: cairo then
        // ignores every drawing call and the writer reports the error.
        if ((format == CAIRO_FORMAT_RGB24 || format == CAIRO_FORMAT_ARGB32) &&
            cairo_image_surface_get_data(target) != nullptr) {
            cairo_surface_flush(target);
            m_width = std::min(m_width, cairo_image_surface_get_width(target) / scale);
            m_height = std::min(m_height, cairo_image_surface_get_height(target) / scale);
            m_raster =
                PixelRaster(cairo_image_surface_get_data(target),
                            cairo_image_surface_get_stride(target), m_width, m_height, scale);
        }
    }
}

CairoSurface::~CairoSurface() {
    Flush();
    m_layouts.reset();
    cairo_destroy(m_cr);
}

void CairoSurface::Flush() {
    BeginCairo();
}

void CairoSurface::BeginDirect() {
    if (!m_directActive) {
        cairo_surface_flush(cairo_get_target(m_cr));
        m_directActive = true;
    }
}

void CairoSurface::BeginCairo() {
    if (m_directActive) {
        cairo_surface_mark_dirty(cairo_get_target(m_cr));
        m_directActive = false;
    }
}

void CairoSurface::OnStateChanged() {
    // A newly selected pen starts its dash pattern afresh; fonts and brushes leave it alone.
    if (!(m_state.pen == m_dashPen)) {
        m_dashPen = m_state.pen;
        m_dashPhase = 0;
    }
}

void CairoSurface::SetSource(Rgb c) {
    cairo_set_source_rgb(m_cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void CairoSurface::SetPixel(int x, int y, Rgb colour) {
    if (m_raster.Active()) {
        BeginDirect();
        m_raster.Put(x, y, PackRgb(colour));
        return;
    }
    BeginCairo();
    SetSource(colour);
    cairo_rectangle(m_cr, x, y, 1, 1);
    cairo_fill(m_cr);
}

namespace {

// Pixel `p` with `amount` (0..1] of `colour` added, each channel clamped at 255.
std::uint32_t WithLight(std::uint32_t p, Rgb colour, float amount) {
    auto add = [&](int shift, std::uint8_t c) {
        const int v = static_cast<int>((p >> shift) & 0xFFu) +
                      static_cast<int>(static_cast<float>(c) * amount + 0.5f);
        return static_cast<std::uint32_t>(std::min(v, 255)) << shift;
    };
    return 0xFF000000u | add(16, colour.r) | add(8, colour.g) | add(0, colour.b);
}

} // namespace

void CairoSurface::AddLightBlock(int x, int y, int w, int h, std::span<const float> amounts,
                                 Rgb colour) {
    if (!m_raster.Active()) {
        DrawSurface::AddLightBlock(x, y, w, h, amounts, colour);
        return;
    }
    BeginDirect();
    if (m_raster.Scale() == 1) {
        // Straight into the rows, the box clipped to the image once.
        const float r = colour.r;
        const float g = colour.g;
        const float b = colour.b;
        const int left = std::max(0, -x);
        const int right = std::min(w, m_width - x);
        for (int row = std::max(0, -y); row < std::min(h, m_height - y); ++row) {
            if (left >= right) {
                break;
            }
            std::uint32_t* pixels = m_raster.At(x + left, y + row);
            const float* light = amounts.data() + static_cast<std::ptrdiff_t>(row) * w;
            for (int col = left; col < right; ++col, ++pixels) {
                const float amount = light[col];
                if (amount > 0.0f) {
                    const std::uint32_t p = *pixels;
                    const float a = std::min(amount, 1.0f);
                    auto add = [&](int shift, float c) {
                        const int v =
                            static_cast<int>((p >> shift) & 0xFFu) + static_cast<int>(c * a + 0.5f);
                        return static_cast<std::uint32_t>(std::min(v, 255)) << shift;
                    };
                    *pixels = 0xFF000000u | add(16, r) | add(8, g) | add(0, b);
                }
            }
        }
        return;
    }
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            float amount = amounts[static_cast<std::size_t>(row * w + col)];
            if (!(amount > 0.0f)) {
                continue;
            }
            amount = std::min(amount, 1.0f);
            m_raster.ForDevicePixels(x + col, y + row,
                                     [&](std::uint32_t& p) { p = WithLight(p, colour, amount); });
        }
    }
}

void CairoSurface::AddLight(int x, int y, Rgb colour, float amount) {
    if (!(amount > 0.0f)) {
        return;
    }
    amount = std::min(amount, 1.0f);
    if (m_raster.Active()) {
        BeginDirect();
        m_raster.ForDevicePixels(x, y, [&](std::uint32_t& p) { p = WithLight(p, colour, amount); });
        return;
    }
    BeginCairo();
    cairo_save(m_cr);
    cairo_set_operator(m_cr, CAIRO_OPERATOR_ADD);
    cairo_set_source_rgba(m_cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0, amount);
    cairo_rectangle(m_cr, x, y, 1, 1);
    cairo_fill(m_cr);
    cairo_restore(m_cr);
}

void CairoSurface::DrawSmoothPicture(const IconPicture& picture, int x, int y, int w, int h) {
    if (picture.width <= 0 || picture.height <= 0 || w <= 0 || h <= 0 ||
        picture.pixels.size() < static_cast<std::size_t>(picture.width * picture.height)) {
        return;
    }
    BeginCairo();
    cairo_surface_t* image =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
    cairo_surface_flush(image);
    std::uint8_t* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int row = 0; row < picture.height; ++row) {
        auto* out = reinterpret_cast<std::uint32_t*>(data + row * stride);
        for (int col = 0; col < picture.width; ++col) {
            out[col] = PackRgb(picture.pixels[static_cast<std::size_t>(row * picture.width + col)]);
        }
    }
    cairo_surface_mark_dirty(image);
    cairo_save(m_cr);
    cairo_rectangle(m_cr, x, y, w, h);
    cairo_clip(m_cr);
    cairo_translate(m_cr, x, y);
    cairo_scale(m_cr, static_cast<double>(w) / picture.width,
                static_cast<double>(h) / picture.height);
    cairo_set_source_surface(m_cr, image, 0.0, 0.0);
    cairo_pattern_set_filter(cairo_get_source(m_cr), CAIRO_FILTER_BILINEAR);
    cairo_pattern_set_extend(cairo_get_source(m_cr), CAIRO_EXTEND_PAD);
    cairo_paint(m_cr);
    cairo_restore(m_cr);
    cairo_surface_destroy(image);
}

void CairoSurface::AddSoftLight(std::span<const LightPolygon> polygons, Rgb colour, int blur) {
    if (polygons.empty() || m_width <= 0 || m_height <= 0) {
        return;
    }
    // The shapes are filled into a coverage mask of 1/blur the size, which is then stretched
    // smoothly over the surface: the stretch is the blur.
    const int step = std::max(1, blur);
    const int w = m_width / step + 2;
    const int h = m_height / step + 2;
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_t* mcr = cairo_create(mask);
    cairo_scale(mcr, 1.0 / step, 1.0 / step);
    cairo_set_operator(mcr, CAIRO_OPERATOR_ADD);
    cairo_set_fill_rule(mcr, CAIRO_FILL_RULE_EVEN_ODD);
    for (const LightPolygon& polygon : polygons) {
        if (polygon.points.size() < 3 || !(polygon.amount > 0.0f)) {
            continue;
        }
        cairo_new_path(mcr);
        cairo_move_to(mcr, polygon.points[0].x, polygon.points[0].y);
        for (std::size_t i = 1; i < polygon.points.size(); ++i) {
            cairo_line_to(mcr, polygon.points[i].x, polygon.points[i].y);
        }
        cairo_close_path(mcr);
        cairo_set_source_rgba(mcr, 0, 0, 0, std::min(polygon.amount, 1.0f));
        cairo_fill(mcr);
    }
    cairo_destroy(mcr);
    cairo_surface_flush(mask);
    if (m_raster.Active() && m_raster.Scale() == 1) {
        // Stretched by hand, block by block: most blocks of a glow are empty or even, and only
        // the blocks along its edges need the bilinear blend.
        BeginDirect();
        const std::uint8_t* data = cairo_image_surface_get_data(mask);
        const int stride = cairo_image_surface_get_stride(mask);
        auto at = [&](int i, int j) { return static_cast<int>(data[j * stride + i]); };
        // The light of each coverage value, packed as a pixel's channels.
        std::array<std::uint32_t, 256> lightOf{};
        for (int k = 0; k < 256; ++k) {
            lightOf[static_cast<std::size_t>(k)] =
                (static_cast<std::uint32_t>(colour.r * k / 255) << 16) |
                (static_cast<std::uint32_t>(colour.g * k / 255) << 8) |
                static_cast<std::uint32_t>(colour.b * k / 255);
        }
        // Adds packed channels with saturation at 255 each.
        auto addTo = [](std::uint32_t& pixel, std::uint32_t light) {
            const std::uint32_t p = pixel & 0x00FFFFFFu;
            const std::uint32_t sum =
                (p & 0x00FEFEFEu) / 2 + (light & 0x00FEFEFEu) / 2 + (p & light & 0x00010101u);
            const std::uint32_t overflow = (sum & 0x00808080u) >> 7;
            const std::uint32_t full = overflow * 0xFFu;
            // The sum of each channel on its own, no carry into the next.
            const std::uint32_t each =
                ((p & 0x007F7F7Fu) + (light & 0x007F7F7Fu)) ^ ((p ^ light) & 0x00808080u);
            pixel = 0xFF000000u | (each & ~full) | full;
        };
        // 1 / step^2 in 16-bit fixed point, rounded down so that k stays within 0..255.
        const int inverse = 65536 / (step * step);
        for (int j = 0; j + 1 < h; ++j) {
            for (int i = 0; i + 1 < w; ++i) {
                const int a = at(i, j);
                const int b = at(i + 1, j);
                const int c = at(i, j + 1);
                const int d = at(i + 1, j + 1);
                if ((a | b | c | d) == 0) {
                    continue;
                }
                const int x0 = i * step;
                const int y0 = j * step;
                const int x1 = std::min(x0 + step, m_width);
                const int y1 = std::min(y0 + step, m_height);
                if (a == b && a == c && a == d) {
                    // Runs of one colour (the sky's) take the sum found for their first pixel.
                    const std::uint32_t light = lightOf[static_cast<std::size_t>(a)];
                    std::uint32_t lastIn = 0;
                    std::uint32_t lastOut = 0;
                    bool known = false;
                    for (int y = y0; y < y1; ++y) {
                        if (std::uint32_t* row = m_raster.At(x0, y)) {
                            for (int x = 0; x < x1 - x0; ++x) {
                                if (known && row[x] == lastIn) {
                                    row[x] = lastOut;
                                    continue;
                                }
                                lastIn = row[x];
                                addTo(row[x], light);
                                lastOut = row[x];
                                known = true;
                            }
                        }
                    }
                    continue;
                }
                for (int y = y0; y < y1; ++y) {
                    std::uint32_t* row = m_raster.At(x0, y);
                    if (row == nullptr) {
                        continue;
                    }
                    const int fy = y - y0;
                    for (int x = x0; x < x1; ++x) {
                        const int fx = x - x0;
                        const int top = a * (step - fx) + b * fx;
                        const int bottom = c * (step - fx) + d * fx;
                        const int k = ((top * (step - fy) + bottom * fy) * inverse) >> 16;
                        addTo(row[x - x0], lightOf[static_cast<std::size_t>(k)]);
                    }
                }
            }
        }
        cairo_surface_destroy(mask);
        return;
    }
    BeginCairo();
    cairo_save(m_cr);
    cairo_set_operator(m_cr, CAIRO_OPERATOR_ADD);
    SetSource(colour);
    cairo_scale(m_cr, step, step);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(mask);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_BILINEAR);
    cairo_mask(m_cr, pattern);
    cairo_pattern_destroy(pattern);
    cairo_restore(m_cr);
    cairo_surface_destroy(mask);
}

void CairoSurface::KeepBackdrop(std::string key) {
    // A view that changes from frame to frame (dragged, animated) is not copied each time: the
    // picture is kept when the same key comes a second time in a row.
    if (key != m_offeredKey) {
        m_offeredKey = std::move(key);
        return;
    }
    m_backdropKey.clear();
    m_backdrop.clear();
    if (!m_raster.Active()) {
        return;
    }
    BeginDirect();
    cairo_surface_t* target = cairo_get_target(m_cr);
    const std::uint8_t* data = cairo_image_surface_get_data(target);
    const std::size_t size = static_cast<std::size_t>(cairo_image_surface_get_stride(target)) *
                             static_cast<std::size_t>(cairo_image_surface_get_height(target));
    m_backdrop.assign(data, data + size);
    m_backdropKey = std::move(key);
}

bool CairoSurface::RestoreBackdrop(std::string_view key) {
    if (!m_raster.Active() || m_backdrop.empty() || key != m_backdropKey) {
        return false;
    }
    BeginDirect();
    std::copy(m_backdrop.begin(), m_backdrop.end(),
              cairo_image_surface_get_data(cairo_get_target(m_cr)));
    return true;
}

void CairoSurface::RasterLine(int x0, int y0, int x1, int y1) {
    const Pen& pen = m_state.pen;
    m_raster.Line(x0, y0, x1, y1, PackRgb(pen.colour),
                  pen.style == PenStyle::Dash ? &m_dashPhase : nullptr);
}

void CairoSurface::StrokePath() {
    const Pen& pen = m_state.pen;
    SetSource(pen.colour);
    cairo_set_line_width(m_cr, std::max(1, pen.width));
    if (pen.width > 1) {
        cairo_set_line_cap(m_cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_ROUND);
    }
    if (pen.style == PenStyle::Dash) {
        // The pattern runs on from the previous line drawn with this pen, as on the image.
        const double dashes[2] = {kDashOn, kDashOff};
        cairo_set_dash(m_cr, dashes, 2, m_dashPhase);
        double length = 0.0;
        cairo_path_t* path = cairo_copy_path_flat(m_cr);
        double lastX = 0.0;
        double lastY = 0.0;
        for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
            const cairo_path_data_t& d = path->data[i];
            if (d.header.type == CAIRO_PATH_MOVE_TO || d.header.type == CAIRO_PATH_LINE_TO) {
                const double x = path->data[i + 1].point.x;
                const double y = path->data[i + 1].point.y;
                if (d.header.type == CAIRO_PATH_LINE_TO) {
                    length += std::hypot(x - lastX, y - lastY);
                }
                lastX = x;
                lastY = y;
            }
        }
        cairo_path_destroy(path);
        m_dashPhase = static_cast<int>(m_dashPhase + std::lround(length)) % kDashPeriod;
    }
    cairo_stroke(m_cr);
    cairo_set_dash(m_cr, nullptr, 0, 0.0);
    cairo_set_line_cap(m_cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_MITER);
}

void CairoSurface::Line(int x0, int y0, int x1, int y1) {
    const Pen& pen = m_state.pen;
    if (pen.style == PenStyle::Null) {
        return;
    }
    if (m_raster.Active() && pen.width <= 1) {
        BeginDirect();
        RasterLine(x0, y0, x1, y1);
        return;
    }
    BeginCairo();
    cairo_move_to(m_cr, x0 + 0.5, y0 + 0.5);
    cairo_line_to(m_cr, x1 + 0.5, y1 + 0.5);
    StrokePath();
}

void CairoSurface::Polyline(std::span<const PixelPoint> points) {
    const Pen& pen = m_state.pen;
    if (points.size() < 2 || pen.style == PenStyle::Null) {
        return;
    }
    if (m_raster.Active() && pen.width <= 1) {
        BeginDirect();
        for (std::size_t i = 1; i < points.size(); ++i) {
            RasterLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
        }
        return;
    }
    BeginCairo();
    cairo_move_to(m_cr, points[0].x + 0.5, points[0].y + 0.5);
    for (std::size_t i = 1; i < points.size(); ++i) {
        cairo_line_to(m_cr, points[i].x + 0.5, points[i].y + 0.5);
    }
    StrokePath();
}

void CairoSurface::Polygon(std::span<const PixelPoint> points) {
    if (points.size() < 2) {
        return;
    }
    if (m_state.brush.style != BrushStyle::Null && points.size() >= 3) {
        BeginCairo();
        cairo_move_to(m_cr, points[0].x + 0.5, points[0].y + 0.5);
        for (std::size_t i = 1; i < points.size(); ++i) {
            cairo_line_to(m_cr, points[i].x + 0.5, points[i].y + 0.5);
        }
        cairo_close_path(m_cr);
        cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_EVEN_ODD);
        SetSource(m_state.brush.colour);
        cairo_fill(m_cr);
        cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_WINDING);
    }
    if (m_state.pen.style == PenStyle::Null) {
        return;
    }
    std::vector<PixelPoint> closed(points.begin(), points.end());
    closed.push_back(points.front());
    Polyline(closed);
}

namespace {

// Adds the ellipse of half-axes ex, ey around (cx, cy) to the path as a closed sub-path.
void AddEllipsePath(cairo_t* cr, double cx, double cy, double ex, double ey) {
    if (ex <= 0.0 || ey <= 0.0) {
        return;
    }
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, ex, ey);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2.0 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

// The interior filled with the brush (inset by the pen width when there is a pen), then the ring
// between the box's ellipse and one a pen width inside it in the pen's colour. Coordinates of the
// box: left, top, right, bottom with right > left and bottom > top.
void FillEllipse(cairo_t* cr, double left, double top, double right, double bottom, bool fill,
                 bool ring, double penWidth, bool pen, const std::function<void()>& fillSource,
                 const std::function<void()>& ringSource) {
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0;
    const double ry = (bottom - top) / 2.0;
    const double inset = pen ? penWidth : 0.0;
    if (fill) {
        AddEllipsePath(cr, cx, cy, rx - inset, ry - inset);
        fillSource();
        cairo_fill(cr);
    }
    if (ring) {
        AddEllipsePath(cr, cx, cy, rx, ry);
        AddEllipsePath(cr, cx, cy, rx - penWidth, ry - penWidth);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        ringSource();
        cairo_fill(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    }
}

} // namespace

struct CairoSurface::EllipseMasks {
    // Per shape (box size, pen width, what is drawn): a mask of the box with a pixel of margin,
    // 1 where the brush fills, 2 where the pen's ring covers (the ring drawn last wins).
    struct Mask {
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> values;
    };
    std::unordered_map<std::uint64_t, Mask> shapes;
};

bool CairoSurface::DirectEllipse(int left, int top, int right, int bottom) {
    const Pen& pen = m_state.pen;
    const bool fill = m_state.brush.style != BrushStyle::Null;
    const bool ring = pen.style == PenStyle::Solid;
    if (!m_raster.Active() || m_raster.Scale() != 1 ||
        (pen.style != PenStyle::Solid && pen.style != PenStyle::Null)) {
        return false;
    }
    const int boxWidth = right - left;
    const int boxHeight = bottom - top;
    const int penWidth = std::max(1, pen.width);
    if (boxWidth > 64 || boxHeight > 64 || penWidth > 64) {
        return false; // large shapes are few; cairo draws them
    }
    if (!m_ellipseMasks) {
        m_ellipseMasks = std::make_unique<EllipseMasks>();
    }
    const std::uint64_t key =
        static_cast<std::uint64_t>(boxWidth) | static_cast<std::uint64_t>(boxHeight) << 8 |
        static_cast<std::uint64_t>(penWidth) << 16 | static_cast<std::uint64_t>(fill) << 24 |
        static_cast<std::uint64_t>(pen.style == PenStyle::Solid) << 25;
    auto [entry, added] = m_ellipseMasks->shapes.try_emplace(key);
    EllipseMasks::Mask& mask = entry->second;
    if (added) {
        // The same path as on the image, moved by whole pixels to the mask's corner (1, 1).
        mask.width = boxWidth + 2;
        mask.height = boxHeight + 2;
        cairo_surface_t* image =
            cairo_image_surface_create(CAIRO_FORMAT_A8, mask.width, mask.height);
        cairo_t* cr = cairo_create(image);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        FillEllipse(
            cr, 1.0, 1.0, 1.0 + boxWidth, 1.0 + boxHeight, fill, ring, penWidth,
            pen.style != PenStyle::Null, [cr] { cairo_set_source_rgba(cr, 0, 0, 0, 1.0 / 255); },
            [cr] { cairo_set_source_rgba(cr, 0, 0, 0, 2.0 / 255); });
        cairo_destroy(cr);
        cairo_surface_flush(image);
        const std::uint8_t* data = cairo_image_surface_get_data(image);
        const int stride = cairo_image_surface_get_stride(image);
        mask.values.resize(static_cast<std::size_t>(mask.width) * mask.height);
        for (int y = 0; y < mask.height; ++y) {
            std::copy_n(data + static_cast<std::ptrdiff_t>(y) * stride, mask.width,
                        mask.values.begin() + static_cast<std::ptrdiff_t>(y) * mask.width);
        }
        cairo_surface_destroy(image);
    }
    BeginDirect();
    m_raster.Stamp(left - 1, top - 1, mask.width, mask.height, mask.values.data(),
                   PackRgb(m_state.brush.colour), PackRgb(pen.colour));
    return true;
}

void CairoSurface::Ellipse(int left, int top, int right, int bottom) {
    if (right < left) {
        std::swap(left, right);
    }
    if (bottom < top) {
        std::swap(top, bottom);
    }
    if (right - left <= 0 || bottom - top <= 0) {
        return;
    }
    if (DirectEllipse(left, top, right, bottom)) {
        return;
    }
    BeginCairo();
    const Pen& pen = m_state.pen;
    const double w = std::max(1, pen.width);
    if (pen.style == PenStyle::Dash) {
        if (m_state.brush.style != BrushStyle::Null) {
            FillEllipse(
                m_cr, left, top, right, bottom, true, false, w, true,
                [this] { SetSource(m_state.brush.colour); }, [] {});
        }
        const double rx = (right - left) / 2.0;
        const double ry = (bottom - top) / 2.0;
        AddEllipsePath(m_cr, (left + right) / 2.0, (top + bottom) / 2.0, rx - w / 2.0,
                       ry - w / 2.0);
        StrokePath();
        return;
    }
    FillEllipse(
        m_cr, left, top, right, bottom, m_state.brush.style != BrushStyle::Null,
        pen.style == PenStyle::Solid, w, pen.style != PenStyle::Null,
        [this] { SetSource(m_state.brush.colour); }, [this] { SetSource(m_state.pen.colour); });
}

void CairoSurface::Rectangle(int left, int top, int right, int bottom) {
    if (right < left) {
        std::swap(left, right);
    }
    if (bottom < top) {
        std::swap(top, bottom);
    }
    if (right == left || bottom == top) {
        return;
    }
    const Pen& pen = m_state.pen;
    const bool brush = m_state.brush.style != BrushStyle::Null;
    if (m_raster.Active() &&
        (pen.style == PenStyle::Null || (pen.style == PenStyle::Solid && pen.width <= 1))) {
        // The whole-pixel boxes cairo fills below, written straight into the image.
        BeginDirect();
        const std::uint32_t fill = PackRgb(m_state.brush.colour);
        const std::uint32_t ink = PackRgb(pen.colour);
        m_raster.Box(left, top, right, bottom, brush ? &fill : nullptr,
                     pen.style == PenStyle::Null ? nullptr : &ink);
        return;
    }
    BeginCairo();
    if (pen.style == PenStyle::Null) {
        // Without a pen the filled area is one pixel smaller on the right and bottom.
        if (m_state.brush.style != BrushStyle::Null && right - left > 1 && bottom - top > 1) {
            SetSource(m_state.brush.colour);
            cairo_rectangle(m_cr, left, top, right - left - 1, bottom - top - 1);
            cairo_fill(m_cr);
        }
        return;
    }
    if (m_state.brush.style != BrushStyle::Null) {
        SetSource(m_state.brush.colour);
        cairo_rectangle(m_cr, left, top, right - left, bottom - top);
        cairo_fill(m_cr);
    }
    if (pen.style == PenStyle::Solid && pen.width <= 1) {
        SetSource(pen.colour);
        const int w = right - left;
        const int h = bottom - top;
        cairo_rectangle(m_cr, left, top, w, 1);
        cairo_rectangle(m_cr, left, bottom - 1, w, 1);
        cairo_rectangle(m_cr, left, top, 1, h);
        cairo_rectangle(m_cr, right - 1, top, 1, h);
        cairo_fill(m_cr);
        return;
    }
    const PixelPoint corners[5] = {
        {left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}};
    Polyline(corners);
}

void CairoSurface::FillRect(const PixelRect& rect, Rgb colour) {
    if (rect.Width() <= 0 || rect.Height() <= 0) {
        return;
    }
    BeginCairo();
    SetSource(colour);
    cairo_rectangle(m_cr, rect.left, rect.top, rect.Width(), rect.Height());
    cairo_fill(m_cr);
}

PangoLayout* CairoSurface::LayoutFor(std::string_view text) {
    return m_layouts->Layout(m_cr, m_state.font, text);
}

TextExtent CairoSurface::MeasureText(std::string_view text) {
    PangoLayout* layout = LayoutFor(text);
    PangoRectangle logical{};
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    return TextExtent{logical.width, logical.height};
}

void CairoSurface::Text(int x, int y, std::string_view text) {
    if (text.empty()) {
        return;
    }
    PangoLayout* layout = LayoutFor(text);
    BeginCairo();
    if (m_state.backgroundMode == BackgroundMode::Opaque) {
        PangoRectangle logical{};
        pango_layout_get_pixel_extents(layout, nullptr, &logical);
        SetSource(m_state.backgroundColour);
        cairo_rectangle(m_cr, x, y, logical.width, logical.height);
        cairo_fill(m_cr);
    }
    SetSource(m_state.textColour);
    if (m_raster.Active() && m_raster.Scale() == 1) {
        // Each drawing composites the text colour through the glyphs' cached coverage, which is
        // what cairo does with the glyphs themselves.
        const TextMask& mask = m_layouts->Mask(layout);
        if (mask.image) {
            cairo_mask_surface(m_cr, mask.image, x + mask.left, y + mask.top);
        }
        return;
    }
    cairo_move_to(m_cr, x, y);
    pango_cairo_show_layout(m_cr, layout);
    cairo_new_path(m_cr);
}

void CairoSurface::DrawIcon(const IconPicture& icon, int x, int y, int w, int h) {
    if (icon.width <= 0 || icon.height <= 0 || w == 0 || h == 0 ||
        icon.pixels.size() < static_cast<std::size_t>(icon.width * icon.height)) {
        return;
    }
    const bool hasMask = icon.opaque.size() >= icon.pixels.size();
    if (m_raster.Active() && std::abs(w) == icon.width && std::abs(h) == icon.height) {
        BeginDirect();
        m_raster.Icon(icon, w < 0 ? x + w : x, h < 0 ? y + h : y, w < 0, h < 0);
        return;
    }
    BeginCairo();
    cairo_surface_t* image =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, icon.width, icon.height);
    cairo_surface_flush(image);
    std::uint8_t* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int row = 0; row < icon.height; ++row) {
        auto* out = reinterpret_cast<std::uint32_t*>(data + row * stride);
        for (int col = 0; col < icon.width; ++col) {
            const std::size_t i = static_cast<std::size_t>(row * icon.width + col);
            out[col] = hasMask && icon.opaque[i] == 0 ? 0u : PackRgb(icon.pixels[i]);
        }
    }
    cairo_surface_mark_dirty(image);
    cairo_save(m_cr);
    cairo_translate(m_cr, x, y);
    cairo_scale(m_cr, static_cast<double>(w) / icon.width, static_cast<double>(h) / icon.height);
    cairo_set_source_surface(m_cr, image, 0.0, 0.0);
    cairo_pattern_set_filter(cairo_get_source(m_cr), CAIRO_FILTER_NEAREST);
    cairo_rectangle(m_cr, 0, 0, icon.width, icon.height);
    cairo_fill(m_cr);
    cairo_restore(m_cr);
    cairo_surface_destroy(image);
}

void CairoSurface::DrawMonoBitmap(const MonoBitmap& bitmap, int x, int y, int w, int h, Rgb ink,
                                  Rgb paper) {
    if (bitmap.width <= 0 || bitmap.height <= 0 || w == 0 || h == 0 ||
        bitmap.bits.size() < static_cast<std::size_t>(bitmap.width * bitmap.height)) {
        return;
    }
    BeginCairo();
    cairo_surface_t* image =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, bitmap.width, bitmap.height);
    cairo_surface_flush(image);
    std::uint8_t* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int row = 0; row < bitmap.height; ++row) {
        auto* out = reinterpret_cast<std::uint32_t*>(data + row * stride);
        for (int col = 0; col < bitmap.width; ++col) {
            const bool set = bitmap.bits[static_cast<std::size_t>(row * bitmap.width + col)] != 0;
            out[col] = PackRgb(set ? ink : paper);
        }
    }
    cairo_surface_mark_dirty(image);
    cairo_save(m_cr);
    cairo_translate(m_cr, x, y);
    cairo_scale(m_cr, static_cast<double>(w) / bitmap.width,
                static_cast<double>(h) / bitmap.height);
    cairo_set_source_surface(m_cr, image, 0.0, 0.0);
    cairo_pattern_set_filter(cairo_get_source(m_cr), CAIRO_FILTER_NEAREST);
    cairo_rectangle(m_cr, 0, 0, bitmap.width, bitmap.height);
    cairo_fill(m_cr);
    cairo_restore(m_cr);
    cairo_surface_destroy(image);
}

// --- CairoImageSurface

namespace {
cairo_t* NewImageContext(cairo_surface_t* image) {
    return cairo_create(image);
}

cairo_surface_t* NewScaledImage(int width, int height, int scale) {
    cairo_surface_t* image =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, width * scale, height * scale);
    cairo_surface_set_device_scale(image, scale, scale);
    return image;
}
} // namespace

CairoImageSurface::CairoImageSurface(int width, int height, int scale)
    : CairoImageSurface(NewScaledImage(std::max(1, width), std::max(1, height), std::max(1, scale)),
                        std::max(1, width), std::max(1, height)) {}

CairoImageSurface::CairoImageSurface(cairo_surface_t* image, int width, int height)
    : CairoSurface(NewImageContext(image), width, height), m_image(image) {
    // The base took its own reference to the context; drop the one made for it.
    cairo_destroy(Context());
}

CairoImageSurface::~CairoImageSurface() {
    Flush();
    // The base destructor releases the context, which still references the image.
    cairo_surface_destroy(m_image);
}

cairo_surface_t* CairoImageSurface::Image() {
    Flush();
    cairo_surface_flush(m_image);
    return m_image;
}

Rgb CairoImageSurface::PixelAt(int x, int y) {
    cairo_surface_t* image = Image();
    double scaleX = 1.0;
    double scaleY = 1.0;
    cairo_surface_get_device_scale(image, &scaleX, &scaleY);
    x = static_cast<int>(x * scaleX);
    y = static_cast<int>(y * scaleY);
    if (x < 0 || y < 0 || x >= cairo_image_surface_get_width(image) ||
        y >= cairo_image_surface_get_height(image)) {
        return kBlack;
    }
    const std::uint8_t* data = cairo_image_surface_get_data(image);
    if (data == nullptr) {
        return kBlack;
    }
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(image));
    const std::uint32_t v = row[x];
    return Rgb{static_cast<std::uint8_t>((v >> 16) & 0xFF),
               static_cast<std::uint8_t>((v >> 8) & 0xFF), static_cast<std::uint8_t>(v & 0xFF)};
}
