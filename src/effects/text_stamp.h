#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "pixels/surface.h"
#include "platform/font_renderer.h"

namespace brindlex {

// Points at 96 dots per inch, rounded to whole pixels (ties to even): 6 → 8, 7 → 9,
// 8 → 11, 9 → 12, 10 → 13.
int PointsToPixels(int points);

// The text with characters dropped from its end, whole characters at a time, until it is
// no wider than width pixels in font: the longest such start of the text, the empty text at
// worst. Widths are taken to grow as characters are added (kerning may shrink them by a
// little, which a search within a few characters of the boundary covers), so a text of
// thousands of characters needs only a few dozen measurements. each_step runs before each
// measurement after the first.
std::string FitTextToWidth(const FontRenderer& fonts, const FontChoice& font,
                           const std::string& text, int width,
                           const std::function<void()>& each_step = {});

// Makes every pixel of the text mask that is neither black nor white (the smoothed edge of
// a glyph) black, row by row from the top.
void SolidifyTextMask(Surface& mask);

// Makes the colour picture black wherever the mask is white, so that the pair is in the
// icon's pixel encoding: opaque text, transparent everything else.
void ClearOutsideTextMask(const Surface& mask, Surface& image);

}  // namespace brindlex
