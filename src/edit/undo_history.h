#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "document/icon_document.h"
#include "edit/plane_patch.h"

namespace brindlex {

// The edit history of the open icon: a single line of recorded states of both planes. The
// last state of UndoList is always the state the planes show now.
//
// Only that last state is held whole. Every earlier one, and every undone one, is held as
// the patch that turns its neighbour on the line into it, so a one-pixel stroke costs a few
// dozen bytes instead of two whole planes, while undo and redo still give back exactly the
// planes that were recorded.
class UndoHistory {
 public:
  using Snapshot = brindlex::Snapshot;

  // The undo list: its last state whole, each earlier one as a patch.
  struct UndoLine {
    std::optional<Snapshot> last;
    // earlier[i] turns state i + 1 back into state i.
    std::vector<PlanePatch> earlier;

    std::size_t size() const { return earlier.size() + (last ? 1 : 0); }
    bool empty() const { return !last; }
    // The state the planes show now; only while the list is not empty.
    const Snapshot& back() const { return *last; }
  };

  // Empties both lists.
  void ClearHistory();
  // Starts a new history whose one state is the document's planes.
  void Restart(IconDocument& document);
  // Appends the document's planes (the icon's size, as the preview shows it) to UndoList.
  void RecordSnapshot(IconDocument& document);
  // Empties RedoList.
  void ClearRedo();
  // One user action's edit of the planes, committed: the redo list is discarded, the
  // planes become the new last state and the icon counts as changed.
  void CommitEdit(IconDocument& document);
  // Steps one state back, recomposes the views where the planes changed and marks the icon
  // changed; nothing with a single state. The planes must show the last state, as they do
  // whenever no selection is lifted and no stroke is held.
  void UndoEdit(IconDocument& document);
  // Steps one state forward likewise; nothing with an empty RedoList.
  void RedoEdit(IconDocument& document);

  // Whether "undo" and "redo" have anything to do.
  bool CanUndo() const { return UndoList.size() > 1; }
  bool CanRedo() const { return !RedoList.empty(); }

  // The memory both lists hold, in bytes.
  std::size_t BytesHeld() const;

  UndoLine UndoList;
  // The undone states, the most recently undone last; RedoList.back() turns the last state
  // of UndoList into the state a redo gives back.
  std::vector<PlanePatch> RedoList;

 private:
  // Copies the last state of UndoList onto the planes and recomposes the views over changed.
  void RestoreLast(IconDocument& document, const PixelRect& changed);
};

}  // namespace brindlex
