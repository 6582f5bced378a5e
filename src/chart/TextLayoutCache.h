// The text-layout cache of a cairo surface: the pango layout of each text in each font, kept
// between frames (shaping a label costs far more than drawing it), and the coverage mask of a
// layout's glyphs for images drawn at whole pixels. A frame draws a few hundred distinct labels;
// the cache is emptied when it grows past a bound, which only guards against unbounded growth.
//
// Font sizes: Font::height is the cell (ascent + descent) in the surface's pixels, whatever
// transformation the cairo context carries; the absolute size that gives it is found once per
// family. "Arial" (and an empty face) is drawn with the metric-compatible Liberation Sans.
#pragma once

#include "chart/DrawSurface.h"

#include <string>
#include <string_view>
#include <unordered_map>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _PangoLayout PangoLayout;

// The coverage cairo gives a layout's glyphs on an image: an A8 image (nullptr for a text
// without ink) and the offset of its corner from the text's origin.
struct TextMask {
    cairo_surface_t* image = nullptr;
    int left = 0;
    int top = 0;
};

class TextLayoutCache {
public:
    TextLayoutCache() = default;
    ~TextLayoutCache();
    TextLayoutCache(const TextLayoutCache&) = delete;
    TextLayoutCache& operator=(const TextLayoutCache&) = delete;

    // The layout of `text` in `font`, made for `cr` the first time it is asked for. Text that
    // is not UTF-8 is laid out with its bad bytes replaced. Valid until the next call.
    PangoLayout* Layout(cairo_t* cr, const Font& font, std::string_view text);

    // The glyph coverage of a layout from Layout(), rendered once: on an image at whole pixels
    // the glyphs land at whole-pixel offsets from the origin, so their coverage is the same
    // wherever the text goes.
    const TextMask& Mask(PangoLayout* layout);

private:
    void Clear();

    std::unordered_map<std::string, PangoLayout*> m_layouts;
    // Cell height (ascent + descent) per pixel of font size, per family.
    std::unordered_map<std::string, double> m_cellRatio;
    std::unordered_map<PangoLayout*, TextMask> m_masks;
};
