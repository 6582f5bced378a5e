// Night vision: the chart shown in shades of red only, so the screen does not spoil eyes adapted
// to the dark. Every colour becomes a red of its brightness, so nothing drawn disappears and the
// order of brightness is kept: a dim object stays dimmer than a bright one.
#pragma once

#include "chart/DrawSurface.h"

#include <cstdint>

// The red level (0..255) that shows a colour of the given red, green and blue (0..255 each,
// gamma-encoded as on the screen).
//
// The brightness is the luminance Y = 0.2126 R + 0.7152 G + 0.0722 B (ITU-R BT.709 weights,
// taken in steps of 1/65536), and the red level is 255 * sqrt(Y / 255): the square root lifts
// dim colours (the dark blue of the Milky Way on a black sky becomes a red of about 38) so they
// stay visible, while black stays black and white becomes full red. Any colour other than black
// gives a red of at least 1. The level never decreases when the luminance grows.
std::uint8_t NightVisionRed(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// The colour night vision shows for `colour`: RGB(NightVisionRed(...), 0, 0).
Rgb NightVisionColour(Rgb colour);

// Turns `height` rows of `width` 32-bit pixels, `stride` bytes apart, into night vision in place:
// each pixel (one native-endian word: alpha or padding, red, green, blue from the top, as cairo's
// RGB24 and ARGB32 images hold them) becomes RGB(NightVisionRed(...), 0, 0), its top byte kept.
void NightVisionPixels(std::uint8_t* data, int stride, int width, int height);
