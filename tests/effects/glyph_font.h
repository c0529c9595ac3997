#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/font_renderer.h"

namespace brindlex::testing {

// A font with exact glyphs for tests. Each character (a UTF-8 sequence) has a picture of
// rows: '#' a full pixel, ':' a half-covered edge pixel (blended half and half with what lies
// under it), '.' nothing. A glyph advances by its width plus one blank column; characters
// without a picture are 3 x 5 boxes. Every call is counted and the last font is kept.
class GlyphFont : public FontRenderer {
 public:
  std::vector<std::string> families = {"Glyphic", "Second Face"};
  std::map<std::string, std::vector<std::string>> glyphs = {
      {"A", {".#.", "#.#", "###", "#.#", "#.#"}},
      {"I", {"#", "#", "#", "#", "#"}},
      {"&", {".#..", "#.#.", ".#..", "#.#:", ".#.#"}},
      {"\xC3\xA9", {".#", "#.", "##", "#.", "##"}},  // é
      {" ", {"..", "..", "..", "..", ".."}},
  };

  std::vector<std::string> FontFamilies() const override { return families; }

  int TextWidth(const FontChoice& font, const std::string& text) const override {
    ++measures;
    last_font = font;
    int width = 0;
    for (const std::string& c : Split(text)) width += static_cast<int>(Glyph(c)[0].size()) + 1;
    return width;
  }

  void DrawText(Surface& target, const FontChoice& font, const std::string& text,
                Color color) const override {
    last_font = font;
    drawn.push_back(text);
    int x0 = 0;
    for (const std::string& c : Split(text)) {
      const std::vector<std::string>& rows = Glyph(c);
      for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
          if (rows[y][x] == '#') target.SetPixel(x0 + x, y, color);
          if (rows[y][x] == ':' && target.Contains(x0 + x, y))
            target.SetPixel(x0 + x, y, Half(target.GetPixel(x0 + x, y), color));
        }
      x0 += static_cast<int>(rows[0].size()) + 1;
    }
  }

  // Splits a UTF-8 text into its characters.
  static std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> characters;
    for (unsigned char c : text) {
      if ((c & 0xC0) == 0x80 && !characters.empty()) {
        characters.back() += static_cast<char>(c);
      } else {
        characters.emplace_back(1, static_cast<char>(c));
      }
    }
    return characters;
  }

  mutable int measures = 0;
  mutable FontChoice last_font;
  mutable std::vector<std::string> drawn;

 private:
  const std::vector<std::string>& Glyph(const std::string& c) const {
    static const std::vector<std::string> box = {"###", "#.#", "#.#", "#.#", "###"};
    auto it = glyphs.find(c);
    return it == glyphs.end() ? box : it->second;
  }
  static Color Half(Color a, Color b) {
    Color result = 0;
    for (int shift = 0; shift <= 16; shift += 8)
      result |= ((((a >> shift) & 0xFF) + ((b >> shift) & 0xFF)) / 2) << shift;
    return result;
  }
};

}  // namespace brindlex::testing
