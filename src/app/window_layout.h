#pragma once

#include "document/tools.h"

namespace brindlex {

// Places of the main window's controls, in client pixels below the menu bar.
struct ControlPlace {
  int left, top, width, height;
};

// The window is 8730 x 6810 twips; its client area below the menu bar holds every control.
constexpr int kTwipsPerPixel = 15;
constexpr int kWindowWidthTwips = 8730;
constexpr int kWindowHeightTwips = 6810;
constexpr int kClientWidth = 574;
constexpr int kClientHeight = 407;

constexpr ControlPlace kPicMainPlace{11, 14, 385, 385};
constexpr ControlPlace kImgXYPlace{410, 76, 16, 16};
constexpr ControlPlace kImgToXYPlace{410, 104, 16, 16};
constexpr ControlPlace kPicLeftPlace{513, 11, 27, 17};
constexpr ControlPlace kPicRightPlace{541, 11, 27, 17};
constexpr ControlPlace kPicPalPlace{513, 37, 55, 339};
constexpr ControlPlace kPicScreenPlace{513, 385, 55, 17};
constexpr ControlPlace kPicGreyPalPlace{408, 130, 96, 36};
constexpr ControlPlace kPicMiniPalPlace{408, 175, 96, 52};

constexpr int kToolButtonWidth = 46;
constexpr int kToolButtonHeight = 27;
// Tool button i: column i mod 2, row i \ 2.
constexpr ControlPlace ToolButtonPlace(int i) {
  return {i % 2 == 0 ? 410 : 456, 238 + kToolButtonHeight * (i / 2), kToolButtonWidth,
          kToolButtonHeight};
}

// The readouts beside the preview: the box cleared before printing and the text's origin.
struct ReadoutPlace {
  int box_left, box_top, box_right, box_bottom;
  int text_x, text_y;
};
constexpr ReadoutPlace kPositionReadout{425, 75, 502, 91, 441, 78};
constexpr ReadoutPlace kSizeReadout{425, 103, 502, 119, 441, 106};

// Interval of the canvas re-enable timer.
constexpr int kEnableTimerMilliseconds = 250;

}  // namespace brindlex
