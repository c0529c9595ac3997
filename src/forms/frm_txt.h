#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/icon_document.h"
#include "platform/font_renderer.h"
#include "platform/ui.h"

namespace brindlex {

// A drop-down list: its entries and the selected one (−1 for none).
struct ComboList {
  std::vector<std::string> items;
  int selected = -1;
};

// Fills a list with the installed font families, each once by its plain name, in
// alphabetical order.
void ListFontFamilies(ComboList& combo, const FontRenderer& fonts);

// The text stamp's dialog: a text in a chosen font, size, style and colour, rendered at the
// icon's size into a mask (black text on white) and a colour picture (the text colour on
// black). Ok hands the pair to the icon's floating-selection planes; anything else leaves
// DialogCancelled set.
class FrmTxt {
 public:
  static constexpr char kCaption[] = "escribir texto";
  static constexpr char kColorCaption[] = "&Color del texto";
  static constexpr char kOkCaption[] = "&Ok";
  static constexpr char kCancelCaption[] = "&Cancelar";
  static constexpr int kWidthTwips = 3975;
  static constexpr int kHeightTwips = 1800;
  // The size list; entry i gives a font of i + 6 points, whatever number it shows.
  static constexpr std::array<const char*, 5> kSizeEntries = {"8", "10", "12", "14", "16"};
  static constexpr std::array<const char*, 4> kStyleEntries = {"Regular", "Bold", "Italic",
                                                               "Bold Italic"};

  FrmTxt(Ui& ui, const FontRenderer& fonts, IconDocument& document);

  void Form_Load();
  // Cuts the text to the icon's width and renders it again; runs on every edit of the text
  // (Txt and TxtSelStart as the edit left them) and after every font change. The caret moves
  // to the end only when characters had to be cut.
  void Txt_Change();
  void CboFonts_Click();
  void CboSize_Click();
  void CboStyle_Click();
  void CmdColor_Click();
  void CmdOk_Click();
  void CmdCancel_Click() { Closed = true; }
  // The window's close box.
  void Form_Unload() { Closed = true; }

  // Turns the smoothed edges of the mask black and clears the colour picture outside it.
  void SolidifyTextMask();

  // The text box: its text (UTF-8) and the caret, in characters from the start.
  std::string Txt;
  std::size_t TxtSelStart = 0;
  ComboList CboFonts, CboSize, CboStyle;
  // The font of the text box and of both pictures, its size in points and the text colour
  // (of the text box and the colour picture; the mask always draws black).
  FontChoice TextFont;
  int FontPoints = 6;
  Color TextColor = kBlack;
  // S x S work pictures: the mask (white, text black) and the colours (black, text coloured).
  Surface PicTextMask, PicTextImage;
  std::array<std::uint32_t, 16> CustomColors{};
  bool DialogCancelled = true;
  bool Closed = false;

 private:
  // The edge of the icon, read from the preview.
  int Edge() const { return document_.PicIcon.Width(); }

  Ui& ui_;
  const FontRenderer& fonts_;
  IconDocument& document_;
};

}  // namespace brindlex
