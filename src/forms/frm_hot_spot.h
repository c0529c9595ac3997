#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forms/printed_text.h"
#include "pixels/surface.h"

namespace brindlex {

// The choice of a cursor's hot spot: a copy of the zoomed canvas on which a left click
// picks the icon pixel under the pointer, a readout of the pixel under the pointer, Ok and
// Cancel. Ok hands the pick to the cursor export through the hot spot it was given; any
// other ending leaves DialogCancelled set and the hot spot as it was.
class FrmHotSpot {
 public:
  static constexpr char kCaption[] = "Seleccionar";
  static constexpr char kOkCaption[] = "&Ok";
  static constexpr char kCancelCaption[] = "&Cancelar";
  static constexpr char kHotXText[] = "Hot X:";
  static constexpr char kHotYText[] = "Hot Y:";
  // Outer size in twips.
  static constexpr int kWidthTwips = 6195;
  static constexpr int kHeightTwips = 7410;
  // Places of the controls in the dialog's pixels: left, top, width, height.
  struct Place {
    int left, top, width, height;
  };
  static constexpr Place kPicCursorPlace{11, 39, 385, 385};
  static constexpr Place kLblHotXPlace{46, 9, 25, 17};
  static constexpr Place kLblHotYPlace{121, 9, 25, 17};
  static constexpr Place kImgXYPlace{303, 10, 16, 16};
  static constexpr Place kCmdCancelPlace{266, 436, 65, 25};
  static constexpr Place kCmdOkPlace{334, 436, 65, 25};
  // The tracking readout: the box blanked before each print (both corners included) and
  // the text's origin.
  static constexpr int kReadoutLeft = 318, kReadoutTop = 9, kReadoutRight = 397,
                       kReadoutBottom = 25;
  static constexpr int kReadoutTextX = 335, kReadoutTextY = 12;

  // `canvas` is the main window's canvas (its top-left 385 x 385 pixels are copied), `zoom`
  // its canvas pixels per icon pixel, `last_index` the icon's largest coordinate, `img_xy`
  // the main window's picture beside its position readout; Ok writes the pick into
  // `hot_spot_x` and `hot_spot_y`. The pick starts at (start_x, start_y), each kept within
  // 0 .. last index: the hot spot the icon already has.
  FrmHotSpot(const Surface& canvas, int zoom, int last_index, const Surface& img_xy,
             std::uint16_t& hot_spot_x, std::uint16_t& hot_spot_y, int start_x = 0,
             int start_y = 0);

  // Copies the canvas, paints the background, sets the pick to its start and sets
  // DialogCancelled.
  void Form_Load();
  // The left button picks the pixel under (x, y) (pointer position on PicCursor); other
  // buttons do nothing.
  void PicCursor_MouseDown(int button, int shift, double x, double y);
  // Shows the pixel under (x, y) in the readout, for any button state.
  void PicCursor_MouseMove(int button, int shift, double x, double y);
  void CmdOk_Click();
  void CmdCancel_Click() { Closed = true; }
  // The window's close box.
  void Form_Unload() { Closed = true; }

  // The icon pixel under a pointer position on PicCursor: each coordinate rounded to the
  // nearest integer (halves to even), divided by the zoom (truncating), kept within
  // 0 .. last index.
  int PixelOf(double coordinate) const;

  // The form's pictures: the canvas copy, the small picture beside the readout, and the
  // client area as Form_Paint leaves it (button face, the two sunken edges).
  Surface PicCursor{385, 385, kWhite};
  Surface ImgXY;
  Surface Background;
  // Texts printed over the background ("Hot X:", "Hot Y:").
  std::vector<PrintedText> Printed;

  std::string LblHotX = "00";
  std::string LblHotY = "00";
  // The tracking readout ("07, 31"), empty until the pointer first moves over the copy.
  std::string Readout;

  int HotX = 0;
  int HotY = 0;
  bool DialogCancelled = false;
  bool Closed = false;

 private:
  void Form_Paint();

  const Surface& canvas_;
  const Surface& img_xy_;
  int zoom_;
  int last_index_;
  int start_x_, start_y_;
  std::uint16_t& hot_spot_x_;
  std::uint16_t& hot_spot_y_;
};

// A number with two digits at least: 5 gives "05", 47 gives "47".
std::string TwoDigits(int value);

}  // namespace brindlex
