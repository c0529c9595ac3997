#include "edit/undo_history.h"

namespace brindlex {

namespace {

// The icon pixels a patch changes when it is applied to the document's planes.
PixelRect ChangedBy(const PlanePatch& patch, const IconDocument& document) {
  if (patch.width != document.Edge() || patch.height != document.Edge())
    return document.WholeIcon();
  return {patch.left, patch.top, patch.right, patch.bottom};
}

}  // namespace

void UndoHistory::Restart(IconDocument& document) {
  ClearHistory();
  RecordSnapshot(document);
}

void UndoHistory::ClearHistory() {
  UndoList = {};
  RedoList = {};
}

void UndoHistory::ClearRedo() { RedoList = {}; }

void UndoHistory::CommitEdit(IconDocument& document) {
  ClearRedo();
  RecordSnapshot(document);
  document.IconChanged = true;
}

void UndoHistory::RecordSnapshot(IconDocument& document) {
  const int w = document.PicIcon.Width(), h = document.PicIcon.Height();
  Snapshot snapshot{Surface(w, h, kWhite), Surface(w, h, kWhite)};
  snapshot.mask.BitBlt(0, 0, w, h, document.PicMask, 0, 0);
  snapshot.image.BitBlt(0, 0, w, h, document.PicImage, 0, 0);
  if (UndoList.last) {
    // The last undone state is held against the last state; recorded without ClearRedo, it
    // is held against the new one from now on, so that a redo still gives it back whole.
    if (!RedoList.empty()) {
      Snapshot undone = *UndoList.last;
      ApplyPatch(RedoList.back(), undone);
      RedoList.back() = DiffPatch(undone, snapshot);
    }
    UndoList.earlier.push_back(DiffPatch(*UndoList.last, snapshot));
  }
  UndoList.last = std::move(snapshot);
}

void UndoHistory::UndoEdit(IconDocument& document) {
  if (UndoList.size() < 2) return;
  const PixelRect changed = ChangedBy(UndoList.earlier.back(), document);
  RedoList.push_back(ApplyPatch(UndoList.earlier.back(), *UndoList.last));
  UndoList.earlier.pop_back();
  RestoreLast(document, changed);
}

void UndoHistory::RedoEdit(IconDocument& document) {
  if (RedoList.empty() || !UndoList.last) return;
  const PixelRect changed = ChangedBy(RedoList.back(), document);
  UndoList.earlier.push_back(ApplyPatch(RedoList.back(), *UndoList.last));
  RedoList.pop_back();
  RestoreLast(document, changed);
}

void UndoHistory::RestoreLast(IconDocument& document, const PixelRect& changed) {
  const Snapshot& last = *UndoList.last;
  const int w = last.mask.Width(), h = last.mask.Height();
  document.PicMask.BitBlt(0, 0, w, h, last.mask, 0, 0);
  document.PicImage.BitBlt(0, 0, w, h, last.image, 0, 0);
  document.Recompose(changed);
  document.IconChanged = true;
}

std::size_t UndoHistory::BytesHeld() const {
  std::size_t bytes = sizeof(*this);
  if (UndoList.last)
    bytes += (UndoList.last->mask.Pixels().capacity() + UndoList.last->image.Pixels().capacity()) *
             sizeof(Color);
  for (const PlanePatch& patch : UndoList.earlier) bytes += patch.BytesHeld();
  for (const PlanePatch& patch : RedoList) bytes += patch.BytesHeld();
  return bytes;
}

}  // namespace brindlex
