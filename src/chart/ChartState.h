// The chart state of the sky view: mode, zoom, centre, scale, layer switches and magnitude
// limits. The sky it draws (SkyState) is the sky session's (SkySession.h) and kept apart.
//
// The view copies its chart fields from AppSettings when it is made (ChartState(settings)) and
// back when it is torn down (CopyToSettings). Between those moments the chart state is the live
// copy. It also keeps what the projection reads from the settings rather than from the chart's
// own mode: the observer's hemisphere and the "HorizonView" setting; the commands that change
// the place or the chart mode set them beside the settings.
#pragma once

#include "settings/LayerSwitchList.h"

#include <string>

struct AppSettings;
struct CatalogStore;

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

inline constexpr int kMaxLevel = 11;
// With the faint stars on, the zoom goes on past kMaxLevel, each level about a third narrower
// than the one before, down to a field about a degree high.
inline constexpr int kMaxDeepLevel = 17;

// The sphere radius of a zoom level: (level + 1) base radii up to kMaxLevel, then half as much
// again for each deep level.
unsigned LevelRadius(int level, int baseRadius);

// The two chart modes (m_bHorizonView).
enum ChartMode : int {
    kChartEquatorial = 0,
    kChartLocalHorizon = 1,
};

struct ChartState {
    // Takes every chart field from the settings (with the magnitude-limit decoding), the
    // observer's hemisphere and the "HorizonView" setting included.
    explicit ChartState(const AppSettings& settings);

    // Copies the chart fields into the settings as the view's tear-down does: mode, level,
    // turns, switches, colour switches and the encoded magnitude limits. Leaves AutoMode,
    // Observer and SkyDate alone.
    void CopyToSettings(AppSettings& settings) const;

    // Re-reads the chart fields from the settings (what construction does).
    void CopyFromSettings(const AppSettings& settings);

    // The observer's hemisphere letter, after a new place: southern when it is exactly "S".
    void SetHemisphere(const std::string& letter) { m_bSouthernObserver = letter == "S"; }

    // True when the observer's hemisphere letter is exactly "S".
    bool SouthernObserver() const { return m_bSouthernObserver; }
    // True when the equatorial chart is turned for a southern observer: hemisphere "S" and the
    // "HorizonView" setting 0.
    bool SouthernFlip() const { return m_nHorizonViewSetting == 0 && m_bSouthernObserver; }

    // --- what the settings say beside the chart's own fields
    bool m_bSouthernObserver = false;
    // The "HorizonView" setting, which the southern flip reads; the chart-mode commands set it
    // together with m_bHorizonView.
    int m_nHorizonViewSetting = kChartEquatorial;

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

    // --- layer switches, at the profile's defaults: m_bCoordinations, m_bBoundaries,
    // m_bConstelations, m_bDeepSky, m_bStarNames, m_bDeepSkyNames, m_bEcliptic, m_bHorizon,
    // m_bMilkyWay, m_bSolarSystem, m_bSolSysLabels and m_bColoredStars
    // (settings/LayerSwitchList.h)
#define VN_CHART_SWITCH_FIELD(name, setting, field, command, fallback) int field = fallback;
    VN_LAYER_SWITCHES(VN_CHART_SWITCH_FIELD)
#undef VN_CHART_SWITCH_FIELD
    int m_bColoredSky = 0;
    int m_bAnimate = 0;

    // --- the natural style (NaturalSky): the screen chart drawn as the sky looks
    int m_bNaturalSky = 0;
    // The sky comes from the precise model, whose altitudes are the ones the eye sees: the
    // natural local-horizon chart then draws every point at its refracted altitude.
    int m_bPreciseModel = 0;
};

// Window resize: the client rectangle and the projection origin (integer halves).
void SetClientSize(ChartState& chart, int width, int height);
