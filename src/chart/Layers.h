// The chart layers. Each draws its screen form or its printed form according to the context's
// target, fills the picking tables it owns, selects its own pens, brushes and fonts and puts back
// what was selected before. The frame (Frame.h) calls them in its fixed order; each also returns
// at once when its own switch is off.
#pragma once

#include "catalog/FaintStars.h"
#include "chart/LayerContext.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

// Lines and outlines.
void DrawMilkyWay(const LayerContext& ctx);         // m_bMilkyWay
void DrawMagellanicClouds(const LayerContext& ctx); // m_bDeepSky
void DrawEcliptic(const LayerContext& ctx);         // m_bEcliptic
void DrawBoundaries(const LayerContext& ctx);       // m_bBoundaries; then DrawConstellationNames
void DrawConstellationFigures(const LayerContext& ctx); // m_bConstelations
void DrawGrid(const LayerContext& ctx);                 // m_bCoordinations
void DrawHorizon(const LayerContext& ctx);              // m_bHorizon, with the compass letters

// The Milky Way's eight band polygons of the screen form, those with more than eight visible
// points on each edge, in drawing order.
std::vector<std::vector<PixelPoint>> MilkyWayBandPolygons(const LayerContext& ctx);

// Labels.
void DrawConstellationNames(const LayerContext& ctx); // called by DrawBoundaries
void DrawStarNames(const LayerContext& ctx);          // m_bStarNames and level >= 1
void DrawMessierLabels(const LayerContext& ctx);      // called by DrawDeepSky; with LMC and SMC
void DrawOtherDeepSkyLabels(const LayerContext& ctx); // called by DrawDeepSky

// Symbols.
void DrawStars(const LayerContext& ctx); // always; fills picks.stars
// The faint-star layer drawn by another hand (the natural style): `place(star, ra, dec)` draws
// each star of the table no fainter than `limit` at (ra hours, dec degrees) of the catalogue's
// date and returns its pixel, kept in picks.faintStars, or nothing. On screen only the stars
// whose sky cells may meet the client area widened by `widen` pixels.
using FaintStarPlacer =
    std::function<std::optional<PixelPoint>(const FaintStar& star, double ra, double dec)>;
void DrawFaintStarsBy(const LayerContext& ctx, double limit, double widen,
                      const FaintStarPlacer& place);
void DrawDeepSky(const LayerContext& ctx);           // m_bDeepSky; fills picks.deepSky, then labels
void DrawSolarSystem(const LayerContext& ctx);       // m_bSolarSystem; labels, then bodies
void DrawSolarSystemLabels(const LayerContext& ctx); // called by DrawSolarSystem
// Pixels each body's label stands further right than beside a point (a large disc's label).
using BodyLabelClearance = std::array<int, kBodyCount>;
void DrawSolarSystemLabels(const LayerContext& ctx, const BodyLabelClearance& clearance);

// The telescope's reticle at (right ascension hours, declination degrees in the chart's frame),
// screen frames only; the pixel of its centre, nothing when the point is off the chart.
std::optional<PixelPoint> DrawReticle(const LayerContext& ctx, double raHours, double decDegrees);
