#pragma once

#include "document/icon_document.h"
#include "effects/screen_capture.h"

namespace brindlex {

// The capture window: the frozen screen over the whole display, a dashed frame of the
// icon's size whose top-left corner follows the pointer, and a left click that copies the
// square inside the frame into the icon; Esc leaves without capturing. The window shows Background
// everywhere except the n x n block at (FrameLeft, FrameTop), which shows Frame.
class FrmSnap {
 public:
  // The icon's edge S; the frame's outer size becomes S + 2 when the window is active.
  FrmSnap(IconDocument& document, int capture_size);

  // Covers the screen with its frozen picture.
  void Form_Load(Surface screen);
  // Keeps the pointer in its area, chooses the frame sheet and starts the animation.
  void Form_Activate();
  void Form_MouseMove(int button, int shift, double x, double y);
  // A left click captures; every other button is ignored.
  void Form_MouseUp(int button, int shift, double x, double y);
  // Draws the frame's current phase at the pointer and moves on to the next phase.
  void Tmr_Timer();
  // Esc gives the capture up: the pointer is let go and the window closes, the icon as it
  // was. Every other key is ignored.
  void Form_KeyDown(int key_code, int shift);
  // The window is closed another way (the window manager): the same as Esc.
  void Form_Unload();

  // The key code of Esc.
  static constexpr int kEscapeKey = 27;

  // What the window shows now, composed whole (for checks; the window paints the same from
  // Background and Frame).
  Surface WindowPicture() const;

  // S before the window is active, then the frame's outer size S + 2.
  int CaptureSize;
  int ScreenWidth = 0, ScreenHeight = 0;
  int PointerX = 0, PointerY = 0;
  int FramePhase = 0;
  // The area the pointer is kept in while PointerConfined.
  PointerArea PointerClip{0, 0, 0, 0};
  bool PointerConfined = false;
  bool TmrEnabled = false;
  // The frozen screen, the frame sheet for the icon's size and the frame as last drawn over
  // the screen, with its place (FrameLeft −1 before the first tick).
  Surface Background, FrameSheet, Frame;
  int FrameLeft = -1, FrameTop = -1;
  bool Captured = false;
  bool Closed = false;

 private:
  // Lets the pointer go, stops the frame and closes the window.
  void EndCapture();

  IconDocument& document_;
  int edge_;
};

}  // namespace brindlex
