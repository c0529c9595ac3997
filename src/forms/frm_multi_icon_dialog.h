#pragma once

#include "files/icon_image_list.h"

namespace brindlex {

// The choice of one image of a multi-image icon file: a list of the images, Ok and Cancel.
// Ok (or a double click on a row) hands back the selected row's index in ChosenRow; any other
// ending leaves ChosenRow at -1, which the caller reads as cancelled.
class FrmMultiIconDialog {
 public:
  static constexpr char kCaption[] = "Multi Icon Resource";
  static constexpr char kText[] =
      "This File Contains More Than One Icon. Please Select The One You Would Like To Edit "
      "And Click Ok.";
  static constexpr char kCancelCaption[] = "&Cancel";
  static constexpr char kOkCaption[] = "&Ok";
  // Outer size in twips and the controls' places in pixels.
  static constexpr int kWidthTwips = 3165;
  static constexpr int kHeightTwips = 3195;

  // Clears the pick before the rows are added.
  void Form_Load();
  void CmdOk_Click();
  void LstIcons_DblClick() { CmdOk_Click(); }
  void CmdCancel_Click() { Closed = true; }
  // The window's close box.
  void Form_Unload() { Closed = true; }

  IconImageList LstIcons;
  // The row picked (its directory entry), -1 until Ok.
  int ChosenRow = -1;
  bool Closed = false;
};

}  // namespace brindlex
