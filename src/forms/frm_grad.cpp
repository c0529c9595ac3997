#include "forms/frm_grad.h"

#include <cstdio>

namespace brindlex {
namespace {

// Where a preview goes: centred on (centre, 35).
int PreviewStart(int centre, int size) { return centre - size / 2; }

}  // namespace

FrmGrad::FrmGrad(Ui& ui, Surface& pic_load, int size)
    : GradSize(size),
      PicLinear(size, size),
      PicSpherical(size, size),
      PicTempGrad(size, size),
      ui_(ui),
      pic_load_(pic_load) {}

void FrmGrad::Form_Load() {
  const int s = GradSize;
  SphereX = SphereY = static_cast<float>(s / 2.0);
  PicLinearLeft = PreviewStart(35, s);
  PicLinearTop = PreviewStart(35, s);
  PicSphericalLeft = PreviewStart(130, s);
  PicSphericalTop = PreviewStart(35, s);
  PicLinear.Resize(s, s);
  PicSpherical.Resize(s, s);
  PicTempGrad.Resize(s, s);
  CustomColors.fill(kWhite);
  StartColor = kBlack;
  EndColor = kWhite;
  PicStartColor.background = StartColor;
  PicStartColor.Clear();
  PicEndColor.background = EndColor;
  PicEndColor.Clear();
  VsbAngle = 0;
  LblAngle = "000";
  OptGradType = 0;
  Closed = false;
  SplitGradientColors();
  DrawLinearGradient();
  PicSpherical_MouseDown(1, 0, s / 2.0, s / 2.0);
  DialogCancelled = true;
}

void FrmGrad::Form_Paint(Surface& client) const {
  client.background = kButtonFace;
  client.Clear();
  for (int left : {kLinearFrameLeft, kSphericalFrameLeft})
    client.DrawEdge(left, kFrameTop, left + kFrameSize, kFrameTop + kFrameSize,
                    EdgeKind::kSunkenOuter);
}

void FrmGrad::SplitGradientColors() {
  colors_ = brindlex::SplitGradientColors(StartColor, EndColor);
}

void FrmGrad::DrawLinearGradient() {
  brindlex::DrawLinearGradient(VsbAngle, colors_, PicLinear, PicTempGrad);
}

float FrmGrad::FarthestCornerDistance(double x, double y) const {
  return brindlex::FarthestCornerDistance(x, y, GradSize);
}

void FrmGrad::EnableControls(bool enabled) {
  PicSphericalEnabled = CmdOkEnabled = CmdCancelEnabled = enabled;
}

void FrmGrad::PicSpherical_MouseDown(int button, int /*shift*/, double x, double y) {
  if (button != 1 || drawing_ || Closed) return;
  drawing_ = true;
  EnableControls(false);
  SplitGradientColors();
  if (PreviewStep) PreviewStep();
  DrawSphericalGradient(PicSpherical, colors_, x, y, [this] {
    if (PreviewStep) PreviewStep();
    // A window closed meanwhile stops the drawing; nothing of it is used.
    return !Closed;
  });
  SphereX = static_cast<float>(x);
  SphereY = static_cast<float>(y);
  EnableControls(true);
  drawing_ = false;
  if (PreviewStep) PreviewStep();
}

void FrmGrad::ChooseBoxColor(Color& color, Surface& box) {
  if (drawing_ || Closed) return;
  const Ui::ColorChoice chosen = ui_.ChooseColor(kChooserStart, CustomColors);
  if (!chosen.Accepted) return;
  color = chosen.Color & 0xFFFFFF;
  box.background = color;
  box.Clear();
  SplitGradientColors();
  DrawLinearGradient();
  PicSpherical_MouseDown(1, 0, SphereX, SphereY);
}

void FrmGrad::VsbAngle_Change(int value) {
  VsbAngle = value;
  char text[16];
  std::snprintf(text, sizeof text, "%03d", value);
  LblAngle = text;
  DrawLinearGradient();
}

void FrmGrad::CmdOk_Click() {
  if (!CmdOkEnabled || Closed) return;
  pic_load_.background = kWhite;
  pic_load_.Resize(GradSize, GradSize);
  const Surface& chosen = OptGradType == 0 ? PicLinear : PicSpherical;
  pic_load_.BitBlt(0, 0, GradSize, GradSize, chosen, 0, 0);
  DialogCancelled = false;
  Closed = true;
}

void FrmGrad::CmdCancel_Click() {
  if (!CmdCancelEnabled) return;
  Closed = true;
}

}  // namespace brindlex
