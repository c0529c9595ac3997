#pragma once

#include "document/icon_document.h"

namespace brindlex {

// The rectangular selection: marked (its pixels copied into the floating planes and still
// in the icon) or floating (lifted: its area in the icon is transparent and its pixels live
// only in PicSelImage and PicSelMask). Edges are canvas pixels, multiples of the zoom,
// right and bottom exclusive; all −1 when there is no selection.
struct SelectionState {
  bool SelectionMarked = false;
  bool SelectionFloating = false;
  bool MovingSelection = false;
  int SelLeft = -1, SelTop = -1, SelRight = -1, SelBottom = -1;
  // Whether the selection was only marked when its frame was last hidden.
  bool WasOnlyMarked = false;

  bool Exists() const { return SelectionMarked || SelectionFloating; }
};

// Copies the selected block of both planes into the floating planes.
void CopySelectionArea(IconDocument& document, const SelectionState& selection);
// Makes the selected block of the icon transparent and the selection floating.
void LiftSelection(IconDocument& document, SelectionState& selection);
// Shows the floating planes over the canvas and preview, without changing the icon.
void ShowFloatingSelection(IconDocument& document, const SelectionState& selection);
// Writes the floating planes into the icon in place of the selected block.
void StoreSelectionInPlace(IconDocument& document, const SelectionState& selection);
// Hides the frame, merges the floating planes into the icon and forgets the selection.
// Returns True when the selection had been lifted, so that the merge is an edit the caller
// records in the history (DropSelection in edit/ does).
bool MergeSelection(IconDocument& document, SelectionState& selection);
// The inverting, three-pixel frame around the selection on the canvas.
void DrawSelectionFrame(IconDocument& document, const SelectionState& selection);
// Erases the frame (by drawing it again) and clears the marked and floating flags.
void HideSelectionFrame(IconDocument& document, SelectionState& selection);

}  // namespace brindlex
