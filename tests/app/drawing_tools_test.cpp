// The twelve tools on the canvas, driven through the main form's mouse events.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "app/frm_brindlex.h"
#include "document/expected_views.h"
#include "document/tools.h"
#include "edit/image_transforms.h"
#include "icon_states.h"
#include "picture.h"
#include "scripted_ui.h"

namespace brindlex {
namespace {

using testing::ExpectedCanvas;
using testing::ExpectedPreview;
using testing::SamePixels;
using testing::Strings;

constexpr int L = kLeftButton, R = kRightButton;
constexpr Color kRed = 0x0000FF, kGreen = 0x00FF00;

class DrawingTools : public ::testing::Test {
 protected:
  DrawingTools() : form(ui, screen, StartupPaths{}) { form.Form_Load(); }

  int Zoom() const { return form.Document.ZoomFactor; }
  // The canvas point at the centre of icon pixel p.
  double At(int p) const { return p * Zoom() + Zoom() / 2.0; }
  // The same point on the canvas's own whole-pixel grid.
  int CanvasAt(int p) const { return p * Zoom() + Zoom() / 2; }

  void Click(int button, int px, int py) {
    form.PicMain_MouseMove(0, 0, At(px), At(py));
    form.PicMain_MouseDown(button, 0, At(px), At(py));
    form.PicMain_MouseUp(button, 0, At(px), At(py));
  }
  // Presses at the first pixel, moves through the others and releases at the last.
  void Drag(int button, const std::vector<std::pair<int, int>>& pixels) {
    form.PicMain_MouseDown(button, 0, At(pixels[0].first), At(pixels[0].second));
    for (auto [px, py] : pixels) form.PicMain_MouseMove(button, 0, At(px), At(py));
    form.PicMain_MouseUp(button, 0, At(pixels.back().first), At(pixels.back().second));
  }

  // Writes pixel states straight into the planes and records them, as a loaded file would.
  void SetPixels(int x0, int y0, const Strings& rows) { testing::SetPixels(form, x0, y0, rows); }
  Strings Pixels(int x0, int y0, int w, int h) const { return testing::Pixels(form, x0, y0, w, h); }
  Strings All() const { return Pixels(0, 0, form.Document.Edge(), form.Document.Edge()); }
  Strings Blank() const {
    return Strings(form.Document.Edge(), std::string(form.Document.Edge(), '.'));
  }
  // Canvas and preview show exactly what the planes hold.
  void ExpectViewsShowPlanes() {
    EXPECT_TRUE(SamePixels(ExpectedCanvas(form.Document.PicMask, form.Document.PicImage, Zoom()),
                           form.Document.PicMain));
    EXPECT_TRUE(SamePixels(ExpectedPreview(form.Document.PicMask, form.Document.PicImage),
                           form.Document.PicIcon));
  }
  void PickColor(int button, Color c) {
    form.Document.DrawColor[button - 1] = static_cast<DrawColorValue>(c);
  }

  testing::ScriptedUi ui;
  testing::FixedScreen screen;
  FrmBrindlex form;
};

class DrawingToolsEachSize : public DrawingTools, public ::testing::WithParamInterface<int> {
 protected:
  DrawingToolsEachSize() { form.MnuIconSize_Click(GetParam()); }
};

TEST_P(DrawingToolsEachSize, PencilPaintsOnePixelPerClickWithEitherButton) {
  const int last = form.Document.IconLastIndex;
  Click(L, 2, 3);
  Click(R, last, last);
  Strings expected = Blank();
  expected[3][2] = 'k';
  expected[last][last] = 'w';
  EXPECT_EQ(All(), expected);
  ExpectViewsShowPlanes();
  EXPECT_TRUE(form.Document.IconChanged);
  EXPECT_EQ(form.History.UndoList.size(), 3u);
  // Each click is one step back and forth.
  form.History.UndoEdit(form.Document);
  expected[last][last] = '.';
  EXPECT_EQ(All(), expected);
  ExpectViewsShowPlanes();
  form.History.RedoEdit(form.Document);
  expected[last][last] = 'w';
  EXPECT_EQ(All(), expected);
}

TEST_P(DrawingToolsEachSize, EveryToolWithEitherButtonKeepsViewsAndHistoryInStep) {
  const int last = form.Document.IconLastIndex;
  PickColor(L, kRed);
  PickColor(R, kGreen);
  std::size_t steps = form.History.UndoList.size();
  // No stroke leaves a pen, a fill or a draw mode behind on the planes or the canvas.
  auto pens = [this] {
    std::vector<std::tuple<Color, Color, bool, DrawMode>> state;
    for (const Surface* s : {&form.Document.PicMask, &form.Document.PicImage,
                             &form.Document.PicMain, &form.Document.PicMainCopy})
      state.emplace_back(s->pen, s->fill, s->filling, s->draw_mode);
    return state;
  };
  const auto pens_before = pens();
  for (int tool = kToolPencil; tool <= kToolFilledEllipse; ++tool) {
    if (tool == kToolSample) continue;
    for (int button : {L, R}) {
      SCOPED_TRACE(::testing::Message() << kToolTable[tool].name << " button " << button);
      form.OptTool_Click(tool);
      const Strings before = All();
      Drag(button, {{1, 1}, {last / 2, 2}, {last - 1, last / 2 + 1}});
      ExpectViewsShowPlanes();
      EXPECT_EQ(form.History.UndoList.size(), ++steps);
      EXPECT_TRUE(form.History.RedoList.empty());
      EXPECT_TRUE(pens() == pens_before);
      EXPECT_EQ(form.SizeReadout, "");
      const Strings after = All();
      form.History.UndoEdit(form.Document);
      EXPECT_EQ(All(), before);
      form.History.RedoEdit(form.Document);
      EXPECT_EQ(All(), after);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, DrawingToolsEachSize, ::testing::Values(0, 1, 2));

TEST_F(DrawingTools, APencilStrokeAndItsUndoRedrawTheirCellAndAWholeIconCommandEverything) {
  // A mark on the canvas far from the stroke: only a full recomposition paints over it.
  form.Document.PicMain.SetPixel(301, 301, 0x123456);
  const Color empty_look = form.Document.PicMain.GetPixel(2 * 12 + 5, 3 * 12 + 5);
  Click(L, 2, 3);
  EXPECT_EQ(form.Document.PicMain.GetPixel(2 * 12 + 5, 3 * 12 + 5), kBlack);
  EXPECT_EQ(form.Document.PicIcon.GetPixel(2, 3), kBlack);
  form.MenuClick("MnuEditAction", 0);  // undo
  EXPECT_EQ(form.Document.PicMain.GetPixel(2 * 12 + 5, 3 * 12 + 5), empty_look);
  EXPECT_EQ(form.Document.PicIcon.GetPixel(2, 3), kButtonFace);
  EXPECT_EQ(form.Document.PicMain.GetPixel(301, 301), 0x123456u);
  form.MenuClick("MnuImageAction", kFlipHorizontal);
  ExpectViewsShowPlanes();
}

TEST_F(DrawingTools, PencilSkipsTheOuterCanvasRowsAndLeavesGapsOnFastDrags) {
  form.MnuIconSize_Click(0);  // 16 x 16, 24 canvas pixels per icon pixel
  const std::size_t steps = form.History.UndoList.size();
  form.PicMain_MouseDown(L, 0, 0, 50);
  form.PicMain_MouseMove(L, 0, 384, 50);
  form.PicMain_MouseMove(L, 0, 50, 0);
  form.PicMain_MouseMove(L, 0, -20, 500);
  EXPECT_EQ(All(), Blank());
  form.PicMain_MouseMove(L, 0, 30, 30);   // pixel 1
  form.PicMain_MouseMove(L, 0, 130, 30);  // pixel 5: 2 to 4 stay empty
  form.PicMain_MouseMove(L, 0, 383, 1);   // the last column, the first row
  form.PicMain_MouseUp(L, 0, 383, 1);
  EXPECT_EQ(Pixels(0, 0, 16, 2), (Strings{"...............k", ".k...k.........."}));
  EXPECT_EQ(form.History.UndoList.size(), steps + 1);
  ExpectViewsShowPlanes();
}

TEST_F(DrawingTools, TransparentColourAndTheEraserMakeTransparentPixels) {
  SetPixels(0, 0, {"oooo"});
  form.PicScreen_MouseDown(L, 0, 5, 5);
  form.PicScreen_MouseUp(L, 0, 5, 5);
  Click(L, 0, 0);  // Pencil with the transparent colour
  form.OptTool_Click(kToolErase);
  PickColor(R, kGreen);
  Click(R, 2, 0);  // the eraser ignores the button's colour
  EXPECT_EQ(Pixels(0, 0, 4, 1), (Strings{".o.o"}));
  ExpectViewsShowPlanes();
}

TEST_F(DrawingTools, SampleTakesTheColourAndHandsBackWithoutAStep) {
  SetPixels(1, 1, {"o.", ".i"});
  // Give the history something to redo, then start from an unchanged document.
  Click(L, 5, 5);
  form.History.UndoEdit(form.Document);
  form.Document.IconChanged = false;
  const std::size_t undo = form.History.UndoList.size(), redo = form.History.RedoList.size();
  ASSERT_EQ(redo, 1u);

  form.OptTool_Click(kToolLine);
  form.OptTool_Click(kToolSample);
  EXPECT_EQ(form.CanvasPointerShown, CanvasPointer::kDropper);
  Click(R, 1, 1);
  EXPECT_EQ(form.Document.DrawColor[1], static_cast<DrawColorValue>(kRed));
  EXPECT_TRUE(SamePixels(Surface(23, 13, kRed), form.PicRight));
  EXPECT_EQ(form.CurrentTool, kToolLine);
  EXPECT_EQ(form.CanvasPointerShown, CanvasPointer::kCrossHairs);

  form.OptTool_Click(kToolSample);
  Click(L, 2, 1);  // transparent: the hatch on the swatch
  EXPECT_EQ(form.Document.DrawColor[0], kTransparentColor);
  Surface hatch(23, 13, kWhite);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 23; ++x) hatch.SetPixel(x, y, testing::HatchAt(x, y));
  EXPECT_TRUE(SamePixels(hatch, form.PicLeft));

  form.OptTool_Click(kToolSample);
  Click(L, 2, 2);  // inverting: its colour-plane value
  EXPECT_EQ(form.Document.DrawColor[0], static_cast<DrawColorValue>(kRed));
  EXPECT_EQ(form.CurrentTool, kToolLine);
  EXPECT_EQ(form.History.UndoList.size(), undo);
  EXPECT_EQ(form.History.RedoList.size(), redo);
  EXPECT_FALSE(form.Document.IconChanged);
}

TEST_F(DrawingTools, SampleKeepsSamplingWhileDragged) {
  SetPixels(0, 0, {"og"});
  form.OptTool_Click(kToolSample);
  form.PicMain_MouseDown(L, 0, At(0), At(0));
  EXPECT_EQ(form.Document.DrawColor[0], static_cast<DrawColorValue>(kRed));
  form.PicMain_MouseMove(L, 0, At(1), At(0));
  EXPECT_EQ(form.Document.DrawColor[0], static_cast<DrawColorValue>(kGreen));
  form.PicMain_MouseUp(L, 0, At(1), At(0));
  EXPECT_EQ(form.CurrentTool, kToolPencil);
}

TEST_F(DrawingTools, FloodFillsTheIntersectionOfBothRegions) {
  form.MnuIconSize_Click(0);
  // The top-left block is joined to the seed through the inverting column in the mask
  // plane only; the opaque black pixel has the seed's colour-plane value but not its mask.
  SetPixels(0, 0, {"..i", "..i", "ooo"});
  SetPixels(8, 8, {"k"});
  PickColor(L, kGreen);
  form.OptTool_Click(kToolFlood);
  const std::size_t steps = form.History.UndoList.size();
  Click(L, 4, 0);
  Strings expected(16, std::string(16, 'g'));
  expected[0].replace(0, 3, "..i");
  expected[1].replace(0, 3, "..i");
  expected[2].replace(0, 3, "ooo");
  expected[8][8] = 'k';
  EXPECT_EQ(All(), expected);
  EXPECT_EQ(form.History.UndoList.size(), steps + 1);
  ExpectViewsShowPlanes();
  // The right button with the transparent colour empties the green region again.
  form.PicScreen_MouseDown(R, 0, 1, 1);
  form.PicScreen_MouseUp(R, 0, 1, 1);
  Click(R, 15, 15);
  Strings emptied(16, std::string(16, '.'));
  emptied[0].replace(0, 3, "..i");
  emptied[1].replace(0, 3, "..i");
  emptied[2].replace(0, 3, "ooo");
  emptied[8][8] = 'k';
  EXPECT_EQ(All(), emptied);
  form.History.UndoEdit(form.Document);
  EXPECT_EQ(All(), expected);
}

TEST_F(DrawingTools, LinePaintsBothEndPixels) {
  form.MnuIconSize_Click(0);
  form.OptTool_Click(kToolLine);
  Click(L, 9, 9);
  EXPECT_EQ(Pixels(8, 8, 3, 3), (Strings{"...", ".k.", "..."}));
  form.PicMain_MouseDown(L, 0, At(0), At(0));
  form.PicMain_MouseMove(L, 0, At(3), At(1));
  EXPECT_EQ(form.SizeReadout, "04 x 02");
  form.PicMain_MouseUp(L, 0, At(3), At(1));
  EXPECT_EQ(form.SizeReadout, "");
  EXPECT_EQ(Pixels(0, 0, 5, 3), (Strings{"kk...", "..kk.", "....."}));
  // From right to left with the transparent colour over opaque pixels.
  SetPixels(0, 4, {"oooooo"});
  form.Document.DrawColor[1] = kTransparentColor;
  Drag(R, {{5, 4}, {0, 4}});
  EXPECT_EQ(Pixels(0, 4, 6, 1), (Strings{"......"}));
  ExpectViewsShowPlanes();
}

TEST_F(DrawingTools, RectanglesInEitherCornerOrder) {
  form.MnuIconSize_Click(0);
  form.OptTool_Click(kToolRectangle);
  Drag(L, {{5, 5}, {2, 2}});
  const Strings box = {"kkkk", "k..k", "k..k", "kkkk"};
  EXPECT_EQ(Pixels(2, 2, 4, 4), box);
  form.History.UndoEdit(form.Document);
  Drag(L, {{2, 2}, {5, 5}});
  EXPECT_EQ(Pixels(2, 2, 4, 4), box);

  form.OptTool_Click(kToolSolidRectangle);
  PickColor(R, kGreen);
  Drag(R, {{8, 1}, {10, 2}});
  EXPECT_EQ(Pixels(8, 1, 3, 2), (Strings{"ggg", "ggg"}));
  ExpectViewsShowPlanes();
}

TEST_F(DrawingTools, FilledRectangleTakesTheOtherButtonsColourInside) {
  form.MnuIconSize_Click(0);
  SetPixels(0, 0, {"ooooo", "ooooo", "ooooo", "ooooo"});
  form.Document.DrawColor[1] = kTransparentColor;
  form.OptTool_Click(kToolFilledRectangle);
  Drag(L, {{0, 0}, {4, 3}});
  EXPECT_EQ(Pixels(0, 0, 5, 4), (Strings{"kkkkk", "k...k", "k...k", "kkkkk"}));
  // Right button: the outline in the right colour, the inside in the left one.
  PickColor(R, kGreen);
  Drag(R, {{6, 0}, {8, 2}});
  EXPECT_EQ(Pixels(6, 0, 3, 3), (Strings{"ggg", "gkg", "ggg"}));
  ExpectViewsShowPlanes();
}

TEST_F(DrawingTools, EllipsesInTheBoxOfTheirEndPixels) {
  form.MnuIconSize_Click(0);
  // A click without movement: the ellipse in the 1 x 1 box is its one pixel.
  for (int tool : {kToolEllipse, kToolSolidEllipse, kToolFilledEllipse}) {
    form.OptTool_Click(tool);
    Click(L, tool, 12);
  }
  EXPECT_EQ(Pixels(6, 11, 7, 3), (Strings{".......", ".k.k.k.", "......."}));

  form.OptTool_Click(kToolEllipse);
  Drag(L, {{4, 4}, {0, 0}});  // dragged up and left: same as down and right
  const Strings ring = {".kkk.", "k...k", "k...k", "k...k", ".kkk."};
  EXPECT_EQ(Pixels(0, 0, 5, 5), ring);

  form.OptTool_Click(kToolSolidEllipse);
  PickColor(L, kRed);
  Drag(L, {{6, 0}, {12, 4}});
  EXPECT_EQ(Pixels(6, 0, 7, 5), (Strings{".ooooo.", "ooooooo", "ooooooo", "ooooooo", ".ooooo."}));

  form.OptTool_Click(kToolFilledEllipse);
  form.Document.DrawColor[1] = kTransparentColor;
  Drag(L, {{6, 0}, {12, 4}});  // over the red one: a red ring with a transparent inside
  EXPECT_EQ(Pixels(6, 0, 7, 5), (Strings{".ooooo.", "o.....o", "o.....o", "o.....o", ".ooooo."}));
  EXPECT_FALSE(form.Document.PicMask.filling);
  EXPECT_FALSE(form.Document.PicImage.filling);
  ExpectViewsShowPlanes();
}

TEST_F(DrawingTools, ThinEllipsesReachTheEndPixelsOfTheDrag) {
  form.MnuIconSize_Click(0);
  PickColor(L, kRed);
  form.Document.DrawColor[1] = kTransparentColor;
  const int tools[] = {kToolEllipse, kToolSolidEllipse, kToolFilledEllipse};
  for (int i = 0; i < 3; ++i) {
    form.OptTool_Click(tools[i]);
    Drag(L, {{0, 3 * i}, {7, 3 * i + 1}});       // an 8 x 2 box: both end columns painted
    Drag(L, {{9 + 2 * i, 0}, {10 + 2 * i, 9}});  // a 2 x 10 box: top and bottom rows too
  }
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Pixels(0, 3 * i, 8, 2), Strings(2, "oooooooo")) << i;
    EXPECT_EQ(Pixels(9 + 2 * i, 0, 2, 10), Strings(10, "oo")) << i;
  }
  // Nothing outside the boxes.
  EXPECT_EQ(Pixels(0, 2, 9, 1), Strings{"........."});
  EXPECT_EQ(Pixels(8, 10, 8, 1), Strings{"........"});
  ExpectViewsShowPlanes();
}

TEST_F(DrawingTools, ShapesDraggedBeyondTheCanvasAreClipped) {
  form.MnuIconSize_Click(0);
  form.OptTool_Click(kToolRectangle);
  form.PicMain_MouseDown(L, 0, At(14), At(14));
  form.PicMain_MouseMove(L, 0, 500, 500);
  EXPECT_EQ(form.SizeReadout, "02 x 02");  // pixels 14 and 15
  form.PicMain_MouseUp(L, 0, 500, 500);
  EXPECT_EQ(Pixels(13, 13, 3, 3), (Strings{"...", ".kk", ".k."}));
  form.PicMain_MouseDown(L, 0, At(1), At(1));
  form.PicMain_MouseMove(L, 0, -100, -100);
  form.PicMain_MouseUp(L, 0, -100, -100);
  EXPECT_EQ(Pixels(0, 0, 3, 3), (Strings{".k.", "kk.", "..."}));
  ExpectViewsShowPlanes();
}

TEST_F(DrawingTools, RubberBandsInvertTheCanvasUntilRelease) {
  form.OptTool_Click(kToolLine);
  const Surface clean = form.Document.PicMain;
  form.PicMain_MouseDown(L, 0, At(1), At(1));
  form.PicMain_MouseMove(L, 0, At(20), At(5));
  form.PicMain_MouseMove(L, 0, At(10), At(12));
  // Only the band from the first cell's centre to the pointer's cell centre is inverted.
  Surface expected = clean;
  expected.draw_mode = DrawMode::kInvert;
  expected.Line(CanvasAt(1), CanvasAt(1), CanvasAt(10), CanvasAt(12));
  EXPECT_TRUE(SamePixels(expected, form.Document.PicMain));
  EXPECT_EQ(All(), Blank());  // the planes wait for the release
  form.PicMain_MouseUp(L, 0, At(10), At(12));
  ExpectViewsShowPlanes();
  EXPECT_EQ(form.Document.PicMain.draw_mode, DrawMode::kCopy);
}

TEST_F(DrawingTools, RedoIsDiscardedAtThePressOfEveryPaintingTool) {
  Click(L, 1, 1);
  Click(L, 2, 2);
  form.History.UndoEdit(form.Document);
  ASSERT_EQ(form.History.RedoList.size(), 1u);
  form.OptTool_Click(kToolSample);
  form.PicMain_MouseDown(L, 0, At(1), At(1));
  EXPECT_EQ(form.History.RedoList.size(), 1u);
  form.PicMain_MouseUp(L, 0, At(1), At(1));
  form.OptTool_Click(kToolRectangle);
  form.PicMain_MouseDown(L, 0, At(3), At(3));
  EXPECT_TRUE(form.History.RedoList.empty());
  EXPECT_EQ(form.History.UndoList.size(), 2u);  // recorded only at the release
  form.PicMain_MouseUp(L, 0, At(3), At(3));
  EXPECT_EQ(form.History.UndoList.size(), 3u);
}

TEST_F(DrawingTools, StrayAndUnusualMouseEventsChangeNothing) {
  const Strings blank = All();
  const std::size_t steps = form.History.UndoList.size();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (int tool = kToolSelect; tool <= kToolFilledEllipse; ++tool) {
    SCOPED_TRACE(tool);
    form.OptTool_Click(tool);
    // The middle button, releases without a press, moves without a stroke.
    form.PicMain_MouseDown(4, 0, At(3), At(3));
    form.PicMain_MouseMove(4, 0, At(4), At(4));
    form.PicMain_MouseUp(4, 0, At(4), At(4));
    form.PicMain_MouseUp(L, 0, At(3), At(3));
    form.PicMain_MouseUp(R, 0, nan, 1e300);
    form.PicMain_MouseMove(L, 0, At(5), At(5));
    form.PicMain_MouseMove(R | 4, 0, -1e300, nan);
    EXPECT_EQ(All(), blank);
    EXPECT_EQ(form.History.UndoList.size(), steps);
    EXPECT_EQ(form.Document.PicMain.draw_mode, DrawMode::kCopy);
  }
}

TEST_F(DrawingTools, TheSecondButtonDuringAStrokeIsIgnored) {
  form.OptTool_Click(kToolRectangle);
  const std::size_t steps = form.History.UndoList.size();
  form.PicMain_MouseDown(L, 0, At(1), At(1));
  form.PicMain_MouseDown(R, 0, At(3), At(3));
  form.PicMain_MouseMove(L | R, 0, At(6), At(6));  // both pressed: no tool acts
  form.PicMain_MouseUp(R, 0, At(6), At(6));
  form.PicMain_MouseMove(L, 0, At(2), At(2));
  form.PicMain_MouseUp(L, 0, At(2), At(2));
  EXPECT_EQ(Pixels(0, 0, 4, 4), (Strings{"....", ".kk.", ".kk.", "...."}));
  EXPECT_EQ(form.History.UndoList.size(), steps + 1);
  ExpectViewsShowPlanes();
}

TEST_F(DrawingTools, APressWhoseReleaseWasLostEndsThatStrokeFirst) {
  Click(L, 0, 0);
  form.PicMain_MouseDown(L, 0, At(4), At(4));  // its release never arrives
  const std::size_t steps = form.History.UndoList.size();
  form.PicMain_MouseDown(L, 0, At(6), At(6));
  form.PicMain_MouseUp(L, 0, At(6), At(6));
  EXPECT_EQ(form.History.UndoList.size(), steps + 2);
  EXPECT_EQ(Pixels(4, 4, 3, 3), (Strings{"k..", "...", "..k"}));
  // A new document forgets a stroke in progress.
  form.OptTool_Click(kToolRectangle);
  form.PicMain_MouseDown(L, 0, At(1), At(1));
  form.Document.IconChanged = false;
  form.MnuIconSize_Click(0);
  form.PicMain_MouseUp(L, 0, At(5), At(5));
  EXPECT_EQ(All(), Blank());
  EXPECT_EQ(form.History.UndoList.size(), 1u);
}

TEST_F(DrawingTools, NothingWhileTheCanvasIsDisabled) {
  form.PicMainEnabled = false;
  Click(L, 2, 2);
  EXPECT_EQ(All(), Blank());
  EXPECT_EQ(form.History.UndoList.size(), 1u);
}

TEST_F(DrawingTools, ChoosingToolsRemembersTheLastPaintingToolAndSetsThePointer) {
  EXPECT_EQ(form.LastPaintTool, kToolPencil);
  form.OptTool_Click(kToolErase);
  EXPECT_EQ(form.LastPaintTool, kToolPencil);
  EXPECT_EQ(form.CanvasPointerShown, CanvasPointer::kEraser);
  form.OptTool_Click(kToolSample);  // from Erase: not remembered
  EXPECT_EQ(form.LastPaintTool, kToolPencil);
  form.OptTool_Click(kToolEllipse);
  form.OptTool_Click(kToolFlood);
  EXPECT_EQ(form.LastPaintTool, kToolEllipse);
  EXPECT_EQ(form.CanvasPointerShown, CanvasPointer::kBucket);
  form.OptTool_Click(kToolSelect);
  form.OptTool_Click(kToolLine);
  EXPECT_EQ(form.LastPaintTool, kToolFlood);
  using P = CanvasPointer;
  const P pointers[12] = {P::kCrossHairs, P::kPencil,     P::kEraser,     P::kDropper,
                          P::kBucket,     P::kCrossHairs, P::kCrossHairs, P::kCrossHairs,
                          P::kCrossHairs, P::kCrossHairs, P::kCrossHairs, P::kCrossHairs};
  for (int tool = 0; tool < 12; ++tool) {
    form.OptTool_Click(tool);
    EXPECT_EQ(form.CanvasPointerShown, pointers[tool]) << tool;
  }
  form.MnuIconSize_Click(2);
  EXPECT_EQ(form.LastPaintTool, kToolPencil);
  EXPECT_EQ(form.CurrentTool, kToolPencil);
}

}  // namespace
}  // namespace brindlex
