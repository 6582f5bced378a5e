// Where the chart's labels go and how a screen label is drawn. Every placement returns the text's
// top-left corner (the surface's default text alignment).
#pragma once

#include "chart/DrawSurface.h"

#include <string_view>

// A label centred on its point (constellation names, "LMC", "SMC"): integer halves of the extent.
PixelPoint CentredLabelOrigin(int x, int y, TextExtent extent);

// A star name starts `offset` pixels left of its anchor on screen, three times as far on paper.
PixelPoint StarNameOrigin(int x, int y, int offset, bool printed);

// A deep-sky label, from the object's stored offset (dx to the right, dy upward). For a southern
// observer (hemisphere letter "S") dy is applied the other way, and a dx below -10 is dropped
// (the label sits just right of the object). Screen: (x + k dx + 5, y - s dy - 7); paper:
// (x + 3 k dx + 20, y - 3 s dy - 20), with s = -1 for "S" else +1 and k = 0 for "S" with
// dx < -10 else 1.
PixelPoint DeepSkyLabelOrigin(int x, int y, int dx, int dy, bool southern, bool printed);

// A Sun, Moon or planet label: (x + 8, y - 5) on screen, (x + 32, y - 20) on paper.
PixelPoint BodyLabelOrigin(int x, int y, bool printed);

// A screen label: the box (left, top + 3) to (left + width, top + height - 3) with the selected
// pen and brush (the layers select both in the sky colour, so the box blots out the lines under
// the middle of the text), then the text. With a hollow brush (the natural style) there is no
// box: the text is drawn over a one-pixel halo in the pen's colour.
void DrawBoxedLabel(DrawSurface& surface, PixelPoint origin, std::string_view text);
void DrawBoxedLabel(DrawSurface& surface, PixelPoint origin, std::string_view text,
                    TextExtent extent);

// A label drawn in the target's form: boxed on screen, plain on paper.
void DrawLabel(DrawSurface& surface, PixelPoint origin, std::string_view text, bool printed);

// The fonts of the label layers (face "Arial").
Font LabelFont(int height, int weight, bool italic = false);
