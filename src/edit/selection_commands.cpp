#include "edit/selection_commands.h"

namespace brindlex {

void DropSelection(IconDocument& document, SelectionState& selection, UndoHistory& history) {
  // Without a selection there is no frame to hide and nothing to merge.
  if (!selection.Exists()) return;
  if (MergeSelection(document, selection)) history.CommitEdit(document);
}

}  // namespace brindlex
