#pragma once

#include "files/icon_image_list.h"

namespace brindlex {

// What the open and save commands remember about images of multi-image icon files.
//
// The pick: the image the user chose in the list, by its row (directory entry) and what the
// row says of it. After a successful multi-image load the pick is copied to the `Source`
// fields and `FromMultiIconFile` is set; saving back into that file uses them.
struct MultiImageState {
  int ChosenIndex = 0;
  int ChosenBitCount = 0;
  int ChosenWidth = 0;
  int ChosenHeight = 0;

  int SourceIndex = 0;
  int SourceBitCount = 0;
  int SourceWidth = 0;
  int SourceHeight = 0;
  bool FromMultiIconFile = false;
};

// Records row `index` of the list as the pick: its index, bit count, width and height.
void RecordPick(MultiImageState& state, int index, const IconListRow& row);

// The picked image has loaded: it becomes the document's source, in a multi-image file.
void KeepPickAsSource(MultiImageState& state);

}  // namespace brindlex
