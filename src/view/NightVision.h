// Night vision on the screen: the finished frame turned into shades of red (chart/
// NightVisionPalette.h) just before it is copied to the window. Only the screen's copy is
// changed: printing and export draw their own frames and never pass through here.
#pragma once

typedef struct _cairo_surface cairo_surface_t;

// Replaces every pixel of the top-left `width` x `height` pixels of `image` by its night-vision
// red. The image must be an RGB24 or ARGB32 cairo image surface; anything else is left alone.
void ApplyNightVision(cairo_surface_t* image, int width, int height);
