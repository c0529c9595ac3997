// The canvas's mouse events and the readouts beside the preview.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/frm_brindlex.h"
#include "document/drawing_tools.h"
#include "document/flood_fill.h"
#include "document/selection_tool.h"
#include "document/tools.h"
#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

std::string TwoDigits(int v) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", v);
  return buffer;
}

// Extent of a drag along one axis, in icon pixels, from the press at cell d to the pointer
// at cell e; shapes count both end pixels, selections the pixels between two corners.
int DragExtent(int e, int d, int last_index, bool shape) {
  if (e > last_index) return last_index - d + 1;
  if (e < 0) return shape ? d + 1 : d;
  return std::abs(e - d) + (shape ? 1 : 0);
}

}  // namespace

void FrmBrindlex::PicMain_MouseDown(int button, int shift, double x, double y) {
  if (!PicMainEnabled || (button != kLeftButton && button != kRightButton)) return;
  if (stroke_button_ != 0) {
    // The other button during a stroke is ignored. The same button again means that its
    // release went elsewhere (a modal window opened mid-stroke): end that stroke first.
    if (button != stroke_button_) return;
    PicMain_MouseUp(button, shift, mouse_x_, mouse_y_);
  }
  // A painting press already discards what could be redone; its release commits the stroke.
  if (FactsOf(CurrentTool).records_step) History.ClearRedo();
  down_x_ = RoundCoordinate(x);
  down_y_ = RoundCoordinate(y);
  stroke_button_ = button;
  stroke_tool_ = CurrentTool;
  switch (FactsOf(stroke_tool_).kind) {
    case ToolKind::kFreehand:
    case ToolKind::kSample:
      PicMain_MouseMove(button, shift, x, y);
      break;
    case ToolKind::kFlood:
      Document.Recompose(
          FloodFillAt(Document, down_x_, down_y_, Document.DrawColor[stroke_button_ - 1]));
      break;
    case ToolKind::kSelect:
      SelectMouseDown(x, y);
      break;
    default:
      SnapToCellCentre(down_x_, down_y_, Document.ZoomFactor);
      shape_end_x_ = mouse_x_ = down_x_;
      shape_end_y_ = mouse_y_ = down_y_;
      break;
  }
}

void FrmBrindlex::PicMain_MouseMove(int button, int /*shift*/, double x, double y) {
  if (!PicMainEnabled) return;
  mouse_x_ = RoundCoordinate(x);
  mouse_y_ = RoundCoordinate(y);
  ShowCoordinates(button);
  if (CurrentTool == kToolSelect)
    CanvasPointerShown = Selection.MovingSelection || InsideSelection(Selection, x, y)
                             ? CanvasPointer::kMove
                             : CanvasPointer::kCrossHairs;
  // Only the button that started the stroke, alone of the two, paints.
  if (stroke_button_ == 0 || (button & (kLeftButton | kRightButton)) != stroke_button_) return;
  StrokeStep();
}

void FrmBrindlex::StrokeStep() {
  const int zoom = Document.ZoomFactor;
  const DrawColorValue color = Document.DrawColor[stroke_button_ - 1];
  switch (FactsOf(stroke_tool_).kind) {
    case ToolKind::kFreehand:
      Document.Recompose(PaintPixelAt(Document, mouse_x_, mouse_y_,
                                      stroke_tool_ == kToolErase ? kTransparentColor : color));
      break;
    case ToolKind::kSample: {
      if (mouse_x_ < 1 || mouse_x_ > kCanvasImageSize - 1 || mouse_y_ < 1 ||
          mouse_y_ > kCanvasImageSize - 1)
        break;
      const int px = mouse_x_ / zoom, py = mouse_y_ / zoom;
      const Color m = Document.PicMask.GetPixel(px, py);
      // A partly transparent pixel gives its colour, to be drawn opaque.
      const Color c = ColorPart(Document.PicImage.GetPixel(px, py));
      SetButtonColor(stroke_button_, m == kWhite && c == kBlack ? kTransparentColor
                                                                : static_cast<DrawColorValue>(c));
      break;
    }
    case ToolKind::kFlood:
      break;
    case ToolKind::kSelect:
      SnapToCell(mouse_x_, mouse_y_, zoom);
      if (Selection.MovingSelection) {
        MoveSelectionTo(Document, Selection, mouse_x_, mouse_y_);
        ui_.RepaintCanvas();
      } else {
        ExtendMarking(Document, Selection, mouse_x_, mouse_y_);
      }
      break;
    default:
      DrawRubberBand(Document.PicMain, stroke_tool_, down_x_, down_y_, shape_end_x_, shape_end_y_);
      SnapToCellCentre(mouse_x_, mouse_y_, zoom);
      DrawRubberBand(Document.PicMain, stroke_tool_, down_x_, down_y_, mouse_x_, mouse_y_);
      shape_end_x_ = mouse_x_;
      shape_end_y_ = mouse_y_;
      break;
  }
}

void FrmBrindlex::PicMain_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (!PicMainEnabled || (button != kLeftButton && button != kRightButton)) return;
  // A release without its press, or of the other button, ends nothing.
  if (stroke_button_ == 0 || button != stroke_button_) return;
  const Tool tool = stroke_tool_;
  switch (FactsOf(tool).kind) {
    case ToolKind::kSample:
      stroke_button_ = 0;
      OptTool_Click(LastPaintTool);
      return;
    case ToolKind::kSelect:
      // A Select stroke records nothing: a moved selection enters the history when dropped.
      stroke_button_ = 0;
      if (Selection.MovingSelection) {
        FinishSelectionMove(Document, Selection);
      } else {
        FinishMarking(Document, Selection);
        ClearSizeReadout();
      }
      return;
    case ToolKind::kFreehand:
    case ToolKind::kFlood:
      break;
    default:
      FinishShape();
      break;
  }
  stroke_button_ = 0;
  if (FactsOf(tool).records_step) CommitEdit();
}

void FrmBrindlex::SelectMouseDown(double x, double y) {
  SnapToCell(down_x_, down_y_, Document.ZoomFactor);
  if (InsideSelection(Selection, x, y)) {
    StartSelectionMove(Document, Selection, down_x_, down_y_);
    // The first step goes to the press's own point, so the block does not jump to wherever
    // the last pointer move was reported.
    mouse_x_ = RoundCoordinate(x);
    mouse_y_ = RoundCoordinate(y);
    StrokeStep();
    return;
  }
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  StartMarking(Document, Selection, down_x_, down_y_);
}

void FrmBrindlex::EndHeldStroke() {
  if (stroke_button_ != 0) PicMain_MouseUp(stroke_button_, 0, mouse_x_, mouse_y_);
}

void FrmBrindlex::EndLostStroke(int pressed_buttons) {
  if ((pressed_buttons & stroke_button_) == 0) EndHeldStroke();
}

void FrmBrindlex::FinishShape() {
  const int zoom = Document.ZoomFactor;
  // Erase the rubber band.
  DrawRubberBand(Document.PicMain, stroke_tool_, down_x_, down_y_, shape_end_x_, shape_end_y_);
  if (FactsOf(stroke_tool_).kind == ToolKind::kEllipse) {
    if (down_x_ > mouse_x_) SwapInts(down_x_, mouse_x_);
    if (down_y_ > mouse_y_) SwapInts(down_y_, mouse_y_);
  }
  const int own = stroke_button_ - 1;
  Document.Recompose(DrawShapeOnPlanes(Document, stroke_tool_, down_x_ / zoom, down_y_ / zoom,
                                       mouse_x_ / zoom, mouse_y_ / zoom, Document.DrawColor[own],
                                       Document.DrawColor[1 - own]));
  ClearSizeReadout();
}

void FrmBrindlex::ShowCoordinates(int button) {
  const int zoom = Document.ZoomFactor, last = Document.IconLastIndex;
  const int px = std::clamp(mouse_x_ / zoom, 0, last);
  const int py = std::clamp(mouse_y_ / zoom, 0, last);
  PositionReadout = TwoDigits(px) + ", " + TwoDigits(py);
  const bool pressed = (button & (kLeftButton | kRightButton)) != 0;
  const bool selecting = CurrentTool == kToolSelect;
  const bool shaping = IsShapeKind(FactsOf(CurrentTool).kind);
  if (!pressed || Selection.MovingSelection || !(selecting || shaping)) return;
  const int w = DragExtent(mouse_x_ / zoom, down_x_ / zoom, last, shaping);
  const int h = DragExtent(mouse_y_ / zoom, down_y_ / zoom, last, shaping);
  SizeReadout = TwoDigits(w) + " x " + TwoDigits(h);
}

}  // namespace brindlex
