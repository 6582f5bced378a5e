// The cairo path backend: the DrawSurface that draws through a cairo context, for the screen's
// off-screen image, the printer's page (the cairo context of a wxDC), and PNG, SVG and PDF
// files.
//
// Shapes are drawn without antialiasing so the pixel rules of DrawSurface.h hold exactly; text
// is antialiased. When the target is an image surface drawn with the identity transform (the
// off-screen image, a PNG), single pixels, one-pixel lines, whole-pixel boxes, small ellipses
// and unstretched icons go to the direct-pixel rasteriser (PixelRaster.h), which keeps a frame
// of nine thousand stars fast; on other targets every primitive goes through cairo paths. Text
// layouts are kept between frames (TextLayoutCache.h).
//
// An image with a whole-number device scale (a screen at 200 %) is drawn in logical pixels: the
// direct writes fill scale x scale device pixels for each logical one, and cairo draws paths
// and text at the image's full resolution, so everything keeps its logical size and is sharp.
#pragma once

#include "chart/DrawSurface.h"
#include "chart/PixelRaster.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _PangoLayout PangoLayout;
class TextLayoutCache;

class CairoSurface : public DrawSurface {
public:
    // Draws through `cr` (a reference is taken) on an area of width x height pixels.
    CairoSurface(cairo_t* cr, int width, int height);
    ~CairoSurface() override;
    CairoSurface(const CairoSurface&) = delete;
    CairoSurface& operator=(const CairoSurface&) = delete;

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }

    void SetPixel(int x, int y, Rgb colour) override;
    void Line(int x0, int y0, int x1, int y1) override;
    void Polyline(std::span<const PixelPoint> points) override;
    void Polygon(std::span<const PixelPoint> points) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void FillRect(const PixelRect& rect, Rgb colour) override;
    void Text(int x, int y, std::string_view text) override;
    TextExtent MeasureText(std::string_view text) override;
    void DrawIcon(const IconPicture& icon, int x, int y, int w, int h) override;
    void DrawMonoBitmap(const MonoBitmap& bitmap, int x, int y, int w, int h, Rgb ink = kBlack,
                        Rgb paper = kWhite) override;

    void AddLight(int x, int y, Rgb colour, float amount) override;
    void AddLightBlock(int x, int y, int w, int h, std::span<const float> amounts,
                       Rgb colour) override;
    void DrawSmoothPicture(const IconPicture& picture, int x, int y, int w, int h) override;
    void AddSoftLight(std::span<const LightPolygon> polygons, Rgb colour, int blur) override;
    void KeepBackdrop(std::string key) override;
    bool RestoreBackdrop(std::string_view key) override;

    // Hands everything drawn so far to cairo (call before reading the image or copying it).
    void Flush();
    cairo_t* Context() const { return m_cr; }
    // True when pixels and one-pixel lines are written straight into an image.
    bool DirectPixels() const { return m_raster.Active(); }
    // Device pixels per logical pixel of an image target (1 on every other target).
    int PixelScale() const { return m_raster.Scale(); }

protected:
    void OnStateChanged() override;

private:
    void BeginDirect();
    void BeginCairo();
    // A one-pixel line in the pen's colour and dash pattern, written into the image.
    void RasterLine(int x0, int y0, int x1, int y1);
    void StrokePath();
    void SetSource(Rgb colour);
    PangoLayout* LayoutFor(std::string_view text);

    cairo_t* m_cr = nullptr;
    int m_width = 0;
    int m_height = 0;

    // The image target's pixels (inactive when drawing through cairo only).
    PixelRaster m_raster;
    bool m_directActive = false;

    int m_dashPhase = 0; // pixels into the dash pattern of the selected pen
    Pen m_dashPen;       // the pen the phase belongs to

    std::unique_ptr<TextLayoutCache> m_layouts;

    // The image's device pixels as KeepBackdrop found them, and their key.
    std::string m_backdropKey;
    std::vector<std::uint8_t> m_backdrop;
    std::string m_offeredKey; // the key KeepBackdrop was last called with

    // Ellipses on an image at scale 1: the pixels cairo fills for an ellipse of a given size, pen
    // and brush do not change when it moves by whole pixels, so each shape is rasterised by cairo
    // once into a mask and then written straight into the image.
    struct EllipseMasks;
    std::unique_ptr<EllipseMasks> m_ellipseMasks;
    bool DirectEllipse(int left, int top, int right, int bottom);
};

// A CairoSurface that owns an RGB image: the off-screen surface of the screen, PNG export, and
// the tests (which read the pixels back).
class CairoImageSurface : public CairoSurface {
public:
    // width x height logical pixels; the image holds `scale` x `scale` device pixels for each
    // (scale 2 on a screen at 200 %).
    CairoImageSurface(int width, int height, int scale = 1);
    ~CairoImageSurface() override;

    // The colour of logical pixel (x, y) (its top-left device pixel).
    Rgb PixelAt(int x, int y);
    cairo_surface_t* Image();

private:
    CairoImageSurface(cairo_surface_t* image, int width, int height);
    cairo_surface_t* m_image = nullptr;
};
