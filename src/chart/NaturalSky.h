// The natural style of the screen chart: the sky as the eye sees it. The background follows the
// Sun's altitude (day, the three twilights, night) and on the local-horizon chart brightens
// toward the horizon and the Sun; stars are soft discs whose light follows their magnitude, in
// the colour of their temperature, no fainter than the sky lets through and dimmed near the
// horizon; the Sun glows, the Moon shows its phase at its apparent size; an opaque ground hides
// what is below the horizon. Lines and labels are the classic layers in muted tones. The frame
// (Frame.h) draws it in place of the classic screen layers when ChartState::m_bNaturalSky is
// set; printing always takes the classic forms.
#pragma once

#include "chart/LayerContext.h"
#include "skylight/SkyLight.h"

// The screen colour of a light (channels 0..1, clamped).
Rgb ScreenRgb(const Light& light);

// Light a star of this magnitude spreads over the pixels about (x, y) (fractional pixel
// coordinates), in `colour`: a soft core that grows with the star's brightness and, for the
// brightest, a wider halo. Its total light follows 10^(-0.4 m).
void DrawStarLight(DrawSurface& surface, double x, double y, double magnitude, Rgb colour);

// The natural screen frame on the context's surface (background included), the projector
// already set to the natural rules. `sunAltitude` in degrees.
void DrawNaturalFrame(const LayerContext& ctx, double sunAltitude);
