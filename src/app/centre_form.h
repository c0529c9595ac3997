#pragma once

namespace brindlex {

struct WindowPosition {
  int left, top;
};

// Where a window of the given size goes on a screen of the given size (all in pixels,
// computed in twips): centred horizontally, one third of the free height above it.
inline WindowPosition CentreForm(int screen_width, int screen_height, int window_width,
                                 int window_height) {
  constexpr int kTwips = 15;
  return {((screen_width - window_width) * kTwips / 2) / kTwips,
          ((screen_height - window_height) * kTwips / 3) / kTwips};
}

}  // namespace brindlex
