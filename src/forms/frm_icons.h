#pragma once

#include <string>
#include <vector>

#include "files/icon_library.h"
#include "pixels/surface.h"
#include "platform/ui.h"

namespace brindlex {

// True when the path ends in ".ani", letter case ignored: such a file is shown as the steps
// of its animation rather than as a list of icons.
bool IsAnimatedName(const std::string& path);

// What the extraction shows for a file: the number of icons, or of steps of the first icon
// for a name ending in ".ani". Opens `library` on the file.
int CountDialogIcons(const std::string& path, IconLibrary& library);

// Reads the icon the dialog's Ok names: for a name ending in ".ani" step `index` of icon 0,
// otherwise icon `index`; its large image at 32 x 32, mask and colour planes. False when the
// file or the icon cannot be read; the planes are then untouched.
bool ExtractIcon(const std::string& path, int index, Surface& mask, Surface& color);

// The icon-extraction dialog: every icon of one file in a scrollable grid of ten columns of
// 38-pixel cells, a selection box, "&Buskar" for another file, Ok and Cancel. It starts with
// the shell's icon library. Cells are drawn only as their rows come into view.
//
//   cell n: row n \ 10, column n mod 10; icon at (3 + 38·column, 3 + 38·row), 32 x 32;
//   selection box (1 + 38·column, 1 + 38·row) to (37 + 38·column, 37 + 38·row).
class FrmIcons {
 public:
  static constexpr char kCancelCaption[] = "&Cancelar";
  static constexpr char kOkCaption[] = "&Ok";
  static constexpr char kBrowseCaption[] = "&Buskar";
  static constexpr char kShellTitle[] = "Shell32.dll";
  static constexpr char kNoIconsEnd[] = " no hay ikonos.";
  static constexpr char kNoIconsTitle[] = "Brindlex";
  // Outer size in twips.
  static constexpr int kWidthTwips = 6345;
  static constexpr int kHeightTwips = 4035;
  // Grid geometry in pixels.
  static constexpr int kCell = 38;
  static constexpr int kColumns = 10;
  static constexpr int kGridWidth = kColumns * kCell;
  static constexpr int kVisibleHeight = 190;

  // The vertical scroll bar beside the grid.
  struct ScrollBar {
    bool Enabled = false;
    int Max = 0;
    int Value = 0;
    int SmallChange = kCell;
    int LargeChange = kVisibleHeight;
  };

  FrmIcons(Ui& ui, std::string shell_icon_path, int& extract_filter_index)
      : ui_(ui),
        shell_icon_path_(std::move(shell_icon_path)),
        extract_filter_index_(extract_filter_index) {}

  // Events.
  void Form_Load();
  void CmdBrowse_Click();
  // A button release on the grid at (x, y) in grid pixels (scrolling included).
  void PicIcons_MouseUp(int button, int shift, double x, double y);
  void Vsb_Change(int value);
  void Vsb_Scroll(int value) { Vsb_Change(value); }
  // Ok takes the selected icon; with no icon shown it acts as Cancel.
  void CmdOk_Click();
  void CmdCancel_Click() { Closed = true; }
  // The window's close box.
  void Form_Unload() { Closed = true; }

  // Counts the icons of IconFile (steps for an animated cursor); True when there are any.
  bool CountIcons();
  void DrawIconGrid();
  void ShowIconsCaption();
  // Draws every row of the grid that is not drawn yet (all of them, not only those in view).
  void DrawAllRows();
  // Whether a row has been drawn.
  bool RowDrawn(int row) const;

  // Form state.
  std::string IconFile, IconFileTitle;
  int IconCount = 0;
  bool IsAnimated = false;
  int SelectedIcon = 0;
  int SelBoxX = 1, SelBoxY = 1;
  bool Browsing = false;
  // The grid picture, 380 pixels wide, and its top inside the frame (minus the scroll value).
  Surface PicIcons{kGridWidth, kVisibleHeight, kWhite};
  int PicIconsTop = 0;
  ScrollBar Vsb;
  std::string LblInfo;
  std::string Caption;
  // The result handed to the main window.
  bool DialogCancelled = true;
  std::string ExtractPath;
  int ExtractIndex = 0;
  bool Closed = false;

 private:
  int Rows() const;
  void DrawVisibleRows();
  void DrawRow(int row);
  void DrawSelectionBox(Color color);
  void ShowSelectedMessage(int number);

  Ui& ui_;
  std::string shell_icon_path_;
  int& extract_filter_index_;
  IconLibrary library_;
  std::vector<bool> rows_drawn_;
};

}  // namespace brindlex
