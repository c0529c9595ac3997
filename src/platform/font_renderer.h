#pragma once

#include <string>
#include <vector>

#include "pixels/surface.h"

namespace brindlex {

// A font as the text stamp asks for it: a family name, a size in pixels (at 96 dots per
// inch, so the result does not depend on the display's own resolution) and the style.
struct FontChoice {
  std::string family;
  int pixel_size = 8;
  bool bold = false;
  bool italic = false;
};

// What the core asks of the system's fonts. Texts are UTF-8 and drawn on one line, exactly
// as typed: '&' is a character like any other, never an access-key marker.
class FontRenderer {
 public:
  virtual ~FontRenderer() = default;
  // The installed font families, one name each.
  virtual std::vector<std::string> FontFamilies() const = 0;
  // The width in pixels of text drawn in font.
  virtual int TextWidth(const FontChoice& font, const std::string& text) const = 0;
  // Draws text in font and colour with its top-left corner at (0, 0), clipped to the
  // surface, without sub-pixel smoothing; only the glyphs' pixels change.
  virtual void DrawText(Surface& target, const FontChoice& font, const std::string& text,
                        Color color) const = 0;
};

// Fonts where the system offers none: no families, every text zero pixels wide, nothing
// drawn.
class NoFonts : public FontRenderer {
 public:
  std::vector<std::string> FontFamilies() const override { return {}; }
  int TextWidth(const FontChoice&, const std::string&) const override { return 0; }
  void DrawText(Surface&, const FontChoice&, const std::string&, Color) const override {}
};

}  // namespace brindlex
