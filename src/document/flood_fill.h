#pragma once

#include <optional>
#include <random>
#include <vector>

#include "document/icon_document.h"

namespace brindlex {

// The pixels 4-connected to (x, y) through pixels of exactly the seed's colour, as one flag
// per pixel (row by row). All false when the seed lies outside the plane.
std::vector<bool> ConnectedRegion(const Surface& plane, int x, int y);

// Fills the pixels that are connected to the seed (x, y) both through equal mask values and
// through equal colour-plane values (the intersection of the two regions) with the pixel
// (mask_value, image_value). Nothing when the seed lies outside the planes.
// Returns the rectangle around the filled pixels.
PixelRect FloodFillPlanes(Surface& mask, Surface& image, int x, int y, Color mask_value,
                          Color image_value);

// The Flood tool at the canvas point (down_x, down_y): fills the pixel's region with the
// plane pixel of color (transparent for kTransparentColor). Only the planes change; returns
// the rectangle around the filled pixels, empty when none was filled.
PixelRect FloodFillAt(IconDocument& document, int down_x, int down_y, DrawColorValue color);

// A colour of the colour field that no preview pixel shows, drawn at random points of the
// field (x = round(r1·51), y = round(r2·335)); values outside 1..0xFFFFFE are rejected.
// Gives up after max_tries points. The fill above does not depend on it: it compares the
// planes themselves and needs no marker colour.
std::optional<Color> FindUnusedColor(const Surface& color_field, const Surface& preview,
                                     int last_index, std::mt19937& random, int max_tries = 100000);

}  // namespace brindlex
