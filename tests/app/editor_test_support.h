#pragma once

// A loaded main form driven through its events, with pixel states written and read as
// letters (icon_states.h).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frm_brindlex.h"
#include "app/icon_states.h"
#include "document/expected_views.h"
#include "document/tools.h"
#include "picture.h"
#include "scripted_ui.h"

namespace brindlex::testing {

constexpr Color kRedColor = 0x0000FF, kGreenColor = 0x00FF00;

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : form(ui, screen, StartupPaths{}) { form.Form_Load(); }

  int Zoom() const { return form.Document.ZoomFactor; }
  // The canvas point at the centre of icon pixel p, and at its top-left corner.
  double At(int p) const { return p * Zoom() + Zoom() / 2.0; }
  double Corner(int p) const { return p * Zoom(); }

  void Press(int button, double x, double y) { form.PicMain_MouseDown(button, 0, x, y); }
  void Move(int buttons, double x, double y) { form.PicMain_MouseMove(buttons, 0, x, y); }
  void Release(int button, double x, double y) { form.PicMain_MouseUp(button, 0, x, y); }
  // A left-button drag from one canvas point to another, with one move on the way.
  void Drag(double x0, double y0, double x1, double y1) {
    Move(0, x0, y0);
    Press(kLeftButton, x0, y0);
    Move(kLeftButton, x1, y1);
    Release(kLeftButton, x1, y1);
  }
  // Marks the icon pixels from (x0, y0) to (x1, y1) inclusive with the Select tool.
  void Mark(int x0, int y0, int x1, int y1) {
    form.OptTool_Click(kToolSelect);
    Drag(Corner(x0) + 1, Corner(y0) + 1, Corner(x1 + 1) + 1, Corner(y1 + 1) + 1);
  }

  // Writes pixel states straight into the planes and records them, as a loaded file would.
  void SetPixels(int x0, int y0, const Strings& rows) {
    brindlex::testing::SetPixels(form, x0, y0, rows);
  }
  static Strings StatesOf(const Surface& mask, const Surface& image, int x0, int y0, int w, int h) {
    return States(mask, image, x0, y0, w, h);
  }
  Strings Pixels(int x0, int y0, int w, int h) const {
    return brindlex::testing::Pixels(form, x0, y0, w, h);
  }
  Strings All() const { return Pixels(0, 0, form.Document.Edge(), form.Document.Edge()); }
  // The floating planes as letters.
  Strings Floating() const {
    const Surface& mask = form.Document.PicSelMask;
    return StatesOf(mask, form.Document.PicSelImage, 0, 0, mask.Width(), mask.Height());
  }
  Strings Blank() const {
    return Strings(form.Document.Edge(), std::string(form.Document.Edge(), '.'));
  }
  std::size_t Steps() const { return form.History.UndoList.size(); }

  // The canvas as the planes compose it with the grid, without any mark.
  Surface PlainCanvas() const {
    return ExpectedCanvas(form.Document.PicMask, form.Document.PicImage, Zoom());
  }
  // The canvas and preview show exactly what the planes hold.
  void ExpectViewsShowPlanes() {
    EXPECT_TRUE(SamePixels(PlainCanvas(), form.Document.PicMain));
    EXPECT_TRUE(SamePixels(ExpectedPreview(form.Document.PicMask, form.Document.PicImage),
                           form.Document.PicIcon));
  }
  // The planes with the floating block composed over them at icon pixel (x0, y0), as the
  // canvas and preview must show a moving or pasted selection.
  std::pair<Surface, Surface> PlanesWithFloating(int x0, int y0) const {
    Surface mask = form.Document.PicMask, image = form.Document.PicImage;
    const Surface& sel_mask = form.Document.PicSelMask;
    const Surface& sel_image = form.Document.PicSelImage;
    image.BitBlt(x0, y0, sel_mask.Width(), sel_mask.Height(), sel_mask, 0, 0, RasterOp::kAnd);
    image.BitBlt(x0, y0, sel_image.Width(), sel_image.Height(), sel_image, 0, 0, RasterOp::kInvert);
    mask.BitBlt(x0, y0, sel_mask.Width(), sel_mask.Height(), sel_mask, 0, 0, RasterOp::kAnd);
    return {mask, image};
  }
  // The canvas with the three-pixel inverting frame around the rectangle (canvas pixels).
  static Surface WithFrame(Surface canvas, int left, int top, int right, int bottom) {
    canvas.draw_mode = DrawMode::kInvert;
    canvas.pen_width = 3;
    canvas.Box(left, top, right, bottom, false);
    return canvas;
  }

  ScriptedUi ui;
  FixedScreen screen;
  FrmBrindlex form;
};

}  // namespace brindlex::testing
