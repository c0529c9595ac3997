#include "forms/frm_hot_spot.h"

#include <algorithm>
#include <cmath>

namespace brindlex {

std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  if (value >= 0 && text.size() < 2) text.insert(0, 1, '0');
  return text;
}

FrmHotSpot::FrmHotSpot(const Surface& canvas, int zoom, int last_index, const Surface& img_xy,
                       std::uint16_t& hot_spot_x, std::uint16_t& hot_spot_y, int start_x,
                       int start_y)
    : canvas_(canvas),
      img_xy_(img_xy),
      zoom_(std::max(zoom, 1)),
      last_index_(std::max(last_index, 0)),
      start_x_(std::clamp(start_x, 0, last_index_)),
      start_y_(std::clamp(start_y, 0, last_index_)),
      hot_spot_x_(hot_spot_x),
      hot_spot_y_(hot_spot_y) {}

void FrmHotSpot::Form_Load() {
  PicCursor.background = kWhite;
  PicCursor.Resize(kPicCursorPlace.width, kPicCursorPlace.height);
  PicCursor.BitBlt(0, 0, kPicCursorPlace.width, kPicCursorPlace.height, canvas_, 0, 0);
  ImgXY = img_xy_;
  HotX = start_x_;
  HotY = start_y_;
  LblHotX = TwoDigits(HotX);
  LblHotY = TwoDigits(HotY);
  Readout.clear();
  DialogCancelled = true;
  Closed = false;
  Form_Paint();
}

void FrmHotSpot::Form_Paint() {
  const int width = kWidthTwips / 15;
  const int height = kHeightTwips / 15;
  Background.background = kButtonFace;
  Background.Resize(width, height);
  const Place pic = kPicCursorPlace;
  Background.DrawEdge(pic.left - 3, pic.top - 3, pic.left + pic.width + 3, pic.top + pic.height + 3,
                      EdgeKind::kSunkenOuter);
  const Place img = kImgXYPlace;
  Background.DrawEdge(img.left - 2, img.top - 2, img.left + 96, img.top + 17,
                      EdgeKind::kSunkenOuter);
  // Each text ends a few pixels before the label with its value.
  constexpr int kGap = 4;
  Printed = {{8, 11, kHotXText, kLblHotXPlace.left - kGap - 8},
             {83, 11, kHotYText, kLblHotYPlace.left - kGap - 83}};
}

int FrmHotSpot::PixelOf(double coordinate) const {
  // Far-off positions are limited before the conversion so that it cannot overflow.
  const double rounded = std::nearbyint(std::clamp(coordinate, -1.0e6, 1.0e6));
  const int pixel = static_cast<int>(rounded) / zoom_;
  return std::clamp(pixel, 0, last_index_);
}

void FrmHotSpot::PicCursor_MouseDown(int button, int /*shift*/, double x, double y) {
  if (button != 1) return;
  HotX = PixelOf(x);
  HotY = PixelOf(y);
  LblHotX = TwoDigits(HotX);
  LblHotY = TwoDigits(HotY);
}

void FrmHotSpot::PicCursor_MouseMove(int /*button*/, int /*shift*/, double x, double y) {
  Readout = TwoDigits(PixelOf(x)) + ", " + TwoDigits(PixelOf(y));
}

void FrmHotSpot::CmdOk_Click() {
  hot_spot_x_ = static_cast<std::uint16_t>(HotX);
  hot_spot_y_ = static_cast<std::uint16_t>(HotY);
  DialogCancelled = false;
  Closed = true;
}

}  // namespace brindlex
