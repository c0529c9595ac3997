#include "document/selection_tool.h"

#include <utility>

#include "document/drawing_tools.h"

namespace brindlex {

bool InsideSelection(const SelectionState& selection, double x, double y) {
  return selection.Exists() && selection.SelLeft <= x && x <= selection.SelRight &&
         selection.SelTop <= y && y <= selection.SelBottom;
}

void StartMarking(IconDocument& document, SelectionState& selection, int down_x, int down_y) {
  selection.SelLeft = selection.SelRight = down_x;
  selection.SelTop = selection.SelBottom = down_y;
  DrawSelectionFrame(document, selection);
}

void ExtendMarking(IconDocument& document, SelectionState& selection, int mouse_x, int mouse_y) {
  DrawSelectionFrame(document, selection);
  ClampToCanvas(mouse_x, mouse_y);
  selection.SelRight = mouse_x;
  selection.SelBottom = mouse_y;
  DrawSelectionFrame(document, selection);
}

bool FinishMarking(IconDocument& document, SelectionState& selection) {
  DrawSelectionFrame(document, selection);
  if (selection.SelLeft > selection.SelRight) std::swap(selection.SelLeft, selection.SelRight);
  if (selection.SelTop > selection.SelBottom) std::swap(selection.SelTop, selection.SelBottom);
  if (selection.SelLeft == selection.SelRight || selection.SelTop == selection.SelBottom) {
    selection.SelLeft = selection.SelTop = selection.SelRight = selection.SelBottom = -1;
    return false;
  }
  CopySelectionArea(document, selection);
  DrawSelectionFrame(document, selection);
  selection.SelectionMarked = true;
  return true;
}

void StartSelectionMove(IconDocument& document, SelectionState& selection, int down_x, int down_y) {
  if (selection.SelectionMarked) LiftSelection(document, selection);
  selection.MovingSelection = true;
  selection.GrabLeft = down_x - selection.SelLeft;
  selection.GrabTop = down_y - selection.SelTop;
  selection.GrabRight = selection.SelRight - down_x;
  selection.GrabBottom = selection.SelBottom - down_y;
}

void MoveSelectionTo(IconDocument& document, SelectionState& selection, int mouse_x, int mouse_y) {
  selection.SelLeft = mouse_x - selection.GrabLeft;
  selection.SelTop = mouse_y - selection.GrabTop;
  selection.SelRight = mouse_x + selection.GrabRight;
  selection.SelBottom = mouse_y + selection.GrabBottom;
  ShowMovingSelection(document, selection);
}

void FinishSelectionMove(IconDocument& document, SelectionState& selection) {
  DrawSelectionFrame(document, selection);
  selection.MovingSelection = false;
  document.IconChanged = true;
}

}  // namespace brindlex
