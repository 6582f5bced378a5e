#include "chart/LabelPlacement.h"

PixelPoint CentredLabelOrigin(int x, int y, TextExtent extent) {
    return {x - extent.width / 2, y - extent.height / 2};
}

PixelPoint StarNameOrigin(int x, int y, int offset, bool printed) {
    const int scale = printed ? 3 : 1;
    return {x - scale * offset, y};
}

PixelPoint DeepSkyLabelOrigin(int x, int y, int dx, int dy, bool southern, bool printed) {
    constexpr int kDropDxBelow = -10;
    const int s = southern ? -1 : 1;
    const int k = (southern && dx < kDropDxBelow) ? 0 : 1;
    if (printed) {
        return {x + k * 3 * dx + 20, y - s * 3 * dy - 20};
    }
    return {x + k * dx + 5, y - s * dy - 7};
}

PixelPoint BodyLabelOrigin(int x, int y, bool printed) {
    if (printed) {
        return {x + 32, y - 20};
    }
    return {x + 8, y - 5};
}

void DrawBoxedLabel(DrawSurface& surface, PixelPoint origin, std::string_view text,
                    TextExtent extent) {
    if (surface.State().brush.style == BrushStyle::Null) {
        // No box: a thin halo in the pen's colour keeps the text readable over whatever lies
        // beneath it.
        const Rgb text_colour = surface.SetTextColour(surface.State().pen.colour);
        constexpr PixelPoint kHalo[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const PixelPoint& d : kHalo) {
            surface.Text(origin.x + d.x, origin.y + d.y, text);
        }
        surface.SetTextColour(text_colour);
        surface.Text(origin.x, origin.y, text);
        return;
    }
    surface.Rectangle(origin.x, origin.y + 3, origin.x + extent.width,
                      origin.y + extent.height - 3);
    surface.Text(origin.x, origin.y, text);
}

void DrawBoxedLabel(DrawSurface& surface, PixelPoint origin, std::string_view text) {
    DrawBoxedLabel(surface, origin, text, surface.MeasureText(text));
}

void DrawLabel(DrawSurface& surface, PixelPoint origin, std::string_view text, bool printed) {
    if (printed) {
        surface.Text(origin.x, origin.y, text);
    } else {
        DrawBoxedLabel(surface, origin, text);
    }
}

Font LabelFont(int height, int weight, bool italic) {
    Font font;
    font.face = "Arial";
    font.height = height;
    font.weight = weight;
    font.italic = italic;
    return font;
}
