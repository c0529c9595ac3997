#pragma once

#include "document/icon_document.h"
#include "document/selection_planes.h"
#include "edit/undo_history.h"
#include "platform/clipboard.h"

namespace brindlex {

// Builds the floating planes from picture at width x height pixels (each
// rounded to the nearest whole number, ties to even). With stretch the whole picture is
// scaled onto that size by dropping or repeating rows and columns (colours are never
// blended); without it the top-left block is taken as it is. In a picture without alpha a
// pixel that is exactly white becomes transparent, every other pixel opaque in its colour.
// In a picture that uses its alpha (a pixel with a transparency, see Clipboard), alpha 0 is
// transparent, 255 opaque, white included, and any other alpha keeps the pixel partly
// transparent. With special every pixel is opaque, white ones included, and one with alpha
// is painted over white.
void BuildPastedSelection(IconDocument& document, const Surface& picture, float width, float height,
                          bool stretch, bool special);

// Shows the floating planes at the icon's origin over the canvas and preview and makes them
// the selection's rectangle, framed. The flags are left to the caller, which sets the
// selection floating after it has chosen the Select tool.
void ShowPastedSelectionAtOrigin(IconDocument& document, SelectionState& selection);

// The selection (marked or floating) composed over white, put on the clipboard: opaque
// pixels keep their colour, transparent ones become white and inverting ones the
// complement of their colour-plane value. When a pixel is partly transparent the picture
// carries alpha: such pixels keep theirs, and transparent ones are white with alpha 0.
// Nothing else changes.
void CopySelectionToClipboard(const IconDocument& document, Clipboard& clipboard);

// Forgets the selection and commits one undo step. A marked selection's block of the icon
// becomes transparent; a floating selection's pixels are simply dropped (the icon holds a
// transparent hole or nothing there already). The floating planes keep their content.
void DeleteSelectionArea(IconDocument& document, SelectionState& selection, UndoHistory& history,
                         bool was_marked);

// Marks the whole icon: the frame around the whole canvas and its pixels copied into the
// floating planes. The caller drops any selection first and sets the flag after choosing
// the Select tool.
void MarkWholeIcon(IconDocument& document, SelectionState& selection);

}  // namespace brindlex
