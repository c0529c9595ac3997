#include "forms/frm_snap.h"

#include <utility>

namespace brindlex {

FrmSnap::FrmSnap(IconDocument& document, int capture_size)
    : CaptureSize(capture_size), document_(document), edge_(capture_size) {}

void FrmSnap::Form_Load(Surface screen) {
  Background = std::move(screen);
  ScreenWidth = Background.Width();
  ScreenHeight = Background.Height();
}

void FrmSnap::Form_Activate() {
  PointerClip = CapturePointerArea(ScreenWidth, ScreenHeight, edge_);
  PointerConfined = true;
  PointerX = KeepInArea(PointerX, PointerClip.left, PointerClip.right);
  PointerY = KeepInArea(PointerY, PointerClip.top, PointerClip.bottom);
  FrameSheet = MakeFrameSheet(edge_);
  CaptureSize = edge_ + 2;
  TmrEnabled = true;
}

void FrmSnap::Form_MouseMove(int /*button*/, int /*shift*/, double x, double y) {
  // Where the pointer could not be kept in its area, the frame still is.
  PointerX = KeepInArea(x, PointerClip.left, PointerClip.right);
  PointerY = KeepInArea(y, PointerClip.top, PointerClip.bottom);
}

void FrmSnap::Tmr_Timer() {
  if (!TmrEnabled) return;
  const int n = CaptureSize;
  FrameLeft = PointerX;
  FrameTop = PointerY;
  Frame.background = kBlack;
  Frame.Resize(n, n);
  Frame.BitBlt(0, 0, n, n, Background, FrameLeft, FrameTop);
  Frame.BitBlt(0, 0, n, n, FrameSheet, 0, n * FramePhase, RasterOp::kAnd);
  Frame.BitBlt(0, 0, n, n, FrameSheet, n, n * FramePhase, RasterOp::kInvert);
  FramePhase = (FramePhase + 1) % kFramePhases;
}

void FrmSnap::Form_MouseUp(int button, int /*shift*/, double x, double y) {
  if (button != 1 || Closed) return;
  const int left = KeepInArea(x, PointerClip.left, PointerClip.right);
  const int top = KeepInArea(y, PointerClip.top, PointerClip.bottom);
  CaptureSquare(Background, left, top, document_.PicMask, document_.PicImage);
  Captured = true;
  EndCapture();
}

void FrmSnap::Form_KeyDown(int key_code, int /*shift*/) {
  if (key_code == kEscapeKey) Form_Unload();
}

void FrmSnap::Form_Unload() {
  if (!Closed) EndCapture();
}

void FrmSnap::EndCapture() {
  PointerConfined = false;
  TmrEnabled = false;
  Closed = true;
}

Surface FrmSnap::WindowPicture() const {
  Surface picture = Background;
  if (FrameLeft >= 0)
    picture.BitBlt(FrameLeft, FrameTop, Frame.Width(), Frame.Height(), Frame, 0, 0);
  return picture;
}

}  // namespace brindlex
