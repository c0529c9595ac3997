#include "forms/frm_txt.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "effects/font_family_names.h"
#include "effects/text_stamp.h"
#include "platform/utf8_text.h"

namespace brindlex {
namespace {

// Whether the text holds anything but blanks.
bool HasNonBlank(const std::string& text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return !std::isspace(static_cast<unsigned char>(c)); });
}

void Select(ComboList& combo, int index) {
  combo.selected = index >= 0 && index < static_cast<int>(combo.items.size()) ? index : -1;
}

}  // namespace

void ListFontFamilies(ComboList& combo, const FontRenderer& fonts) {
  combo.items = PlainFontFamilies(fonts.FontFamilies());
  combo.selected = -1;
}

FrmTxt::FrmTxt(Ui& ui, const FontRenderer& fonts, IconDocument& document)
    : ui_(ui), fonts_(fonts), document_(document) {}

void FrmTxt::Form_Load() {
  const int edge = Edge();
  Txt.clear();
  TxtSelStart = 0;
  TextFont = FontChoice{};
  FontPoints = 6;
  TextFont.pixel_size = PointsToPixels(FontPoints);
  TextColor = kBlack;
  PicTextMask.background = kWhite;
  PicTextImage.background = kBlack;
  PicTextMask.Resize(edge, edge);
  PicTextImage.Resize(edge, edge);
  ListFontFamilies(CboFonts, fonts_);
  if (!CboFonts.items.empty()) {
    Select(CboFonts, 0);
    CboFonts_Click();
  }
  CboSize.items.assign(kSizeEntries.begin(), kSizeEntries.end());
  Select(CboSize, 0);
  CboSize_Click();
  CboStyle.items.assign(kStyleEntries.begin(), kStyleEntries.end());
  Select(CboStyle, 0);
  CboStyle_Click();
  CustomColors.fill(kWhite);
  DialogCancelled = true;
  Closed = false;
}

void FrmTxt::Txt_Change() {
  PicTextMask.Clear();
  PicTextImage.Clear();
  std::string fitted =
      FitTextToWidth(fonts_, TextFont, Txt, Edge(), [this] { ui_.RepaintCanvas(); });
  // A text cut to fit puts the caret at its end; otherwise the caret stays where it was.
  if (fitted != Txt) {
    Txt = std::move(fitted);
    TxtSelStart = CharacterCount(Txt);
  } else {
    TxtSelStart = std::min(TxtSelStart, CharacterCount(Txt));
  }
  fonts_.DrawText(PicTextMask, TextFont, Txt, kBlack);
  fonts_.DrawText(PicTextImage, TextFont, Txt, TextColor);
}

void FrmTxt::CboFonts_Click() {
  TextFont.family = CboFonts.selected >= 0 ? CboFonts.items[CboFonts.selected] : std::string();
  Txt_Change();
}

void FrmTxt::CboSize_Click() {
  FontPoints = std::max(CboSize.selected, 0) + 6;
  TextFont.pixel_size = PointsToPixels(FontPoints);
  Txt_Change();
}

void FrmTxt::CboStyle_Click() {
  const int style = std::max(CboStyle.selected, 0);
  TextFont.bold = style == 1 || style == 3;
  TextFont.italic = style == 2 || style == 3;
  Txt_Change();
}

void FrmTxt::CmdColor_Click() {
  const Ui::ColorChoice choice = ui_.ChooseColor(kBlack, CustomColors);
  if (!choice.Accepted) return;
  TextColor = choice.Color & 0xFFFFFF;
  Txt_Change();
}

void FrmTxt::SolidifyTextMask() {
  brindlex::SolidifyTextMask(PicTextMask);
  ClearOutsideTextMask(PicTextMask, PicTextImage);
}

void FrmTxt::CmdOk_Click() {
  if (!HasNonBlank(Txt)) {
    Closed = true;
    return;
  }
  SolidifyTextMask();
  DialogCancelled = false;
  Surface& sel_mask = document_.PicSelMask;
  Surface& sel_image = document_.PicSelImage;
  sel_mask.background = kWhite;
  sel_image.background = kBlack;
  sel_mask.Resize(PicTextMask.Width(), PicTextMask.Height());
  sel_image.Resize(PicTextImage.Width(), PicTextImage.Height());
  sel_mask.BitBlt(0, 0, sel_mask.Width(), sel_mask.Height(), PicTextMask, 0, 0);
  sel_image.BitBlt(0, 0, sel_image.Width(), sel_image.Height(), PicTextImage, 0, 0);
  Closed = true;
}

}  // namespace brindlex
