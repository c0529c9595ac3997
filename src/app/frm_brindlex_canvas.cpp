// The canvas's mouse events and the readouts beside the preview.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/frm_brindlex.h"
#include "document/drawing_tools.h"
#include "document/flood_fill.h"
#include "document/selection_tool.h"
#include "document/tools.h"

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
  if (StrokeButton != 0) {
    // The other button during a stroke is ignored. The same button again means that its
    // release went elsewhere (a modal window opened mid-stroke): end that stroke first.
    if (button != StrokeButton) return;
    PicMain_MouseUp(button, shift, MouseX, MouseY);
  }
  if (FactsOf(CurrentTool).records_step) History.ClearRedo();
  const DrawColorValue color = Document.DrawColor[button - 1];
  Document.SetDrawColor(color, CurrentTool == kToolErase);
  DownX = RoundCoordinate(x);
  DownY = RoundCoordinate(y);
  StrokeButton = button;
  StrokeTool = CurrentTool;
  switch (FactsOf(StrokeTool).kind) {
    case ToolKind::kFreehand:
    case ToolKind::kSample:
      PicMain_MouseMove(button, shift, x, y);
      break;
    case ToolKind::kFlood:
      FloodFillAt(Document, DownX, DownY, color == kTransparentColor);
      break;
    case ToolKind::kSelect:
      SelectMouseDown(x, y);
      break;
    default:
      Document.PicMain.draw_mode = DrawMode::kInvert;
      SnapToCellCentre(DownX, DownY, Document.ZoomFactor);
      ShapeEndX = MouseX = DownX;
      ShapeEndY = MouseY = DownY;
      break;
  }
}

void FrmBrindlex::PicMain_MouseMove(int button, int /*shift*/, double x, double y) {
  if (!PicMainEnabled) return;
  MouseX = RoundCoordinate(x);
  MouseY = RoundCoordinate(y);
  ShowCoordinates(button);
  if (CurrentTool == kToolSelect)
    CanvasPointerShown = Selection.MovingSelection || InsideSelection(Selection, x, y)
                             ? CanvasPointer::kMove
                             : CanvasPointer::kCrossHairs;
  // Only the button that started the stroke, alone of the two, paints.
  if (StrokeButton == 0 || (button & (kLeftButton | kRightButton)) != StrokeButton) return;
  StrokeStep();
}

void FrmBrindlex::StrokeStep() {
  const int zoom = Document.ZoomFactor;
  const DrawColorValue color = Document.DrawColor[StrokeButton - 1];
  switch (FactsOf(StrokeTool).kind) {
    case ToolKind::kFreehand:
      PaintPixelAt(Document, MouseX, MouseY,
                   StrokeTool == kToolErase || color == kTransparentColor);
      break;
    case ToolKind::kSample: {
      if (MouseX < 1 || MouseX > kCanvasImageSize - 1 || MouseY < 1 ||
          MouseY > kCanvasImageSize - 1)
        break;
      const int px = MouseX / zoom, py = MouseY / zoom;
      const Color m = Document.PicMask.GetPixel(px, py);
      const Color c = Document.PicImage.GetPixel(px, py);
      SetButtonColor(StrokeButton, m == kWhite && c == kBlack ? kTransparentColor
                                                              : static_cast<DrawColorValue>(c));
      break;
    }
    case ToolKind::kFlood:
      break;
    case ToolKind::kSelect:
      SnapToCell(MouseX, MouseY, zoom);
      if (Selection.MovingSelection) {
        MoveSelectionTo(Document, Selection, MouseX, MouseY);
        ui_.RepaintCanvas();
      } else {
        ExtendMarking(Document, Selection, MouseX, MouseY);
      }
      break;
    default:
      DrawRubberBand(Document.PicMain, StrokeTool, DownX, DownY, ShapeEndX, ShapeEndY);
      SnapToCellCentre(MouseX, MouseY, zoom);
      DrawRubberBand(Document.PicMain, StrokeTool, DownX, DownY, MouseX, MouseY);
      ShapeEndX = MouseX;
      ShapeEndY = MouseY;
      break;
  }
}

void FrmBrindlex::PicMain_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (!PicMainEnabled || (button != kLeftButton && button != kRightButton)) return;
  // A release without its press, or of the other button, ends nothing.
  if (StrokeButton == 0 || button != StrokeButton) return;
  switch (FactsOf(StrokeTool).kind) {
    case ToolKind::kFreehand:
      Document.IconChanged = true;
      break;
    case ToolKind::kSample:
      StrokeButton = 0;
      OptTool_Click(LastPaintTool);
      return;
    case ToolKind::kFlood:
      break;
    case ToolKind::kSelect:
      // A Select stroke records nothing: a moved selection enters the history when dropped.
      StrokeButton = 0;
      if (Selection.MovingSelection) {
        FinishSelectionMove(Document, Selection);
      } else {
        FinishMarking(Document, Selection);
        ClearSizeReadout();
      }
      return;
    default:
      FinishShape();
      break;
  }
  StrokeButton = 0;
  History.RecordSnapshot(Document);
}

void FrmBrindlex::SelectMouseDown(double x, double y) {
  SnapToCell(DownX, DownY, Document.ZoomFactor);
  if (InsideSelection(Selection, x, y)) {
    StartSelectionMove(Document, Selection, DownX, DownY);
    // The first step goes to the press's own point, so the block does not jump to wherever
    // the last pointer move was reported.
    MouseX = RoundCoordinate(x);
    MouseY = RoundCoordinate(y);
    StrokeStep();
    return;
  }
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  StartMarking(Document, Selection, DownX, DownY);
}

void FrmBrindlex::EndHeldStroke() {
  if (StrokeButton != 0) PicMain_MouseUp(StrokeButton, 0, MouseX, MouseY);
}

void FrmBrindlex::EndLostStroke(int pressed_buttons) {
  if ((pressed_buttons & StrokeButton) == 0) EndHeldStroke();
}

void FrmBrindlex::FinishShape() {
  const int zoom = Document.ZoomFactor;
  Surface& canvas = Document.PicMain;
  // Erase the rubber band and go back to painting.
  DrawRubberBand(canvas, StrokeTool, DownX, DownY, ShapeEndX, ShapeEndY);
  canvas.draw_mode = DrawMode::kCopy;
  if (FactsOf(StrokeTool).kind == ToolKind::kEllipse) {
    if (DownX > MouseX) SwapInts(DownX, MouseX);
    if (DownY > MouseY) SwapInts(DownY, MouseY);
  }
  const int own = StrokeButton - 1;
  DrawShapeOnPlanes(Document, StrokeTool, DownX / zoom, DownY / zoom, MouseX / zoom, MouseY / zoom,
                    Document.DrawColor[own], Document.DrawColor[1 - own]);
  Document.ComposePreview();
  Document.RebuildMainCopy();
  Document.ShowCanvas();
  Document.IconChanged = true;
  ClearSizeReadout();
}

void FrmBrindlex::ShowCoordinates(int button) {
  const int zoom = Document.ZoomFactor, last = Document.IconLastIndex;
  const int px = std::clamp(MouseX / zoom, 0, last);
  const int py = std::clamp(MouseY / zoom, 0, last);
  PositionReadout = TwoDigits(px) + ", " + TwoDigits(py);
  const bool pressed = (button & (kLeftButton | kRightButton)) != 0;
  const bool selecting = CurrentTool == kToolSelect;
  const bool shaping = IsShapeKind(FactsOf(CurrentTool).kind);
  if (!pressed || Selection.MovingSelection || !(selecting || shaping)) return;
  const int w = DragExtent(MouseX / zoom, DownX / zoom, last, shaping);
  const int h = DragExtent(MouseY / zoom, DownY / zoom, last, shaping);
  SizeReadout = TwoDigits(w) + " x " + TwoDigits(h);
}

}  // namespace brindlex
