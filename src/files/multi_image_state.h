#pragma once

namespace brindlex {

// What the open and save commands remember about images of multi-image icon files.
//
// The pick: the multi-image choice dialog sets the four `Chosen` fields to 0 when it opens
// and fills them from the row the user accepts; `ChosenWidth` still 0 afterwards means the
// user cancelled. After a successful multi-image load the pick is copied to the `Source`
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

}  // namespace brindlex
