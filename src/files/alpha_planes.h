#pragma once

// The one conversion between the editor's planes and an RGBA picture that keeps every alpha:
// what opening a modern image and saving it at 32 bits go through.

#include "files/rgba_image.h"
#include "pixels/surface.h"

namespace brindlex {

// The picture as a mask and a colour plane of its size: alpha 255 is an opaque pixel (mask
// black, its colour), alpha 0 a transparent one (mask white, colour black), any other alpha a
// partly transparent pixel (mask black, its colour with that alpha, see pixels/pixel_alpha.h).
void PlanesFromRgbaKeepingAlpha(const RgbaImage& image, Surface& mask, Surface& color);

// The planes as an RGBA picture: an opaque pixel with alpha 255, a partly transparent one with
// its alpha, a transparent one as 0, 0, 0, 0 and an inverting one as its colour with alpha 0
// (which a 32-bit entry stores with its mask bit set, as older icons store inverting pixels).
// The planes must have the same size.
RgbaImage RgbaFromPlanes(const Surface& mask, const Surface& color);

// Whether any pixel of a colour plane is partly transparent.
bool HasTranslucentPixels(const Surface& color);

}  // namespace brindlex
