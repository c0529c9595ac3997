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
  // While a move is in progress: distances from the grab point to the four edges.
  int GrabLeft = 0, GrabTop = 0, GrabRight = 0, GrabBottom = 0;
  // Whether the selection was only marked when its frame was last hidden.
  bool WasOnlyMarked = false;

  bool Exists() const { return SelectionMarked || SelectionFloating; }
};

// Composes the floating planes over `view` with their corner at (left, top), every floating
// pixel a zoom x zoom block (zoom >= 1), as ComposePixel shows an icon pixel; only what lies
// on the view is touched.
void ComposeFloatingPlanes(const IconDocument& document, Surface& view, int left, int top,
                           int zoom);
// Copies the selected block of both planes into the floating planes.
void CopySelectionArea(IconDocument& document, const SelectionState& selection);
// Makes the selected block of the icon transparent and the selection floating.
void LiftSelection(IconDocument& document, SelectionState& selection);
// Shows the floating planes over the canvas (restored from PicMainCopy, grid drawn again)
// and over the preview at the selection's place, without a frame and without changing the
// icon. The place may lie partly or wholly off the canvas: only what lies on it shows.
void ShowMovingSelection(IconDocument& document, const SelectionState& selection);
// ShowMovingSelection with the frame, and the icon counted as changed.
void ShowFloatingSelection(IconDocument& document, const SelectionState& selection);
// Writes the floating planes into the icon in place of the selected block.
void StoreSelectionInPlace(IconDocument& document, const SelectionState& selection);
// Hides the frame, merges a lifted (floating) selection into the icon and forgets the
// selection. A selection that was only marked leaves the icon as it is: only the views are
// recomposed. Returns True when the selection had been lifted, so that the merge is an edit
// the caller records in the history (DropSelection in edit/ does).
bool MergeSelection(IconDocument& document, SelectionState& selection);
// The inverting, three-pixel frame around the selection on the canvas.
void DrawSelectionFrame(IconDocument& document, const SelectionState& selection);
// Erases the frame (by drawing it again) and clears the marked and floating flags.
void HideSelectionFrame(IconDocument& document, SelectionState& selection);

}  // namespace brindlex
