#pragma once

#include <map>
#include <string>
#include <vector>

#include "extraction/icon_extraction.h"
#include "extraction/icon_library.h"
#include "pixels/surface.h"
#include "platform/ui.h"

namespace brindlex {

// The icon-extraction dialog: every icon of one file in a scrollable grid of ten columns of
// 38-pixel cells, a selection box, "&Buskar" for another file, Ok and Cancel. It starts with
// the shell's icon library.
//
//   cell n: row n \ 10, column n mod 10; icon at (3 + 38·column, 3 + 38·row), 32 x 32;
//   selection box (1 + 38·column, 1 + 38·row) to (37 + 38·column, 37 + 38·row).
//
// The grid is GridHeight pixels high (190, or 38 per row from six rows on) and is seen
// through a 190-pixel window that the scroll bar moves. Only the rows that come into view
// are drawn, and only a bounded number of drawn rows is kept, so that a library claiming
// a huge number of icons costs no more memory than a small one: PicIcons holds what the
// window shows, grid rows Vsb.Value to Vsb.Value + 189.
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
  // The same, with y measured from the top of the window onto the grid.
  void PicView_MouseUp(int button, int shift, double x, double y) {
    PicIcons_MouseUp(button, shift, x, y + Vsb.Value);
  }
  void Vsb_Change(int value);
  void Vsb_Scroll(int value) { Vsb_Change(value); }
  // The mouse wheel over the grid: each notch away from the user scrolls one row up, each
  // notch towards the user one row down, as the scroll bar's arrows do.
  void PicIcons_MouseWheel(int notches);
  // Ok takes the selected icon; with no icon shown it acts as Cancel.
  void CmdOk_Click();
  void CmdCancel_Click() { Closed = true; }
  // The window's close box.
  void Form_Unload() { Closed = true; }

  // Counts the icons of IconFile (steps for an animated cursor); True when there are any.
  bool CountIcons();
  void DrawIconGrid();
  void ShowIconsCaption();
  // Draws every row of the grid, not only those in view (as scrolling through it does).
  void DrawAllRows();
  // Whether a row is drawn and kept.
  bool RowDrawn(int row) const { return rows_.count(row) != 0; }
  std::size_t RowsKept() const { return rows_.size(); }
  // The height of the whole grid in pixels.
  int GridHeight() const { return grid_height_; }
  // The grid's pixel at (x, y) in grid coordinates as it is drawn now (white where its row
  // is not drawn), for the tests.
  Color GridPixel(int x, int y) const;
  // The most drawn rows kept at a time: far more than one view needs.
  static constexpr std::size_t kKeptRows = 64;

  // Form state.
  std::string IconFile, IconFileTitle;
  int IconCount = 0;
  bool IsAnimated = false;
  int SelectedIcon = 0;
  int SelBoxX = 1, SelBoxY = 1;
  bool Browsing = false;
  // What the window onto the grid shows, and the grid's top relative to the window (minus
  // the scroll value).
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
  // Draws the rows in view that are not drawn yet and composes PicIcons.
  void DrawVisibleRows();
  const Surface& DrawRow(int row);
  // Forgets the drawn rows farthest from the view while more than kKeptRows are kept.
  void ForgetFarRows();
  void ShowSelectedMessage(int number);

  Ui& ui_;
  std::string shell_icon_path_;
  int& extract_filter_index_;
  IconLibrary library_;
  int grid_height_ = kVisibleHeight;
  // Drawn rows, 380 x 38 each, by row number.
  std::map<int, Surface> rows_;
};

}  // namespace brindlex
