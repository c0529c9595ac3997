// How an edit of the icon reaches the history and the views.
#include "app/frm_brindlex.h"

namespace brindlex {

void FrmBrindlex::CommitEdit() { History.CommitEdit(Document); }

void FrmBrindlex::CommitWholeIconEdit() {
  Document.DisplayResults();
  CommitEdit();
}

void FrmBrindlex::EditSelectionOrIcon(const std::function<void(Surface&, Surface&, bool)>& edit) {
  if (Selection.SelectionFloating) {
    edit(Document.PicSelMask, Document.PicSelImage, true);
    ShowFloatingSelection(Document, Selection);
  } else if (Selection.SelectionMarked) {
    // The marked block is rewritten in the icon at once and kept as one undo step, so that
    // an undo can always bring the earlier pixels back; the selection stays marked.
    edit(Document.PicSelMask, Document.PicSelImage, true);
    StoreSelectionInPlace(Document, Selection);
    CommitEdit();
  } else {
    edit(Document.PicMask, Document.PicImage, false);
    CommitWholeIconEdit();
  }
}

}  // namespace brindlex
