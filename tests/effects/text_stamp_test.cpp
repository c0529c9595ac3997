#include "effects/text_stamp.h"

#include <gtest/gtest.h>

#include "effects/glyph_font.h"
#include "picture.h"
#include "platform/utf8_text.h"

namespace brindlex {
namespace {

using testing::GlyphFont;

TEST(TextStamp, PointsBecomePixelsAtNinetySixDotsPerInch) {
  EXPECT_EQ(PointsToPixels(6), 8);
  EXPECT_EQ(PointsToPixels(7), 9);
  EXPECT_EQ(PointsToPixels(8), 11);
  EXPECT_EQ(PointsToPixels(9), 12);
  EXPECT_EQ(PointsToPixels(10), 13);
}

TEST(TextStamp, CountsCharactersNotBytes) {
  EXPECT_EQ(CharacterCount(""), 0u);
  EXPECT_EQ(CharacterCount("AB"), 2u);
  EXPECT_EQ(CharacterCount("\xC3\xA9t\xC3\xA9"), 3u);
  EXPECT_EQ(CharacterCount("\xE2\x82\xAC"), 1u);  // one three-byte character
}

TEST(TextStamp, FitDropsWholeCharactersFromTheEnd) {
  GlyphFont font;
  const FontChoice font_choice{"Glyphic", 8, false, false};
  // A is 3 + 1 wide, I 1 + 1, é 2 + 1.
  EXPECT_EQ(FitTextToWidth(font, font_choice, "AAAA", 16), "AAAA");
  EXPECT_EQ(FitTextToWidth(font, font_choice, "AAAAA", 16), "AAAA");
  EXPECT_EQ(FitTextToWidth(font, font_choice, "AAAI", 13), "AAA");
  EXPECT_EQ(FitTextToWidth(font, font_choice, "AAAI", 14), "AAAI");
  // é must never be cut in half: "IIIIIé" is 13 wide, the é goes whole.
  EXPECT_EQ(FitTextToWidth(font, font_choice, "IIIII\xC3\xA9", 12), "IIIII");
  EXPECT_EQ(FitTextToWidth(font, font_choice, "\xC3\xA9\xC3\xA9\xC3\xA9", 7), "\xC3\xA9\xC3\xA9");
  EXPECT_EQ(FitTextToWidth(font, font_choice, "A", 2), "");
  EXPECT_EQ(FitTextToWidth(font, font_choice, "", 16), "");
  EXPECT_EQ(font.last_font.family, "Glyphic");
}

TEST(TextStamp, TenThousandCharactersNeedFewMeasurements) {
  GlyphFont font;
  const std::string pasted(10000, 'I');
  int steps = 0;
  const std::string fitted = FitTextToWidth(font, FontChoice{}, pasted, 48, [&] { ++steps; });
  EXPECT_EQ(fitted, std::string(24, 'I'));
  EXPECT_LT(font.measures, 100);
  EXPECT_EQ(steps, font.measures - 1);
}

// A font whose width shrinks when one particular character follows (strong kerning): the
// longest start that fits wins, as dropping one character at a time finds it.
class KernedFont : public GlyphFont {
 public:
  int TextWidth(const FontChoice& font, const std::string& text) const override {
    int width = GlyphFont::TextWidth(font, text);
    if (text.size() >= 2 && text.back() == 'k') width -= 6;
    return width;
  }
};

TEST(TextStamp, FitFindsTheLongestStartEvenWhenKerningShrinksIt) {
  KernedFont font;
  // "AAAAX" is 20 wide, "AAAAXk" 24 − 6 = 18 ≤ 18.
  EXPECT_EQ(FitTextToWidth(font, FontChoice{}, "AAAAXkAAAA", 18), "AAAAXk");
}

TEST(TextStamp, SolidifyMakesEveryShadeBlackAndKeepsWhite) {
  Surface mask = testing::Picture({".#g", "o.b"});
  mask.SetPixel(2, 0, 0x7F7F7F);
  mask.SetPixel(0, 1, 0x000001);
  mask.SetPixel(2, 1, 0xFFFFFE);
  SolidifyTextMask(mask);
  EXPECT_EQ(testing::Rows(mask), (std::vector<std::string>{".##", "#.#"}));

  Surface image = testing::Picture({"ooo", "ooo"});
  ClearOutsideTextMask(mask, image);
  EXPECT_EQ(testing::Rows(image, {{kBlack, '#'}, {0x0000FF, 'o'}}),
            (std::vector<std::string>{"#oo", "o#o"}));
}

}  // namespace
}  // namespace brindlex
