// Pixel rules of the cairo drawing surface: what the symbol layers rely on to put every pixel
// where the chart's design puts it.
#include "chart/CairoSurface.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};

// The image as a grid of characters: '.' for the background colour, '#' for anything else.
std::string Ascii(CairoImageSurface& s, int left, int top, int right, int bottom, Rgb bg) {
    std::string out;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            out += s.PixelAt(x, y) == bg ? '.' : '#';
        }
        out += '\n';
    }
    return out;
}

// Bounding box of the pixels that differ from the background.
PixelRect InkBox(CairoImageSurface& s, Rgb bg) {
    PixelRect box{s.Width(), s.Height(), -1, -1};
    for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x) {
            if (!(s.PixelAt(x, y) == bg)) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
        }
    }
    return box;
}

void Clear(CairoImageSurface& s) {
    s.FillRect(PixelRect{0, 0, s.Width(), s.Height()}, kBlack);
}

} // namespace

TEST(CairoSurface, EllipseBoxExcludesRightAndBottomEdges) {
    struct Case {
        const char* name;
        int half; // box (c - half, c - half) to (c + half, c + half)
    };
    for (const Case c : {Case{"star 5", 5}, Case{"star 4", 4}, Case{"star 3", 3}, Case{"star 2", 2},
                         Case{"printed 15", 15}}) {
        SCOPED_TRACE(c.name);
        CairoImageSurface s(64, 64);
        Clear(s);
        s.SelectPen(Pen{PenStyle::Solid, 1, kWhite});
        s.SelectBrush(Brush{BrushStyle::Solid, kRed});
        s.Ellipse(30 - c.half, 30 - c.half, 30 + c.half, 30 + c.half);
        EXPECT_EQ(InkBox(s, kBlack),
                  (PixelRect{30 - c.half, 30 - c.half, 30 + c.half, 30 + c.half}));
    }
}

TEST(CairoSurface, EllipseIsOutlinedWithThePenAndFilledWithTheBrush) {
    CairoImageSurface s(32, 32);
    Clear(s);
    s.SelectPen(Pen{PenStyle::Solid, 1, kBlue});
    s.SelectBrush(Brush{BrushStyle::Solid, kRed});
    s.Ellipse(8, 8, 24, 24);
    EXPECT_EQ(s.PixelAt(8, 15), kBlue);   // left edge of the box, middle row
    EXPECT_EQ(s.PixelAt(23, 16), kBlue);  // last column inside the box
    EXPECT_EQ(s.PixelAt(15, 8), kBlue);   // top edge
    EXPECT_EQ(s.PixelAt(16, 16), kRed);   // inside
    EXPECT_EQ(s.PixelAt(24, 16), kBlack); // the right edge itself is outside
}

TEST(CairoSurface, LineExcludesItsLastPoint) {
    struct Case {
        const char* name;
        int x0, y0, x1, y1;
        int pixels; // pixels drawn
    };
    for (const Case c : {Case{"right", 2, 5, 12, 5, 10}, Case{"left", 12, 5, 2, 5, 10},
                         Case{"down", 4, 1, 4, 9, 8}, Case{"diagonal", 1, 1, 9, 9, 8},
                         Case{"steep", 3, 2, 6, 14, 12}, Case{"point", 5, 5, 5, 5, 0}}) {
        SCOPED_TRACE(c.name);
        CairoImageSurface s(16, 16);
        Clear(s);
        s.SelectPen(Pen{PenStyle::Solid, 1, kWhite});
        s.Line(c.x0, c.y0, c.x1, c.y1);
        int count = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                count += s.PixelAt(x, y) == kWhite;
            }
        }
        EXPECT_EQ(count, c.pixels);
        EXPECT_EQ(s.PixelAt(c.x1, c.y1), kBlack);
        if (c.pixels) {
            EXPECT_EQ(s.PixelAt(c.x0, c.y0), kWhite);
        }
    }
}

TEST(CairoSurface, SinglePixelsLandExactly) {
    // The five-pixel cross of a second-magnitude star.
    CairoImageSurface s(8, 8);
    Clear(s);
    const int x = 3;
    const int y = 4;
    for (const PixelPoint p : {PixelPoint{x, y}, PixelPoint{x + 1, y}, PixelPoint{x, y + 1},
                               PixelPoint{x, y - 1}, PixelPoint{x - 1, y}}) {
        s.SetPixel(p.x, p.y, kGreen);
    }
    EXPECT_EQ(Ascii(s, 0, 0, 8, 8, kBlack), "........\n"
                                            "........\n"
                                            "........\n"
                                            "...#....\n"
                                            "..###...\n"
                                            "...#....\n"
                                            "........\n"
                                            "........\n");
    s.SetPixel(-1, 2, kGreen); // off the surface: ignored
    s.SetPixel(8, 2, kGreen);
    EXPECT_EQ(InkBox(s, kBlack), (PixelRect{2, 3, 5, 6}));
}

TEST(CairoSurface, DashedPenDraws18PixelsAndSkips6AcrossSegments) {
    CairoImageSurface s(120, 4);
    Clear(s);
    s.SelectPen(Pen{PenStyle::Dash, 1, kWhite});
    // Two segments: the pattern runs on from the first into the second.
    s.MoveTo(0, 1);
    s.LineTo(30, 1);
    s.LineTo(100, 1);
    std::string row;
    for (int x = 0; x < 100; ++x) {
        row += s.PixelAt(x, 1) == kWhite ? '#' : '.';
    }
    const std::string dash(18, '#');
    const std::string gap(6, '.');
    const std::string expected = dash + gap + dash + gap + dash + gap + dash + gap + "####";
    EXPECT_EQ(row, expected);
}

TEST(CairoSurface, IconsKeepTransparentPixelsAndMirrorWithNegativeWidth) {
    // 3 x 2 icon: red, green, transparent / blue, transparent, transparent.
    IconPicture icon;
    icon.width = 3;
    icon.height = 2;
    icon.pixels = {kRed, kGreen, kWhite, kBlue, kWhite, kWhite};
    icon.opaque = {1, 1, 0, 1, 0, 0};

    CairoImageSurface s(10, 4);
    Clear(s);
    s.DrawIcon(icon, 1, 1, 3, 2);
    EXPECT_EQ(s.PixelAt(1, 1), kRed);
    EXPECT_EQ(s.PixelAt(2, 1), kGreen);
    EXPECT_EQ(s.PixelAt(3, 1), kBlack);
    EXPECT_EQ(s.PixelAt(1, 2), kBlue);

    // Left edge 9, width -3: the picture spans columns 6..8, mirrored.
    s.DrawIcon(icon, 9, 1, -3, 2);
    EXPECT_EQ(s.PixelAt(8, 1), kRed);
    EXPECT_EQ(s.PixelAt(7, 1), kGreen);
    EXPECT_EQ(s.PixelAt(6, 1), kBlack);
    EXPECT_EQ(s.PixelAt(8, 2), kBlue);
    EXPECT_EQ(s.PixelAt(9, 1), kBlack);
}

TEST(CairoSurface, StretchedIconsAndMonoBitmapsScaleByWholePixels) {
    IconPicture icon;
    icon.width = 2;
    icon.height = 1;
    icon.pixels = {kRed, kGreen};
    MonoBitmap bitmap;
    bitmap.width = 2;
    bitmap.height = 2;
    bitmap.bits = {1, 0, 0, 1};

    CairoImageSurface s(20, 20);
    Clear(s);
    s.DrawIcon(icon, 8, 0, -6, 3); // mirrored and stretched three times: columns 2..7
    EXPECT_EQ(s.PixelAt(2, 2), kGreen);
    EXPECT_EQ(s.PixelAt(4, 0), kGreen);
    EXPECT_EQ(s.PixelAt(5, 1), kRed);
    EXPECT_EQ(s.PixelAt(7, 2), kRed);
    EXPECT_EQ(s.PixelAt(8, 2), kBlack);

    s.DrawMonoBitmap(bitmap, 10, 10, 6, 6); // copied opaque: ink black, paper white
    EXPECT_EQ(s.PixelAt(10, 10), kBlack);
    EXPECT_EQ(s.PixelAt(13, 10), kWhite);
    EXPECT_EQ(s.PixelAt(12, 14), kWhite);
    EXPECT_EQ(s.PixelAt(15, 15), kBlack);
    EXPECT_EQ(s.PixelAt(16, 15), kBlack); // outside the box: the black background
}

TEST(CairoSurface, RectangleAndPolygonFollowTheBoxAndEvenOddRules) {
    CairoImageSurface s(40, 40);
    Clear(s);
    s.SelectPen(Pen{PenStyle::Solid, 1, kBlue});
    s.SelectBrush(Brush{BrushStyle::Solid, kRed});
    s.Rectangle(2, 3, 12, 8);
    EXPECT_EQ(InkBox(s, kBlack), (PixelRect{2, 3, 12, 8}));
    EXPECT_EQ(s.PixelAt(2, 3), kBlue);
    EXPECT_EQ(s.PixelAt(11, 7), kBlue);
    EXPECT_EQ(s.PixelAt(6, 5), kRed);

    // A pentagram filled by the even-odd rule leaves its centre empty.
    CairoImageSurface p(40, 40);
    Clear(p);
    p.SelectPen(Pen{PenStyle::Null, 1, kBlue});
    p.SelectBrush(Brush{BrushStyle::Solid, kRed});
    const PixelPoint star[5] = {{20, 2}, {31, 36}, {2, 14}, {38, 14}, {9, 36}};
    p.Polygon(star);
    EXPECT_EQ(p.PixelAt(20, 21), kBlack);
    EXPECT_EQ(p.PixelAt(20, 8), kRed);
}

TEST(CairoSurface, TextExtentFollowsTheFontHeightAndOpaqueModeFillsIt) {
    CairoImageSurface s(200, 60);
    Clear(s);
    s.SelectFont(Font{"Arial", 20, 600, false});
    const TextExtent e = s.MeasureText("UMa");
    EXPECT_NEAR(e.height, 20, 2); // pixels: the cell height, rounded by the font's metrics
    EXPECT_GT(e.width, 20);
    EXPECT_LT(s.MeasureText("U").width, e.width);

    s.SetBackgroundMode(BackgroundMode::Opaque);
    s.SetBackgroundColour(kBlue);
    s.SetTextColour(kWhite);
    s.Text(10, 10, "UMa");
    EXPECT_EQ(s.PixelAt(10, 10), kBlue); // the corner of the extent is background
    EXPECT_EQ(s.PixelAt(9, 10), kBlack);

    s.SetBackgroundMode(BackgroundMode::Transparent);
    s.Text(10, 35, "UMa");
    EXPECT_EQ(s.PixelAt(10, 35), kBlack);

    // A name from a damaged catalogue (not UTF-8) is still measured and drawn.
    EXPECT_GT(s.MeasureText("Vega\xff\xfe").width, s.MeasureText("Vega").width);
}

TEST(CairoSurface, SelectionsReturnThePreviousObjectAndScopesRestoreThem) {
    CairoImageSurface s(4, 4);
    const Pen first{PenStyle::Solid, 1, kRed};
    s.SelectPen(first);
    {
        ScopedSurfaceState keep(s);
        EXPECT_EQ(s.SelectPen(Pen{PenStyle::Dash, 1, kBlue}), first);
        s.SelectFont(Font{"Arial", 40, 400, true});
        s.SetTextColour(kGreen);
    }
    EXPECT_EQ(s.State().pen, first);
    EXPECT_EQ(s.State().font, DefaultFont());
    EXPECT_EQ(s.State().textColour, kBlack);
}

TEST(CairoSurface, VectorTargetsKeepTheSameBoxes) {
    // Drawn through cairo paths (a recording surface), replayed onto an image: the boxes of
    // ellipses and line ends stay where the direct image path puts them.
    cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR, nullptr);
    cairo_t* cr = cairo_create(recording);
    {
        CairoSurface vector(cr, 64, 64);
        EXPECT_FALSE(vector.DirectPixels());
        vector.FillRect(PixelRect{0, 0, 64, 64}, kBlack);
        vector.SelectPen(Pen{PenStyle::Solid, 1, kBlue});
        vector.SelectBrush(Brush{BrushStyle::Solid, kRed});
        vector.Ellipse(20, 20, 30, 30);
        vector.SelectPen(Pen{PenStyle::Solid, 1, kWhite});
        vector.Line(2, 50, 12, 50);
        vector.SetPixel(60, 60, kGreen);
    }
    cairo_destroy(cr);
    CairoImageSurface image(64, 64);
    EXPECT_TRUE(image.DirectPixels());
    image.Flush();
    cairo_t* out = cairo_create(image.Image());
    cairo_set_source_surface(out, recording, 0, 0);
    cairo_paint(out);
    cairo_destroy(out);
    cairo_surface_mark_dirty(image.Image());
    cairo_surface_destroy(recording);

    EXPECT_EQ(image.PixelAt(20, 25), kBlue); // outline on the box's left edge
    EXPECT_EQ(image.PixelAt(29, 25), kBlue); // and on its last column
    EXPECT_EQ(image.PixelAt(25, 25), kRed);
    EXPECT_EQ(image.PixelAt(30, 25), kBlack);
    EXPECT_EQ(image.PixelAt(2, 50), kWhite);
    EXPECT_EQ(image.PixelAt(11, 50), kWhite);
    EXPECT_EQ(image.PixelAt(12, 50), kBlack);
    EXPECT_EQ(image.PixelAt(60, 60), kGreen);
}

TEST(CairoSurface, VectorDashesRunOnAcrossSeparateLines) {
    cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR, nullptr);
    cairo_t* cr = cairo_create(recording);
    {
        CairoSurface vector(cr, 64, 8);
        vector.FillRect(PixelRect{0, 0, 64, 8}, kBlack);
        vector.SelectPen(Pen{PenStyle::Dash, 1, kWhite});
        vector.Line(0, 1, 10, 1);
        vector.Line(10, 1, 40, 1);
    }
    cairo_destroy(cr);
    CairoImageSurface image(64, 8);
    cairo_t* out = cairo_create(image.Image());
    cairo_set_source_surface(out, recording, 0, 0);
    cairo_paint(out);
    cairo_destroy(out);
    cairo_surface_mark_dirty(image.Image());
    cairo_surface_destroy(recording);

    EXPECT_EQ(image.PixelAt(12, 1), kWhite);
    EXPECT_EQ(image.PixelAt(17, 1), kWhite);
    EXPECT_EQ(image.PixelAt(20, 1), kBlack); // the gap of the pattern begun by the first line
    EXPECT_EQ(image.PixelAt(23, 1), kBlack);
    EXPECT_EQ(image.PixelAt(25, 1), kWhite);
}

TEST(CairoSurface, TextSizeIsInSurfacePixelsUnderAScaledContext) {
    // A printer or PDF page hands over a scaled cairo context; fonts must scale with it.
    CairoImageSurface image(200, 100);
    image.FillRect(PixelRect{0, 0, 200, 100}, kWhite);
    image.Flush();
    cairo_t* cr = cairo_create(image.Image());
    cairo_scale(cr, 0.5, 0.5);
    {
        CairoSurface page(cr, 400, 200);
        EXPECT_FALSE(page.DirectPixels());
        page.SelectFont(Font{"Arial", 80, 400, false});
        EXPECT_NEAR(page.MeasureText("HHH").height, 80, 3); // surface pixels, font metrics
        page.SetBackgroundMode(BackgroundMode::Transparent);
        page.Text(0, 0, "HHH");
    }
    cairo_destroy(cr);
    cairo_surface_mark_dirty(image.Image());
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < 100; ++y) {
        if (!(image.PixelAt(10, y) == kWhite) || !(image.PixelAt(4, y) == kWhite)) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    // The capital H of an 80-pixel cell is about 50 surface pixels tall: 25 image pixels.
    EXPECT_NEAR(bottom - top + 1, 25, 4);
}
