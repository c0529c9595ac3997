#include "forms/frm_txt.h"

#include <gtest/gtest.h>

#include "effects/glyph_font.h"
#include "picture.h"
#include "scripted_ui.h"

namespace brindlex {
namespace {

using testing::GlyphFont;

// A Ui whose colour dialog answers from a script and shows what it was given.
class ColorUi : public testing::ScriptedUi {
 public:
  ColorChoice ChooseColor(std::uint32_t initial, std::array<std::uint32_t, 16>& custom) override {
    initial_colors.push_back(initial);
    shown_custom = custom;
    custom[5] = 0x00ABCDEF;
    return answer;
  }
  void RepaintCanvas() override { ++repaints; }
  ColorChoice answer;
  std::vector<std::uint32_t> initial_colors;
  std::array<std::uint32_t, 16> shown_custom{};
  int repaints = 0;
};

class FrmTxtTest : public ::testing::Test {
 protected:
  FrmTxtTest() : document(resources), dialog(ui, font, document) {
    document.MakeBlank(0);  // 16 x 16
    dialog.Form_Load();
  }
  void Type(const std::string& text) {
    dialog.Txt = text;
    dialog.Txt_Change();
  }
  ResourceBitmaps resources;
  IconDocument document;
  ColorUi ui;
  GlyphFont font;
  FrmTxt dialog;
};

TEST_F(FrmTxtTest, LoadsWithTheFirstOfEveryListAndCancelled) {
  EXPECT_EQ(dialog.CboFonts.items, font.families);
  EXPECT_EQ(dialog.CboFonts.selected, 0);
  EXPECT_EQ(dialog.CboSize.items, (std::vector<std::string>{"8", "10", "12", "14", "16"}));
  EXPECT_EQ(dialog.CboSize.selected, 0);
  EXPECT_EQ(dialog.CboStyle.items,
            (std::vector<std::string>{"Regular", "Bold", "Italic", "Bold Italic"}));
  EXPECT_EQ(dialog.CboStyle.selected, 0);
  EXPECT_EQ(dialog.TextFont.family, "Glyphic");
  EXPECT_EQ(dialog.FontPoints, 6);
  EXPECT_EQ(dialog.TextFont.pixel_size, 8);
  EXPECT_FALSE(dialog.TextFont.bold || dialog.TextFont.italic);
  EXPECT_EQ(dialog.TextColor, kBlack);
  EXPECT_EQ(dialog.Txt, "");
  EXPECT_TRUE(dialog.DialogCancelled);
  EXPECT_TRUE(dialog.PicTextMask.SamePixels(Surface(16, 16, kWhite)));
  EXPECT_TRUE(dialog.PicTextImage.SamePixels(Surface(16, 16, kBlack)));
  for (std::uint32_t c : dialog.CustomColors) EXPECT_EQ(c, kWhite);
  EXPECT_EQ(std::string(FrmTxt::kCaption), "escribir texto");
  EXPECT_EQ(std::string(FrmTxt::kColorCaption), "&Color del texto");
}

TEST_F(FrmTxtTest, AnEmptyFontListStillLoads) {
  font.families.clear();
  FrmTxt empty(ui, font, document);
  empty.Form_Load();
  EXPECT_TRUE(empty.CboFonts.items.empty());
  EXPECT_EQ(empty.CboFonts.selected, -1);
  EXPECT_EQ(empty.TextFont.family, "");
  empty.Txt = "AI";
  empty.Txt_Change();
  EXPECT_EQ(empty.PicTextMask.GetPixel(1, 0), kBlack);
}

TEST_F(FrmTxtTest, TheFontListNamesEachFamilyOnceWithoutItsFoundry) {
  font.families = {"Zeta [urw]", "Alpha", "Zeta [UKWN]"};
  dialog.Form_Load();
  EXPECT_EQ(dialog.CboFonts.items, (std::vector<std::string>{"Alpha", "Zeta"}));
  EXPECT_EQ(dialog.TextFont.family, "Alpha");
}

TEST_F(FrmTxtTest, SizesAndStylesSetTheFontOfBothPictures) {
  const int expected_pixels[] = {8, 9, 11, 12, 13};
  for (int i = 0; i < 5; ++i) {
    dialog.CboSize.selected = i;
    dialog.CboSize_Click();
    EXPECT_EQ(dialog.FontPoints, i + 6);
    EXPECT_EQ(dialog.TextFont.pixel_size, expected_pixels[i]);
  }
  // The "16" entry gives 10 points.
  EXPECT_EQ(dialog.CboSize.items[4], "16");
  EXPECT_EQ(dialog.FontPoints, 10);
  const bool bold[] = {false, true, false, true}, italic[] = {false, false, true, true};
  for (int i = 0; i < 4; ++i) {
    dialog.CboStyle.selected = i;
    dialog.CboStyle_Click();
    EXPECT_EQ(dialog.TextFont.bold, bold[i]);
    EXPECT_EQ(dialog.TextFont.italic, italic[i]);
  }
  dialog.CboFonts.selected = 1;
  Type("A");
  dialog.CboFonts_Click();
  EXPECT_EQ(font.last_font.family, "Second Face");
  EXPECT_TRUE(font.last_font.bold && font.last_font.italic);
  EXPECT_EQ(font.last_font.pixel_size, 13);
}

TEST_F(FrmTxtTest, TextIsCutToTheIconWidthAndDrawnInBothPictures) {
  Type("AAAAA");
  EXPECT_EQ(dialog.Txt, "AAAA");  // 16 pixels
  EXPECT_EQ(dialog.TxtSelStart, 4u);
  EXPECT_EQ(testing::Rows(dialog.PicTextMask)[0], ".#...#...#...#..");
  EXPECT_EQ(testing::Rows(dialog.PicTextMask)[2], "###.###.###.###.");
  EXPECT_EQ(testing::Rows(dialog.PicTextMask)[5], "................");
  EXPECT_EQ(testing::Rows(dialog.PicTextImage, {{kWhite, '#'}, {kBlack, '.'}})[2],
            "................");  // drawn black on black
  EXPECT_EQ(font.drawn.back(), "AAAA");
}

TEST_F(FrmTxtTest, TypingInTheMiddleKeepsTheCaretUnlessTheTextIsCut) {
  document.MakeBlank(1);  // 32 x 32: eight 4-pixel boxes fit
  dialog.Form_Load();
  // Each key goes in at the caret, which then stands after it, as in a text box.
  auto keys = [&](const std::string& typed) {
    for (char c : typed) {
      dialog.Txt.insert(dialog.TxtSelStart, 1, c);
      ++dialog.TxtSelStart;
      dialog.Txt_Change();
    }
  };
  keys("ab");
  dialog.TxtSelStart = 0;  // Home
  keys("WWW");
  EXPECT_EQ(dialog.Txt, "WWWab");
  EXPECT_EQ(dialog.TxtSelStart, 3u);
  EXPECT_EQ(font.drawn.back(), "WWWab");
  keys("WWW");
  EXPECT_EQ(dialog.Txt, "WWWWWWab");
  EXPECT_EQ(dialog.TxtSelStart, 6u);
  // One more is too wide: the end is cut and the caret goes to the end.
  keys("W");
  EXPECT_EQ(dialog.Txt, "WWWWWWWa");
  EXPECT_EQ(dialog.TxtSelStart, 8u);
}

TEST_F(FrmTxtTest, AmpersandIsDrawnAsACharacter) {
  Type("&A");
  EXPECT_EQ(dialog.Txt, "&A");
  EXPECT_EQ(testing::Rows(dialog.PicTextMask)[1].substr(0, 8), "#.#..#.#");
}

TEST_F(FrmTxtTest, ColourDialogStartsOnBlackWithWhiteCustomColours) {
  ui.answer = {true, 0x0000FF};
  Type("I");
  dialog.CmdColor_Click();
  ASSERT_EQ(ui.initial_colors.size(), 1u);
  EXPECT_EQ(ui.initial_colors[0], kBlack);
  for (std::uint32_t c : ui.shown_custom) EXPECT_EQ(c, kWhite);
  EXPECT_EQ(dialog.CustomColors[5], 0x00ABCDEFu);  // read back
  EXPECT_EQ(dialog.TextColor, 0x0000FFu);
  EXPECT_EQ(dialog.PicTextImage.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(dialog.PicTextMask.GetPixel(0, 0), kBlack);  // the mask stays black

  ui.answer = {false, 0x00FF00};
  dialog.CmdColor_Click();
  EXPECT_EQ(dialog.TextColor, 0x0000FFu);
  // A new load resets the custom colours.
  dialog.Form_Load();
  EXPECT_EQ(dialog.CustomColors[5], kWhite);
  EXPECT_EQ(dialog.TextColor, kBlack);
}

TEST_F(FrmTxtTest, OkWithBlanksOnlyLeavesTheDialogCancelled) {
  document.PicSelMask.Resize(3, 3);
  Type("   ");
  dialog.CmdOk_Click();
  EXPECT_TRUE(dialog.Closed);
  EXPECT_TRUE(dialog.DialogCancelled);
  EXPECT_EQ(document.PicSelMask.Width(), 3);
  FrmTxt again(ui, font, document);
  again.Form_Load();
  again.CmdCancel_Click();
  EXPECT_TRUE(again.Closed && again.DialogCancelled);
}

TEST_F(FrmTxtTest, OkHandsTheSolidifiedPairToTheSelectionPlanes) {
  ui.answer = {true, 0x00FF00};
  dialog.CmdColor_Click();
  Type(" &");  // the & glyph has a smoothed pixel at (3, 3) of its own cell
  // Blank (2 + 1 columns), then the & from x = 3: its smoothed pixel is at (6, 3).
  EXPECT_EQ(dialog.PicTextMask.GetPixel(6, 3), 0x7F7F7Fu);
  EXPECT_EQ(dialog.PicTextImage.GetPixel(6, 3), 0x007F00u);
  dialog.CmdOk_Click();
  EXPECT_FALSE(dialog.DialogCancelled);
  const Surface& mask = document.PicSelMask;
  const Surface& image = document.PicSelImage;
  ASSERT_EQ(mask.Width(), 16);
  ASSERT_EQ(image.Height(), 16);
  EXPECT_EQ(mask.GetPixel(6, 3), kBlack);
  EXPECT_EQ(image.GetPixel(6, 3), 0x007F00u);  // opaque in the renderer's shade
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const Color m = mask.GetPixel(x, y);
      ASSERT_TRUE(m == kBlack || m == kWhite);
      if (m == kWhite) {
        ASSERT_EQ(image.GetPixel(x, y), kBlack);
      }
    }
  EXPECT_EQ(mask.GetPixel(4, 0), kBlack);
  EXPECT_EQ(image.GetPixel(4, 0), 0x00FF00u);
}

TEST_F(FrmTxtTest, APastedLongTextIsCutQuicklyAndRepaintsOnly) {
  document.MakeBlank(2);  // 48 x 48
  FrmTxt wide(ui, font, document);
  wide.Form_Load();
  font.measures = 0;
  wide.Txt = std::string(10000, 'I');
  wide.Txt_Change();
  EXPECT_EQ(wide.Txt, std::string(24, 'I'));
  EXPECT_EQ(wide.TxtSelStart, 24u);
  EXPECT_LT(font.measures, 100);
  EXPECT_GT(ui.repaints, 0);
  EXPECT_EQ(wide.PicTextMask.GetPixel(46, 0), kBlack);
  EXPECT_EQ(wide.PicTextMask.GetPixel(47, 0), kWhite);
}

}  // namespace
}  // namespace brindlex
