#pragma once

#include "files/icon_image_list.h"
#include "files/multi_image_state.h"

namespace brindlex {

// The choice of one image of a multi-image icon file: a list of the images, Ok and Cancel.
// Ok (or a double click on a row) records the selected row as the pick; any other ending
// leaves ChosenWidth at 0, which the caller reads as cancelled.
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

  explicit FrmMultiIconDialog(MultiImageState& state) : state_(state) {}

  // Clears the pick before the rows are added.
  void Form_Load();
  void CmdOk_Click();
  void LstIcons_DblClick() { CmdOk_Click(); }
  void CmdCancel_Click() { Closed = true; }
  // The window's close box.
  void Form_Unload() { Closed = true; }

  IconImageList LstIcons;
  bool Closed = false;

 private:
  MultiImageState& state_;
};

// Reads a decimal number from the start of text as the editor's list rows are read: blanks
// are skipped, the reading stops at the first character that cannot continue the number.
int LeadingNumber(const std::string& text);

}  // namespace brindlex
