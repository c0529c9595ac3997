#pragma once

#include <QFont>

#include "platform/font_renderer.h"

namespace brindlex::qt {

// The system's fonts through Qt's font database. Sizes are pixel sizes, so texts come out
// the same whatever the display's dots per inch; glyphs are drawn without smoothing.
class QtFontRenderer : public FontRenderer {
 public:
  std::vector<std::string> FontFamilies() const override;
  int TextWidth(const FontChoice& font, const std::string& text) const override;
  void DrawText(Surface& target, const FontChoice& font, const std::string& text,
                Color color) const override;

  // The one renderer of the program.
  static const QtFontRenderer& Instance();
};

// The Qt font of a font choice, at its pixel size, without smoothing.
QFont ToQFont(const FontChoice& font);

}  // namespace brindlex::qt
