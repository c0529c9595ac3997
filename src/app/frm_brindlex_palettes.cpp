// Colour picking: the palettes, the transparent swatch and the two draw-colour swatches.
#include <algorithm>

#include "app/frm_brindlex.h"
#include "document/drawing_tools.h"

namespace brindlex {
namespace {

bool IsPickButton(int button) { return button == kLeftButton || button == kRightButton; }

// The one button of a move's pressed set, or 0 when neither or both are pressed.
int SinglePressed(int buttons) {
  const int pair = buttons & (kLeftButton | kRightButton);
  return pair == kLeftButton || pair == kRightButton ? pair : 0;
}

// The palette pixel under a point, rounded; points beyond the palette read its edge (the
// pointer is held inside while a button is down, so only its own edge can be reached).
Color PixelUnder(const Surface& palette, double x, double y) {
  const int px = std::clamp(RoundCoordinate(x), 0, std::max(palette.Width() - 1, 0));
  const int py = std::clamp(RoundCoordinate(y), 0, std::max(palette.Height() - 1, 0));
  return palette.GetPixel(px, py) & 0xFFFFFF;
}

}  // namespace

void FrmBrindlex::DrawPalettes() {
  DrawColorPalette(PicPal);
  DrawGreyPalette(PicGreyPal);
  DrawMiniPalette(PicMiniPal);
  DrawTransparentSwatch(PicScreen);
}

void FrmBrindlex::SetButtonColor(int button, DrawColorValue color) {
  Document.DrawColor[button - 1] = color;
  Surface& swatch = button == kLeftButton ? PicLeft : PicRight;
  if (color == kTransparentColor) {
    PaintTransparentSwatch(swatch, Resources);
  } else {
    swatch.background = static_cast<Color>(color) & 0xFFFFFF;
    swatch.Clear();
  }
}

namespace {

// The start of a pick on a palette: the pressed button's swatch is cleared (removing a
// hatch) and the pointer stays inside the palette until release. False for other buttons.
bool StartPicking(FrmBrindlex& form, int button, PaletteControl control) {
  if (!IsPickButton(button)) return false;
  (button == kLeftButton ? form.PicLeft : form.PicRight).Clear();
  form.ConfinePointer = control;
  return true;
}

}  // namespace

void FrmBrindlex::PicPal_MouseDown(int button, int shift, double x, double y) {
  if (StartPicking(*this, button, PaletteControl::kPicPal)) PicPal_MouseMove(button, shift, x, y);
}

void FrmBrindlex::PicPal_MouseMove(int button, int /*shift*/, double x, double y) {
  if (const int b = SinglePressed(button))
    SetButtonColor(b, static_cast<DrawColorValue>(PixelUnder(PicPal, x, y)));
}

void FrmBrindlex::PicPal_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (IsPickButton(button)) ConfinePointer = PaletteControl::kNone;
}

void FrmBrindlex::PicGreyPal_MouseDown(int button, int shift, double x, double y) {
  if (StartPicking(*this, button, PaletteControl::kPicGreyPal))
    PicGreyPal_MouseMove(button, shift, x, y);
}

void FrmBrindlex::PicGreyPal_MouseMove(int button, int /*shift*/, double x, double y) {
  if (const int b = SinglePressed(button))
    SetButtonColor(b, static_cast<DrawColorValue>(PixelUnder(PicGreyPal, x, y)));
}

void FrmBrindlex::PicGreyPal_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (IsPickButton(button)) ConfinePointer = PaletteControl::kNone;
}

void FrmBrindlex::PicMiniPal_MouseDown(int button, int shift, double x, double y) {
  if (StartPicking(*this, button, PaletteControl::kPicMiniPal))
    PicMiniPal_MouseMove(button, shift, x, y);
}

void FrmBrindlex::PicMiniPal_MouseMove(int button, int /*shift*/, double x, double y) {
  if (const int b = SinglePressed(button))
    SetButtonColor(
        b, static_cast<DrawColorValue>(BasicColorAt(RoundCoordinate(x), RoundCoordinate(y))));
}

void FrmBrindlex::PicMiniPal_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (IsPickButton(button)) ConfinePointer = PaletteControl::kNone;
}

void FrmBrindlex::PicScreen_MouseDown(int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (!IsPickButton(button)) return;
  ConfinePointer = PaletteControl::kPicScreen;
  SetButtonColor(button, kTransparentColor);
}

void FrmBrindlex::PicScreen_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (IsPickButton(button)) ConfinePointer = PaletteControl::kNone;
}

}  // namespace brindlex
