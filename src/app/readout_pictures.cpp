#include "app/readout_pictures.h"

namespace brindlex {

Surface MakePositionPicture() {
  Surface s(16, 16, kButtonFace);
  s.Box(4, 4, 11, 11, true, kWhite);
  s.Box(4, 4, 11, 11, false, kGrey);
  s.Line(7, 0, 7, 16, kBlack);
  s.Line(0, 7, 16, 7, kBlack);
  s.Box(6, 6, 8, 8, true, 0x0000FF);
  return s;
}

Surface MakeSizePicture() {
  Surface s(16, 16, kButtonFace);
  s.Box(1, 1, 14, 14, false, kGrey);
  s.Line(3, 3, 13, 13, kBlack);
  // Arrow heads at both ends of the diagonal.
  s.Line(3, 3, 7, 3, kBlack);
  s.Line(3, 3, 3, 7, kBlack);
  s.Line(12, 12, 8, 12, kBlack);
  s.Line(12, 12, 12, 8, kBlack);
  return s;
}

}  // namespace brindlex
