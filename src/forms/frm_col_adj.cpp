#include "forms/frm_col_adj.h"

namespace brindlex {
namespace {

constexpr std::array<int, 4> kGoverned = {kAllChannels, kRedChannel, kGreenChannel, kBlueChannel};

}  // namespace

FrmColAdj::FrmColAdj(ColorTables& tables, int edge, Color background)
    : PicShade(edge, edge, background), BackColor(background), tables_(tables), edge_(edge) {
  PicShadeLeft = kShadeCentreX - edge / 2;
  PicShadeTop = kShadeCentreY - edge / 2;
}

void FrmColAdj::Form_Load() {
  ColAdjAccepted = false;
  Closed = false;
  SliderValue = {};
  remembered_ = {};
  LabelText = {"0", "0", "0", "0"};
}

void FrmColAdj::Form_Paint(Surface& client) const {
  client.background = BackColor;
  client.Clear();
  client.DrawEdge(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom, EdgeKind::kSunkenOuter);
}

void FrmColAdj::SliderChange(int slider, int value) {
  SliderValue[slider] = value;
  LabelText[slider] = std::to_string(value);
  const int remembered = remembered_[slider];
  if (value == remembered) return;
  // One change is one step, however far the value moved.
  const int step = remembered < value ? kSliderStep : -kSliderStep;
  StepColorTables(tables_, kGoverned[slider], step, edge_, PicShade);
  remembered_[slider] = value;
}

void FrmColAdj::CmdReset_Click() {
  ResetColorTables(tables_, edge_, PicShade, BackColor);
  remembered_ = {};
  for (int slider = 0; slider < 4; ++slider)
    if (SliderValue[slider] != 0) SliderChange(slider, 0);
}

void FrmColAdj::CmdOk_Click() {
  ColAdjAccepted = true;
  Closed = true;
}

void FrmColAdj::CmdCancel_Click() {
  ColAdjAccepted = false;
  Closed = true;
}

void FrmColAdj::Form_Unload() { Closed = true; }

}  // namespace brindlex
