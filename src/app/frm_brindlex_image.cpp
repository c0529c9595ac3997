// The Image menu: flips, quarter turns and half-mirrors.
#include "app/frm_brindlex.h"
#include "edit/image_transforms.h"

namespace brindlex {

void FrmBrindlex::MnuImage_Click() {
  // The half-mirrors of a selection need an even side, so that the halves share nothing.
  const bool even_width = !Selection.Exists() || Document.PicSelImage.Width() % 2 == 0;
  const bool even_height = !Selection.Exists() || Document.PicSelImage.Height() % 2 == 0;
  FindMenuEntry(Menus, "MnuImageAction", kMirrorLeftHalf)->enabled = even_width;
  FindMenuEntry(Menus, "MnuImageAction", kMirrorRightHalf)->enabled = even_width;
  FindMenuEntry(Menus, "MnuImageAction", kMirrorTopHalf)->enabled = even_height;
  FindMenuEntry(Menus, "MnuImageAction", kMirrorBottomHalf)->enabled = even_height;
}

void FrmBrindlex::MnuImageAction_Click(int index) {
  switch (index) {
    case kFlipHorizontal:
    case kFlipVertical:
    case kMirrorLeftHalf:
    case kMirrorRightHalf:
    case kMirrorTopHalf:
    case kMirrorBottomHalf:
      TransformInPlace(index);
      break;
    case kRotateLeft:
    case kRotateRight:
      RotateImage(index);
      break;
    default:
      break;
  }
}

void FrmBrindlex::TransformInPlace(int index) {
  if (Selection.SelectionFloating) {
    TransformPlanes(Document.PicSelMask, Document.PicSelImage, index);
    ShowFloatingSelection(Document, Selection);
  } else if (Selection.SelectionMarked) {
    // The marked block is rewritten in the icon at once and kept as one undo step, so that
    // an undo can always bring the earlier pixels back; the selection stays marked.
    TransformPlanes(Document.PicSelMask, Document.PicSelImage, index);
    StoreSelectionInPlace(Document, Selection);
    RecordSelectionEdit(Document, History);
  } else {
    TransformPlanes(Document.PicMask, Document.PicImage, index);
    Document.DisplayResults();
    History.ClearRedo();
    History.RecordSnapshot(Document);
  }
}

void FrmBrindlex::RotateImage(int index) {
  if (!Selection.Exists()) {
    TransformPlanes(Document.PicMask, Document.PicImage, index);
    Document.DisplayResults();
    History.ClearRedo();
    History.RecordSnapshot(Document);
    return;
  }
  if (Selection.SelectionMarked) LiftSelection(Document, Selection);
  RotateSelection(index);
  ShowFloatingSelection(Document, Selection);
}

void FrmBrindlex::RotateSelection(int index) {
  TransformPlanes(Document.PicSelMask, Document.PicSelImage, index);
  // The top-left corner stays; width and height change places. The turned selection may
  // reach past the canvas, where it is not shown and is clipped when dropped.
  const int old_right = Selection.SelRight;
  Selection.SelRight = Selection.SelLeft + (Selection.SelBottom - Selection.SelTop);
  Selection.SelBottom = Selection.SelTop + (old_right - Selection.SelLeft);
}

}  // namespace brindlex
