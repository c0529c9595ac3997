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
      EditSelectionOrIcon(
          [index](Surface& mask, Surface& image, bool) { TransformPlanes(mask, image, index); });
      break;
    case kRotateLeft:
    case kRotateRight:
      RotateImage(index);
      break;
    default:
      break;
  }
}

void FrmBrindlex::RotateImage(int index) {
  // A marked selection turns as a floating one: its block may not fit its old place.
  if (Selection.SelectionMarked) LiftSelection(Document, Selection);
  EditSelectionOrIcon([this, index](Surface& mask, Surface& image, bool on_selection) {
    TransformPlanes(mask, image, index);
    if (!on_selection) return;
    // The top-left corner stays; width and height change places. The turned selection may
    // reach past the canvas, where it is not shown and is clipped when dropped.
    const int old_right = Selection.SelRight;
    Selection.SelRight = Selection.SelLeft + (Selection.SelBottom - Selection.SelTop);
    Selection.SelBottom = Selection.SelTop + (old_right - Selection.SelLeft);
  });
}

}  // namespace brindlex
