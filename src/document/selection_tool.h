#pragma once

#include "document/icon_document.h"
#include "document/selection_planes.h"

namespace brindlex {

// The Select tool's work on the canvas, step by step. Points are canvas pixels already
// snapped to a cell corner (SnapToCell) unless said otherwise.
//
//   marking:  press outside  ->  StartMarking, ExtendMarking per move, FinishMarking
//   moving:   press inside   ->  StartSelectionMove, MoveSelectionTo per move,
//                                FinishSelectionMove
//
// Dropping a selection (before marking a new one) is the caller's, since it may record an
// undo step.

// Whether the unrounded pointer (x, y) lies inside the selection rectangle, edges included.
// False when there is no selection.
bool InsideSelection(const SelectionState& selection, double x, double y);

// Starts a new rectangle at the press: a degenerate frame at the point.
void StartMarking(IconDocument& document, SelectionState& selection, int down_x, int down_y);
// Moves the rectangle's free corner to the pointer, limited to the canvas (0..384): the frame
// is erased at the old rectangle and drawn at the new one.
void ExtendMarking(IconDocument& document, SelectionState& selection, int mouse_x, int mouse_y);
// Ends the marking: erases the frame and orders the corners; a rectangle with both a width and
// a height becomes the marked selection (its pixels copied into the floating planes, the frame
// drawn). Otherwise the rectangle's edges become −1. Returns whether a selection was marked.
bool FinishMarking(IconDocument& document, SelectionState& selection);

// Starts a move grabbed at (down_x, down_y): a marked selection is lifted (its place in the
// icon becomes transparent) and the grab distances are kept.
void StartSelectionMove(IconDocument& document, SelectionState& selection, int down_x, int down_y);
// Places the floating selection so that the grab point is at (mouse_x, mouse_y), without
// limits, and shows it there over canvas and preview without a frame.
void MoveSelectionTo(IconDocument& document, SelectionState& selection, int mouse_x, int mouse_y);
// Ends a move: the frame is drawn at the new place and the icon counts as changed. The
// selection stays floating.
void FinishSelectionMove(IconDocument& document, SelectionState& selection);

}  // namespace brindlex
