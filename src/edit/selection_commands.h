#pragma once

#include "document/icon_document.h"
#include "document/selection_planes.h"
#include "edit/undo_history.h"

namespace brindlex {

// Hides the frame, merges the floating planes into the icon, forgets the selection and, when
// the selection had been lifted, commits the merge as one undo step. A selection that was
// only marked leaves the icon and the history as they are. Nothing without a selection.
void DropSelection(IconDocument& document, SelectionState& selection, UndoHistory& history);

}  // namespace brindlex
