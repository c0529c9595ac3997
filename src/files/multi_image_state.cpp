#include "files/multi_image_state.h"

#include <algorithm>
#include <climits>

namespace brindlex {
namespace {

int Clamped(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

void RecordPick(MultiImageState& state, int index, const IconListRow& row) {
  state.ChosenIndex = index;
  state.ChosenBitCount = row.bit_count;
  state.ChosenWidth = Clamped(row.width);
  state.ChosenHeight = Clamped(row.height);
}

void KeepPickAsSource(MultiImageState& state) {
  state.SourceIndex = state.ChosenIndex;
  state.SourceBitCount = state.ChosenBitCount;
  state.SourceWidth = state.ChosenWidth;
  state.SourceHeight = state.ChosenHeight;
  state.FromMultiIconFile = true;
}

}  // namespace brindlex
