#pragma once

#include <vector>

#include "document/icon_document.h"

namespace brindlex {

// The edit history of the open icon: whole-icon snapshots of both planes. The last
// snapshot of UndoList is always the state the planes show now.
class UndoHistory {
 public:
  // One recorded state: the mask plane and the colour plane.
  struct Snapshot {
    Surface mask;
    Surface image;
  };

  // Empties both lists.
  void ClearHistory();
  // Appends a snapshot of the document's planes (composed in PicCol first) to UndoList.
  void RecordSnapshot(IconDocument& document);
  // Empties RedoList.
  void ClearRedo();
  // Steps one snapshot back and recomposes the views; nothing with a single snapshot.
  void UndoEdit(IconDocument& document);
  // Steps one snapshot forward and recomposes the views; nothing with an empty RedoList.
  void RedoEdit(IconDocument& document);

  // Whether "undo" and "redo" have anything to do.
  bool CanUndo() const { return UndoList.size() > 1; }
  bool CanRedo() const { return !RedoList.empty(); }

  std::vector<Snapshot> UndoList;
  std::vector<Snapshot> RedoList;

 private:
  // Loads the last snapshot of UndoList into PicCol and from there into the planes.
  void RestoreLast(IconDocument& document);
};

}  // namespace brindlex
