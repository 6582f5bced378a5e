// Night vision: the finished frame turned into shades of red, so the screen does not spoil eyes
// adapted to the dark. Applied to the off-screen image just before it is copied to the window.
#pragma once

typedef struct _cairo_surface cairo_surface_t;

// Each pixel becomes red of the brightness of its brightest channel (green and blue zero), so
// blue skies and white stars stay as visible as they were. The image must be an RGB24 or
// ARGB32 image surface; `width` x `height` pixels from its top-left corner are changed.
void ApplyNightVision(cairo_surface_t* image, int width, int height);
