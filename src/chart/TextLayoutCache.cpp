#include "chart/TextLayoutCache.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <utility>

namespace {

// The cache is emptied when it holds this many layouts.
constexpr std::size_t kMaxCachedLayouts = 4096;

std::string FontFamily(const std::string& face) {
    if (face == "Arial" || face.empty()) {
        return "Liberation Sans";
    }
    return face;
}

TextMask RenderTextMask(PangoLayout* layout) {
    PangoRectangle ink{};
    pango_layout_get_pixel_extents(layout, &ink, nullptr);
    // A margin around the ink for the rounding of glyph positions.
    constexpr int kMargin = 2;
    TextMask mask;
    if (ink.width <= 0 || ink.height <= 0) {
        return mask;
    }
    mask.left = ink.x - kMargin;
    mask.top = ink.y - kMargin;
    mask.image = cairo_image_surface_create(CAIRO_FORMAT_A8, ink.width + 2 * kMargin,
                                            ink.height + 2 * kMargin);
    cairo_t* cr = cairo_create(mask.image);
    cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
    cairo_move_to(cr, -mask.left, -mask.top);
    pango_cairo_show_layout(cr, layout);
    cairo_destroy(cr);
    cairo_surface_flush(mask.image);
    return mask;
}

} // namespace

TextLayoutCache::~TextLayoutCache() {
    Clear();
}

void TextLayoutCache::Clear() {
    for (auto& entry : m_masks) {
        cairo_surface_destroy(entry.second.image);
    }
    m_masks.clear();
    for (auto& entry : m_layouts) {
        g_object_unref(entry.second);
    }
    m_layouts.clear();
}

PangoLayout* TextLayoutCache::Layout(cairo_t* cr, const Font& font, std::string_view text) {
    std::string key = font.face;
    key += '\x1f';
    key += std::to_string(font.height);
    key += '\x1f';
    key += std::to_string(font.weight);
    key += font.italic ? "\x1fi\x1f" : "\x1fn\x1f";
    key += text;
    auto found = m_layouts.find(key);
    if (found != m_layouts.end()) {
        return found->second;
    }
    if (m_layouts.size() >= kMaxCachedLayouts) {
        Clear();
    }

    const std::string family = FontFamily(font.face);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    // Sizes are in the surface's pixels whatever transformation the cairo context carries (a
    // printer or a PDF page): the layout works in user space and cairo scales what it draws.
    pango_context_set_matrix(pango_layout_get_context(layout), nullptr);
    pango_layout_context_changed(layout);
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, family.c_str());
    pango_font_description_set_weight(desc, static_cast<PangoWeight>(font.weight));
    pango_font_description_set_style(desc, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);

    // The requested height is the cell (ascent + descent); find the size that gives it.
    auto ratio = m_cellRatio.find(family);
    if (ratio == m_cellRatio.end()) {
        constexpr int kProbeSize = 1000;
        pango_font_description_set_absolute_size(desc, kProbeSize * PANGO_SCALE);
        PangoFontMetrics* metrics =
            pango_context_get_metrics(pango_layout_get_context(layout), desc, nullptr);
        double cell = 1.15;
        if (metrics) {
            const int ascent = pango_font_metrics_get_ascent(metrics);
            const int descent = pango_font_metrics_get_descent(metrics);
            if (ascent + descent > 0) {
                cell = static_cast<double>(ascent + descent) / PANGO_SCALE / kProbeSize;
            }
            pango_font_metrics_unref(metrics);
        }
        ratio = m_cellRatio.emplace(family, cell).first;
    }
    const double size = std::max(1, font.height) / ratio->second;
    pango_font_description_set_absolute_size(desc, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    // Catalogue texts are plain ASCII, but a damaged file must not reach pango as broken UTF-8.
    if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
        pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
    } else {
        gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
        pango_layout_set_text(layout, valid, -1);
        g_free(valid);
    }
    m_layouts.emplace(std::move(key), layout);
    return layout;
}

const TextMask& TextLayoutCache::Mask(PangoLayout* layout) {
    auto found = m_masks.find(layout);
    if (found == m_masks.end()) {
        found = m_masks.emplace(layout, RenderTextMask(layout)).first;
    }
    return found->second;
}
