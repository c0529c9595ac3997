#include "effects/text_stamp.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/utf8_text.h"

namespace brindlex {
namespace {

// How many characters beyond the boundary found by halving are measured one by one, from the
// longest down, as dropping one character at a time would.
constexpr std::size_t kExactTail = 64;

}  // namespace

int PointsToPixels(int points) { return static_cast<int>(std::nearbyint(points * 96.0 / 72.0)); }

std::string FitTextToWidth(const FontRenderer& fonts, const FontChoice& font,
                           const std::string& text, int width,
                           const std::function<void()>& each_step) {
  const std::vector<std::size_t> bounds = CharacterBounds(text);
  const std::size_t count = bounds.size() - 1;
  auto fits = [&](std::size_t characters) {
    return fonts.TextWidth(font, text.substr(0, bounds[characters])) <= width;
  };
  if (fits(count)) return text;
  auto step = [&] {
    if (each_step) each_step();
  };
  // Halving: low always fits (the empty text is zero pixels wide), high never does.
  std::size_t low = 0, high = count;
  while (high - low > 1) {
    step();
    const std::size_t middle = low + (high - low) / 2;
    (fits(middle) ? low : high) = middle;
  }
  // One character at a time from a little past the boundary, the longest fitting start wins.
  for (std::size_t characters = std::min(count - 1, low + kExactTail); characters > low;
       --characters) {
    step();
    if (fits(characters)) return text.substr(0, bounds[characters]);
  }
  return text.substr(0, bounds[low]);
}

void SolidifyTextMask(Surface& mask) {
  for (int y = 0; y < mask.Height(); ++y) {
    Color* row = mask.Row(y);
    for (int x = 0; x < mask.Width(); ++x)
      if (row[x] > kBlack && row[x] < kWhite) row[x] = kBlack;
  }
}

void ClearOutsideTextMask(const Surface& mask, Surface& image) {
  const int width = std::min(mask.Width(), image.Width());
  const int height = std::min(mask.Height(), image.Height());
  for (int y = 0; y < height; ++y) {
    const Color* mask_row = mask.Row(y);
    Color* image_row = image.Row(y);
    for (int x = 0; x < width; ++x)
      if (mask_row[x] == kWhite) image_row[x] = kBlack;
  }
}

}  // namespace brindlex
