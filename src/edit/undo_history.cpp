#include "edit/undo_history.h"

namespace brindlex {

void UndoHistory::ClearHistory() {
  UndoList.clear();
  RedoList.clear();
}

void UndoHistory::ClearRedo() { RedoList.clear(); }

void UndoHistory::RecordSnapshot(IconDocument& document) {
  const int w = document.PicIcon.Width(), h = document.PicIcon.Height();
  Surface& staging = document.PicCol;
  staging.background = kWhite;
  staging.Resize(2 * w, h);
  staging.BitBlt(0, 0, w, h, document.PicMask, 0, 0);
  staging.BitBlt(w, 0, w, h, document.PicImage, 0, 0);
  Snapshot snapshot{Surface(w, h), Surface(w, h)};
  snapshot.mask.BitBlt(0, 0, w, h, staging, 0, 0);
  snapshot.image.BitBlt(0, 0, w, h, staging, w, 0);
  UndoList.push_back(std::move(snapshot));
}

void UndoHistory::UndoEdit(IconDocument& document) {
  if (UndoList.size() < 2) return;
  RedoList.push_back(std::move(UndoList.back()));
  UndoList.pop_back();
  RestoreLast(document);
}

void UndoHistory::RedoEdit(IconDocument& document) {
  if (RedoList.empty()) return;
  UndoList.push_back(std::move(RedoList.back()));
  RedoList.pop_back();
  RestoreLast(document);
}

void UndoHistory::RestoreLast(IconDocument& document) {
  const Snapshot& last = UndoList.back();
  const int w = last.mask.Width(), h = last.mask.Height();
  Surface& staging = document.PicCol;
  staging.Resize(2 * w, h);
  staging.BitBlt(0, 0, w, h, last.mask, 0, 0);
  staging.BitBlt(w, 0, w, h, last.image, 0, 0);
  document.PicMask.BitBlt(0, 0, w, h, staging, 0, 0);
  document.PicImage.BitBlt(0, 0, w, h, staging, w, 0);
  document.DisplayResults();
}

}  // namespace brindlex
