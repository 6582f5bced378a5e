// The chart state of the sky view: mode, zoom, centre, scale, layer switches, magnitude limits,
// the computed sky it draws (SkyState) and the picking tables that each frame fills.
//
// The view copies its chart fields from AppSettings when it is made (ChartState(settings)) and
// back when it is torn down (CopyToSettings). Between those moments the chart state is the live
// copy, except the hemisphere letter of the observer and the "HorizonView" setting, which the
// projection reads from the settings record itself (the chart-mode commands set both).
#pragma once

#include "astro/SkyState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

struct AppSettings;
struct CatalogStore;
struct ProjectionMemo;

// A pixel position on the drawing surface.
struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// A rectangle of pixels; right and bottom are one past the last pixel.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

// One entry of the star picking table: where the star was drawn and its magnitude truncated
// toward zero. (0, 0) means "not drawn in the last frame".
struct StarPick {
    int x = 0;
    int y = 0;
    int magnitude = 0;
};

// A point of the coordinate grid.
struct GridPoint {
    int dec = 0;     // whole degrees
    double ra = 0.0; // hours
};

inline constexpr std::size_t kGridPointCount = 1595;
inline constexpr std::size_t kPickStarCount = 9095;
inline constexpr std::size_t kPickBodyCount = 10;
inline constexpr std::size_t kPickDeepSkyCount = 210;
inline constexpr int kMaxLevel = 11;

// The two chart modes (m_bHorizonView).
enum ChartMode : int {
    kChartEquatorial = 0,
    kChartLocalHorizon = 1,
};

struct ChartState : SkyState {
    // Takes every chart field from the settings (with the magnitude-limit decoding) and keeps a
    // pointer to them for the hemisphere letter and the "HorizonView" setting. The settings
    // record must outlive the chart state.
    explicit ChartState(const AppSettings& settings);

    // Copies the chart fields into the settings as the view's tear-down does: mode, level,
    // turns, switches, colour switches and the encoded magnitude limits. Leaves AutoMode,
    // Observer and SkyDate alone.
    void CopyToSettings(AppSettings& settings) const;

    // Re-reads the chart fields from the settings (what construction does).
    void CopyFromSettings(const AppSettings& settings);

    // The settings record the projection reads the hemisphere and "HorizonView" from.
    const AppSettings& Settings() const { return *m_pSettings; }
    void AttachSettings(const AppSettings& settings) { m_pSettings = &settings; }

    // True when the observer's hemisphere letter is exactly "S".
    bool SouthernObserver() const;
    // True when the equatorial chart is turned for a southern observer: hemisphere "S" and the
    // "HorizonView" setting 0.
    bool SouthernFlip() const;

    // What the frames' projections keep for the catalogue points (ProjectionMemo.h); made by
    // the first frame. Copies of the chart share it, which is safe: every entry checks its inputs.
    std::shared_ptr<ProjectionMemo> m_projectionMemo;

    // --- mode, zoom and centre
    int m_bHorizonView = kChartEquatorial;
    int m_nLevel = 2;
    int m_nBaseRadius = 0;    // pixels, sphere radius at level 0
    unsigned m_nRadius = 0;   // pixels, current sphere radius R
    double m_dTurnX = 18.0;   // hours; the chart centre lies at right ascension 24 - m_dTurnX
    float m_fTurnXDeg = 0.0f; // degrees, follows the 1/3-hour pan steps; saved as "b"
    int m_nTurnY = 0;         // degrees, declination of the chart centre
    int m_nTilt = 0;          // |m_nTurnY|
    int m_nCenterX = 0;       // pixels, projection origin
    int m_nCenterY = 0;
    PixelRect m_rcClient; // client rectangle; its size bounds InsideClient

    // The platform's full-screen client size at the initial update; the base radius and the
    // printing scale derive from it.
    int m_nFullScreenWidth = 0;
    int m_nFullScreenHeight = 0;

    // --- magnitude limits
    double m_dStarLimit = 7.5;
    double m_dDeepSkyLimit = 11.0;

    // --- layer switches
    int m_bCoordinations = 0;
    int m_bConstelations = 0;
    int m_bBoundaries = 1;
    int m_bDeepSky = 1;
    int m_bSolarSystem = 1;
    int m_bStarNames = 0;
    int m_bDeepSkyNames = 1;
    int m_bEcliptic = 1;
    int m_bHorizon = 1;
    int m_bMilkyWay = 1;
    int m_bSolSysLabels = 1;
    int m_bColoredStars = 1;
    int m_bColoredSky = 0;
    int m_bAnimate = 0;

    // --- picking tables, cleared at the start of every frame
    std::array<StarPick, kPickStarCount> m_ptStar{};
    std::array<PixelPoint, kPickBodyCount> m_ptBody{};
    std::array<PixelPoint, kPickDeepSkyCount> m_ptDeepSky{};

    // --- coordinate grid, built at the initial update
    std::array<GridPoint, kGridPointCount> m_gridPoints{};

private:
    const AppSettings* m_pSettings = nullptr;
};

// Window resize: the client rectangle and the projection origin (integer halves).
void SetClientSize(ChartState& chart, int width, int height);
