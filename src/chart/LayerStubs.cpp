// Placeholder bodies of the chart layers until their own files exist; each draws nothing.
#include "chart/Layers.h"

void DrawMilkyWay(const LayerContext&) {}
void DrawMagellanicClouds(const LayerContext&) {}
void DrawEcliptic(const LayerContext&) {}
void DrawBoundaries(const LayerContext&) {}
void DrawConstellationFigures(const LayerContext&) {}
void DrawGrid(const LayerContext&) {}
void DrawHorizon(const LayerContext&) {}
void DrawConstellationNames(const LayerContext&) {}
void DrawStarNames(const LayerContext&) {}
void DrawMessierLabels(const LayerContext&) {}
void DrawOtherDeepSkyLabels(const LayerContext&) {}
void DrawStars(const LayerContext&) {}
void DrawDeepSky(const LayerContext&) {}
void DrawSolarSystem(const LayerContext&) {}
void DrawSolarSystemLabels(const LayerContext&) {}
