// The drawing surface the chart layers draw on. One interface for every target: the screen's
// off-screen image, the printer, the print preview, PNG/SVG/PDF files and the tests. Layers never
// learn which target they draw on.
//
// The surface works like a classic device context: it has a selected pen, brush and font, a text
// colour, a background colour and a background mode. A layer selects what it needs and puts back
// what was selected before (ScopedSurfaceState does that in one line). A fresh surface has a
// solid black pen of width 1, a solid white brush, black text on an opaque white background and
// DefaultFont().
//
// Pixel rules (integer coordinates are pixels; pixel (x, y) covers [x, x+1) x [y, y+1)):
//  - a line from (x0, y0) to (x1, y1) covers the pixels from the first point up to, but not
//    including, the last point;
//  - an ellipse or rectangle given by the box (left, top, right, bottom) lies inside the pixels
//    left..right-1 and top..bottom-1: the right and bottom edges are excluded. The pen draws the
//    outline just inside the box, the brush fills the inside;
//  - a polygon is filled with the brush by the even-odd rule and outlined with the pen.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/ChartState.h"

// An 8-bit red, green, blue colour.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    constexpr bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

enum class PenStyle {
    Solid,
    Dash, // 1-pixel dashes: 18 pixels drawn, 6 skipped, the pattern running along a polyline
    Null, // no outline
};

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1; // pixels; wide pens are centred on the path with round ends
    Rgb colour = kBlack;
    constexpr bool operator==(const Pen&) const = default;
};

enum class BrushStyle {
    Solid,
    Null, // hollow: shapes are outlined only
};

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    Rgb colour = kWhite;
    constexpr bool operator==(const Brush&) const = default;
};

// A font by face, cell height in pixels (ascent + descent, the height a text's extent reports),
// weight (400 normal, 700 bold) and slant. Face "Arial" is drawn with Liberation Sans, which has
// the same metrics.
struct Font {
    std::string face = "Arial";
    int height = 16;
    int weight = 400;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

// The font a surface has before any is selected (a bold 16-pixel sans face).
Font DefaultFont();

enum class BackgroundMode {
    Transparent, // text is drawn over what is there
    Opaque,      // the text's extent is first filled with the background colour
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

// A small picture with transparent pixels, e.g. the deep-sky and Moon icons. Row-major,
// top row first.
struct IconPicture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;          // width * height colours
    std::vector<std::uint8_t> opaque; // width * height: 1 drawn, 0 transparent; empty: all drawn
};

// A one-bit picture, row-major, top row first: 1 = ink (black), 0 = paper (white).
struct MonoBitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits; // width * height values 0 or 1
};

// Everything a layer may select; saved and put back as one.
struct SurfaceState {
    Pen pen;
    Brush brush;
    Font font = DefaultFont();
    Rgb textColour = kBlack;
    Rgb backgroundColour = kWhite;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
};

class DrawSurface {
public:
    virtual ~DrawSurface() = default;

    // --- selected objects; each setter returns what was selected before
    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    Font SelectFont(const Font& font);
    Rgb SetTextColour(Rgb colour);
    Rgb SetBackgroundColour(Rgb colour);
    BackgroundMode SetBackgroundMode(BackgroundMode mode);
    const SurfaceState& State() const { return m_state; }
    void RestoreState(const SurfaceState& state);

    // --- size of the drawing area in pixels
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // --- primitives
    // One pixel in the given colour (no pen involved).
    virtual void SetPixel(int x, int y, Rgb colour) = 0;
    // A segment with the pen, the last point excluded.
    virtual void Line(int x0, int y0, int x1, int y1) = 0;
    // Move-to / line-to with a current position, as the segment layers use them.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Connected segments with the pen; the dash pattern runs on across the joints.
    virtual void Polyline(std::span<const PixelPoint> points) = 0;
    // Closed polygon: even-odd fill with the brush, outline with the pen.
    virtual void Polygon(std::span<const PixelPoint> points) = 0;
    // Ellipse inside the box (right and bottom excluded): filled with the brush, outlined with
    // the pen.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Rectangle (right and bottom excluded): filled with the brush, outlined with the pen.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // Fills the rectangle with one colour, no outline (pattern fill with a solid brush).
    virtual void FillRect(const PixelRect& rect, Rgb colour) = 0;

    // Text with its top-left corner at (x, y) in the selected font and text colour; in opaque
    // mode the extent is first filled with the background colour. UTF-8.
    virtual void Text(int x, int y, std::string_view text) = 0;
    virtual TextExtent MeasureText(std::string_view text) = 0;

    // The icon stretched into the box from (x, y) of width w and height h, transparent pixels
    // left alone. A negative width spans from x + w to x and mirrors the picture left to right;
    // likewise a negative height mirrors it top to bottom.
    virtual void DrawIcon(const IconPicture& icon, int x, int y, int w, int h) = 0;
    // The one-bit picture stretched into the box, copied opaque: ink pixels in `ink`, the others
    // in `paper`.
    virtual void DrawMonoBitmap(const MonoBitmap& bitmap, int x, int y, int w, int h,
                                Rgb ink = kBlack, Rgb paper = kWhite) = 0;

    // --- light, for the natural style (the classic chart never uses these)
    // Adds `amount` (0..1) of `colour`'s light to pixel (x, y), each channel clamped at 255.
    // A surface that cannot read its pixels sets the pixel to the added light.
    virtual void AddLight(int x, int y, Rgb colour, float amount);
    // AddLight over the box of w x h pixels from (x, y): amounts[row * w + column] of `colour`
    // to each pixel, row by row.
    virtual void AddLightBlock(int x, int y, int w, int h, std::span<const float> amounts,
                               Rgb colour);
    // Light added through soft-edged shapes: each polygon (even-odd) adds its amount (0..1) of
    // `colour`, the sum blurred over about `blur` pixels (a glow, not a figure). A surface
    // without the means draws nothing.
    struct LightPolygon {
        std::vector<PixelPoint> points;
        float amount = 0.0f;
    };
    virtual void AddSoftLight(std::span<const LightPolygon> polygons, Rgb colour, int blur);
    // The picture stretched smoothly (bilinear) into the box from (x, y) of width w and height
    // h, every pixel opaque. Falls back to DrawIcon.
    virtual void DrawSmoothPicture(const IconPicture& picture, int x, int y, int w, int h);

    // --- a picture kept between frames (the natural style's sky and glows, which change only
    // when the view does)
    // Keeps everything drawn so far under `key`, in place of what was kept before; a surface
    // may keep it only when offered the same key twice in a row (a view that changes every
    // frame is then not copied each time). A surface that cannot read its pixels keeps nothing.
    virtual void KeepBackdrop(std::string key);
    // Puts back the picture kept under exactly `key`, over the whole surface, and returns true;
    // false (the surface untouched) when none is kept under that key.
    virtual bool RestoreBackdrop(std::string_view key);

protected:
    // Called after the selection changed (a surface that caches derived objects can refresh).
    virtual void OnStateChanged() {}

    SurfaceState m_state;
    PixelPoint m_current; // current position of MoveTo/LineTo
};

// Saves the surface's selected objects and puts them back at the end of the scope.
class ScopedSurfaceState {
public:
    explicit ScopedSurfaceState(DrawSurface& surface)
        : m_surface(surface), m_saved(surface.State()) {}
    ~ScopedSurfaceState() { m_surface.RestoreState(m_saved); }
    ScopedSurfaceState(const ScopedSurfaceState&) = delete;
    ScopedSurfaceState& operator=(const ScopedSurfaceState&) = delete;

private:
    DrawSurface& m_surface;
    SurfaceState m_saved;
};
