#pragma once

#include <array>
#include <string>

#include "edit/color_adjust.h"
#include "pixels/surface.h"

namespace brindlex {

// The colour adjustment dialog: four sliders (brightness, red, green, blue) that move the
// opaque pixels' channels in steps of 5, a live actual-size preview, Reset, Ok and Cancel.
// It works on the tables AdjustColors filled; Ok sets ColAdjAccepted, every other ending
// (Cancel, Esc, the close box) leaves it False.
class FrmColAdj {
 public:
  static constexpr char kCaption[] = "Ajuste de kolor";
  static constexpr int kWidthTwips = 3810;
  static constexpr int kHeightTwips = 1860;
  static constexpr char kResetCaption[] = "&Reset";
  static constexpr char kCancelCaption[] = "&Cancelar";
  static constexpr char kOkCaption[] = "&Ok";

  // The four sliders in order, their printed captions and places (client pixels).
  static constexpr int kBrightness = 0, kRed = 1, kGreen = 2, kBlue = 3;
  static constexpr std::array<const char*, 4> kSliderCaptions = {
      "Brillo:", "Rojo:", "Verde:", "Azul:"};
  static constexpr int kCaptionLeft = 8;
  static constexpr std::array<int, 4> kCaptionTops = {10, 36, 56, 76};
  static constexpr int kLabelLeft = 68, kLabelWidth = 46, kLabelHeight = 17;
  static constexpr std::array<int, 4> kLabelTops = {8, 34, 54, 74};
  static constexpr int kSliderLeft = 96, kSliderWidth = 16, kSliderHeight = 13;
  static constexpr std::array<int, 4> kSliderTops = {10, 36, 56, 76};
  // A slider's value at its top end, at its bottom end, and the one change an arrow makes.
  static constexpr int kSliderTop = 255;
  static constexpr int kSliderBottom = -255;
  static constexpr int kSliderStep = 5;
  // The sunken frame around the preview, right and bottom edges exclusive, and the point
  // the preview is centred on.
  static constexpr int kFrameLeft = 123, kFrameTop = 8, kFrameRight = 177, kFrameBottom = 62;
  static constexpr int kShadeCentreX = 150, kShadeCentreY = 35;
  struct ButtonPlace {
    int left, top, width, height;
  };
  static constexpr ButtonPlace kResetPlace{186, 8, 54, 25};
  static constexpr ButtonPlace kCancelPlace{186, 38, 54, 25};
  static constexpr ButtonPlace kOkPlace{186, 66, 54, 25};

  // The tables must hold edge · edge entries each; background is the colour the dialog is
  // painted in, which Reset shows behind the pixels that are not opaque.
  FrmColAdj(ColorTables& tables, int edge, Color background = kButtonFace);

  void Form_Load();
  // Paints the client area's background: the dialog colour and the sunken frame around the
  // preview (the window prints the four captions over it).
  void Form_Paint(Surface& client) const;
  // A slider's value changed (to value, between kSliderBottom and kSliderTop).
  void VsbBrightness_Change(int value) { SliderChange(kBrightness, value); }
  void VsbRed_Change(int value) { SliderChange(kRed, value); }
  void VsbGreen_Change(int value) { SliderChange(kGreen, value); }
  void VsbBlue_Change(int value) { SliderChange(kBlue, value); }
  void CmdReset_Click();
  void CmdOk_Click();
  void CmdCancel_Click();
  // The close box or Esc.
  void Form_Unload();

  // The actual-size preview, its place in the dialog, and the dialog's background colour.
  Surface PicShade;
  int PicShadeLeft = 0, PicShadeTop = 0;
  Color BackColor;
  // What each slider holds and what its label shows.
  std::array<int, 4> SliderValue{};
  std::array<std::string, 4> LabelText{"0", "0", "0", "0"};

  bool ColAdjAccepted = false;
  bool Closed = false;

 private:
  void SliderChange(int slider, int value);

  ColorTables& tables_;
  int edge_;
  std::array<int, 4> remembered_{};
};

}  // namespace brindlex
