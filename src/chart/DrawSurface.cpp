#include "chart/DrawSurface.h"

Font DefaultFont() {
    return Font{"Arial", 16, 700, false};
}

Pen DrawSurface::SelectPen(const Pen& pen) {
    const Pen previous = m_state.pen;
    m_state.pen = pen;
    OnStateChanged();
    return previous;
}

Brush DrawSurface::SelectBrush(const Brush& brush) {
    const Brush previous = m_state.brush;
    m_state.brush = brush;
    OnStateChanged();
    return previous;
}

Font DrawSurface::SelectFont(const Font& font) {
    Font previous = m_state.font;
    m_state.font = font;
    OnStateChanged();
    return previous;
}

Rgb DrawSurface::SetTextColour(Rgb colour) {
    const Rgb previous = m_state.textColour;
    m_state.textColour = colour;
    return previous;
}

Rgb DrawSurface::SetBackgroundColour(Rgb colour) {
    const Rgb previous = m_state.backgroundColour;
    m_state.backgroundColour = colour;
    return previous;
}

BackgroundMode DrawSurface::SetBackgroundMode(BackgroundMode mode) {
    const BackgroundMode previous = m_state.backgroundMode;
    m_state.backgroundMode = mode;
    return previous;
}

void DrawSurface::RestoreState(const SurfaceState& state) {
    m_state = state;
    OnStateChanged();
}

void DrawSurface::AddLight(int x, int y, Rgb colour, float amount) {
    const float a = amount < 0.0f ? 0.0f : (amount > 1.0f ? 1.0f : amount);
    SetPixel(x, y,
             Rgb{static_cast<std::uint8_t>(colour.r * a), static_cast<std::uint8_t>(colour.g * a),
                 static_cast<std::uint8_t>(colour.b * a)});
}

void DrawSurface::AddLightBlock(int x, int y, int w, int h, std::span<const float> amounts,
                                Rgb colour) {
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            AddLight(x + col, y + row, colour, amounts[static_cast<std::size_t>(row * w + col)]);
        }
    }
}

void DrawSurface::AddSoftLight(std::span<const LightPolygon>, Rgb, int) {}

void DrawSurface::KeepBackdrop(std::string) {}

bool DrawSurface::RestoreBackdrop(std::string_view) {
    return false;
}

void DrawSurface::DrawSmoothPicture(const IconPicture& picture, int x, int y, int w, int h) {
    DrawIcon(picture, x, y, w, h);
}

void DrawSurface::MoveTo(int x, int y) {
    m_current = PixelPoint{x, y};
}

void DrawSurface::LineTo(int x, int y) {
    Line(m_current.x, m_current.y, x, y);
    m_current = PixelPoint{x, y};
}
