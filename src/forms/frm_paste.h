#pragma once

namespace brindlex {

// The paste options, asked when the clipboard's picture is larger than the icon: shrink it
// to the icon's size, or shrink it keeping its aspect. The answer goes to the option
// variable given: −1 (cancelled, also while the window is open), 0 or 1.
class FrmPaste {
 public:
  static constexpr char kCaption[] = "Paste Options";
  static constexpr char kText[] = "The image on the clipboard is too large.";
  static constexpr char kFrameCaption[] = "Please Select An Option";
  static constexpr char kShrinkCaption[] = "Shrink To Fit";
  static constexpr char kKeepAspectCaption[] = "Shrink To Fit (Keep Aspect)";
  static constexpr char kCancelCaption[] = "&Cancel";
  static constexpr char kOkCaption[] = "&Ok";
  // Outer size in twips.
  static constexpr int kWidthTwips = 3105;
  static constexpr int kHeightTwips = 2310;

  // Places of the controls in pixels: the text's top-left corner in the client area, the
  // frame and the buttons in the client area, the options inside the frame.
  struct Place {
    int left, top, width, height;
  };
  static constexpr int kTextLeft = 8, kTextTop = 6;
  static constexpr Place kFramePlace = {8, 28, 185, 59};
  static constexpr Place kOptionPlaces[2] = {{9, 20, 121, 13}, {9, 36, 153, 13}};
  static constexpr Place kCancelPlace = {8, 96, 91, 25};
  static constexpr Place kOkPlace = {102, 96, 91, 25};

  explicit FrmPaste(int& paste_option) : PasteOption(paste_option) {}

  // The option variable becomes −1 and "Shrink To Fit" is selected.
  void Form_Load();
  // Chooses option 0 or 1.
  void OptPaste_Click(int index);
  // Stores the selected option and closes.
  void CmdOk_Click();
  // Closes; the option variable stays −1.
  void CmdCancel_Click() { Closed = true; }
  // The title bar's close box and the Esc key: the same as Cancel.
  void Form_Unload() { Closed = true; }

  int& PasteOption;
  int SelectedOption = 0;
  bool Closed = false;
};

}  // namespace brindlex
