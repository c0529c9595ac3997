#pragma once

namespace brindlex {

// The size a picture of cw x ch pixels takes when it is shrunk into an icon of w x h pixels
// keeping its aspect: both sides are reduced together in steps of a ten-thousandth of their
// own length until the longer one (the width when cw >= ch) fits, at least one step; each
// side is then at least 1 and rounded to the nearest whole number, ties to even. Computed in
// single precision, each difference stored before it is compared, so the counts match the
// editor's earlier versions exactly. Pictures with a side of 0 or less give 0 x 0.
struct PasteSize {
  float PasteWidth = 0;
  float PasteHeight = 0;
};
PasteSize FitPasteSize(int w, int h, int cw, int ch);

}  // namespace brindlex
