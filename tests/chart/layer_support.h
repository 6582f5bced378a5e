// Shared by the layer tests: a drawing surface that records every primitive together with the
// pen, brush, font and colours selected at that moment, and a small chart whose projection puts
// right ascension 6 h, declination 0 at the centre of an 800 x 600 client area.
#pragma once

#include "catalog/CatalogStore.h"
#include "chart/DrawSurface.h"
#include "chart/LayerContext.h"
#include "chart/Projection.h"
#include "settings/AppSettings.h"

#include <memory>
#include <string>
#include <vector>

namespace layertest {

enum class Op { Pixel, Line, Polyline, Polygon, Ellipse, Rectangle, Fill, Text, Icon, Mono };

struct Call {
    Op op = Op::Pixel;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0; // box, segment or origin + size
    Rgb colour;                         // SetPixel colour
    std::string text;
    std::vector<PixelPoint> points;
    const IconPicture* icon = nullptr;
    const MonoBitmap* bitmap = nullptr;
    SurfaceState state; // what was selected when the call was made
};

class RecordingSurface : public DrawSurface {
public:
    std::vector<Call> calls;

    int Width() const override { return 800; }
    int Height() const override { return 600; }
    void SetPixel(int x, int y, Rgb colour) override {
        Call c = Make(Op::Pixel, x, y, 0, 0);
        c.colour = colour;
        calls.push_back(c);
    }
    void Line(int x0, int y0, int x1, int y1) override {
        calls.push_back(Make(Op::Line, x0, y0, x1, y1));
    }
    void Polyline(std::span<const PixelPoint> points) override {
        Call c = Make(Op::Polyline, 0, 0, 0, 0);
        c.points.assign(points.begin(), points.end());
        calls.push_back(c);
    }
    void Polygon(std::span<const PixelPoint> points) override {
        Call c = Make(Op::Polygon, 0, 0, 0, 0);
        c.points.assign(points.begin(), points.end());
        calls.push_back(c);
    }
    void Ellipse(int l, int t, int r, int b) override {
        calls.push_back(Make(Op::Ellipse, l, t, r, b));
    }
    void Rectangle(int l, int t, int r, int b) override {
        calls.push_back(Make(Op::Rectangle, l, t, r, b));
    }
    void FillRect(const PixelRect& rc, Rgb colour) override {
        Call c = Make(Op::Fill, rc.left, rc.top, rc.right, rc.bottom);
        c.colour = colour;
        calls.push_back(c);
    }
    void Text(int x, int y, std::string_view text) override {
        Call c = Make(Op::Text, x, y, 0, 0);
        c.text = std::string(text);
        calls.push_back(c);
    }
    // A fixed-pitch measure: 7 pixels a character, the font's height.
    TextExtent MeasureText(std::string_view text) override {
        return TextExtent{7 * static_cast<int>(text.size()), m_state.font.height};
    }
    void DrawIcon(const IconPicture& icon, int x, int y, int w, int h) override {
        Call c = Make(Op::Icon, x, y, w, h);
        c.icon = &icon;
        calls.push_back(c);
    }
    void DrawMonoBitmap(const MonoBitmap& bitmap, int x, int y, int w, int h, Rgb, Rgb) override {
        Call c = Make(Op::Mono, x, y, w, h);
        c.bitmap = &bitmap;
        calls.push_back(c);
    }

    std::vector<Call> Of(Op op) const {
        std::vector<Call> out;
        for (const Call& c : calls) {
            if (c.op == op) {
                out.push_back(c);
            }
        }
        return out;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const Call& c : calls) {
            if (c.op == Op::Text) {
                out.push_back(c.text);
            }
        }
        return out;
    }

private:
    Call Make(Op op, int a, int b, int c, int d) const {
        Call call;
        call.op = op;
        call.x0 = a;
        call.y0 = b;
        call.x1 = c;
        call.y1 = d;
        call.state = m_state;
        return call;
    }
};

inline constexpr int kClientWidth = 800;
inline constexpr int kClientHeight = 600;
inline constexpr int kCentreX = kClientWidth / 2;
inline constexpr int kCentreY = kClientHeight / 2;
inline constexpr float kCentreRa = 6.0f; // 24 - m_dTurnX
inline constexpr int kRadius = 1000;     // so that 1 degree near the centre is about 17 pixels

// One chart with empty catalogues; tests put the objects they need into the tables.
struct LayerFixture {
    AppSettings settings;
    std::unique_ptr<CatalogStore> catalog = std::make_unique<CatalogStore>();
    std::unique_ptr<ChartState> chart;
    SkyState computed; // the computed sky: zero until a test sets what it draws
    PickingTables picks;
    RecordingSurface surface;
    Rgb sky{1, 2, 3};
    Rgb skyFill{0, 0, 80};

    bool northern; // the Moon picture's hemisphere

    explicit LayerFixture(const char* hemisphere = "N") : northern(std::string(hemisphere) == "N") {
        settings.Observer.NS = hemisphere;
        settings.Observer.EW = "E";
        settings.Level = 2;
        settings.TurnX = 18.0;
        settings.StarLimit = 11;   // 7.5
        settings.DeepSkyLimit = 5; // 11
        chart = std::make_unique<ChartState>(settings);
        SetClientSize(*chart, kClientWidth, kClientHeight);
        chart->m_nRadius = kRadius;
        // Every switch off; each test turns on what it draws.
        ChartState& c = *chart;
        c.m_bCoordinations = c.m_bConstelations = c.m_bBoundaries = c.m_bDeepSky = 0;
        c.m_bSolarSystem = c.m_bStarNames = c.m_bDeepSkyNames = c.m_bEcliptic = 0;
        c.m_bHorizon = c.m_bMilkyWay = c.m_bSolSysLabels = c.m_bColoredSky = 0;
        c.m_bColoredStars = 1;
    }

    LayerContext Context(FrameTarget target = FrameTarget::Screen, bool deep = true) {
        LayerContext ctx{*chart, computed, picks, *catalog, northern, surface, target, deep};
        ctx.skyColour = sky;
        ctx.skyFillColour = skyFill;
        return ctx;
    }

    // Where (ra, dec) lands, by the chart's own projection; {-1, -1} when not visible.
    PixelPoint At(float ra, float dec) {
        return Projector(*chart, computed).Project(ra, dec).value_or(PixelPoint{-1, -1});
    }
};

} // namespace layertest
