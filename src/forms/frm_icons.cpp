#include "forms/frm_icons.h"

#include <cmath>

#include "files/icon_library_group.h"
#include "forms/file_dialog.h"

namespace brindlex {
namespace {

constexpr char kCaptionStart[] = "Vor - ";
constexpr char kCaptionMiddle[] = " - ";
constexpr char kCaptionEnd[] = " Icons";
constexpr char kSelectedStart[] = "Icon No ";
constexpr char kSelectedEnd[] = " Selected.";
// The icon's place inside its cell.
constexpr int kIconInset = 3;

}  // namespace

bool IsAnimatedName(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".ani";
}

int CountDialogIcons(const std::string& path, IconLibrary& library) {
  library.Open(path);
  return IsAnimatedName(path) ? library.StepCount(0) : library.IconCount();
}

bool ExtractIcon(const std::string& path, int index, Surface& mask, Surface& color) {
  IconLibrary library;
  if (!library.Open(path)) return false;
  return IsAnimatedName(path) ? library.LoadIcon(0, index, mask, color)
                              : library.LoadIcon(index, 0, mask, color);
}

void FrmIcons::Form_Load() {
  IsAnimated = false;
  IconFile = shell_icon_path_;
  IconFileTitle = kShellTitle;
  CountIcons();
  ShowIconsCaption();
  DrawIconGrid();
  if (IconCount > 0) ShowSelectedMessage(1);
  DialogCancelled = true;
  Closed = false;
}

bool FrmIcons::CountIcons() {
  IsAnimated = IsAnimatedName(IconFile);
  IconCount = CountDialogIcons(IconFile, library_);
  return IconCount != 0;
}

void FrmIcons::ShowIconsCaption() {
  Caption =
      kCaptionStart + IconFileTitle + kCaptionMiddle + std::to_string(IconCount) + kCaptionEnd;
}

void FrmIcons::ShowSelectedMessage(int number) {
  LblInfo = kSelectedStart + std::to_string(number) + kSelectedEnd;
}

int FrmIcons::Rows() const { return IconCount / kColumns + (IconCount % kColumns != 0 ? 1 : 0); }

bool FrmIcons::RowDrawn(int row) const {
  return row >= 0 && row < static_cast<int>(rows_drawn_.size()) && rows_drawn_[row];
}

void FrmIcons::DrawIconGrid() {
  const int rows = Rows();
  if (rows < 6) {
    PicIcons = Surface(kGridWidth, kVisibleHeight, kWhite);
    Vsb.Enabled = false;
    Vsb.Max = 0;
  } else {
    PicIcons = Surface(kGridWidth, rows * kCell, kWhite);
    Vsb.Enabled = true;
    Vsb.Max = rows * kCell - kVisibleHeight;
  }
  PicIconsTop = 0;
  Vsb.Value = 0;
  rows_drawn_.assign(rows, false);
  ui_.DoEvents();
  DrawVisibleRows();
  SelBoxX = SelBoxY = 1;
  DrawSelectionBox(kBlack);
  SelectedIcon = 0;
}

void FrmIcons::DrawRow(int row) {
  if (row < 0 || row >= static_cast<int>(rows_drawn_.size()) || rows_drawn_[row]) return;
  rows_drawn_[row] = true;
  for (int column = 0; column < kColumns; ++column) {
    const int n = row * kColumns + column;
    if (n >= IconCount) break;
    Surface mask, color;
    const bool loaded =
        IsAnimated ? library_.LoadIcon(0, n, mask, color) : library_.LoadIcon(n, 0, mask, color);
    if (!loaded) continue;  // A cell whose icon cannot be read stays empty.
    const int x = kIconInset + kCell * column, y = kIconInset + kCell * row;
    PicIcons.BitBlt(x, y, kLargeIconEdge, kLargeIconEdge, mask, 0, 0, RasterOp::kAnd);
    PicIcons.BitBlt(x, y, kLargeIconEdge, kLargeIconEdge, color, 0, 0, RasterOp::kInvert);
  }
}

void FrmIcons::DrawVisibleRows() {
  const int top = -PicIconsTop;
  const int first = top / kCell;
  const int last = (top + kVisibleHeight - 1) / kCell;
  for (int row = first; row <= last; ++row) DrawRow(row);
}

void FrmIcons::DrawAllRows() {
  for (int row = 0; row < static_cast<int>(rows_drawn_.size()); ++row) DrawRow(row);
}

void FrmIcons::DrawSelectionBox(Color color) {
  PicIcons.Box(SelBoxX, SelBoxY, SelBoxX + kCell - 2, SelBoxY + kCell - 2, false, color);
}

void FrmIcons::Vsb_Change(int value) {
  if (value < 0) value = 0;
  if (value > Vsb.Max) value = Vsb.Max;
  Vsb.Value = value;
  PicIconsTop = -value;
  DrawVisibleRows();
}

void FrmIcons::PicIcons_MouseUp(int button, int, double x, double y) {
  if (Browsing || button != 1) return;
  const double px = std::nearbyint(x), py = std::nearbyint(y);
  if (px < 0 || px >= kGridWidth || py < 0 || py >= PicIcons.Height()) return;
  const int column = static_cast<int>(px) / kCell, row = static_cast<int>(py) / kCell;
  const int n = column + kColumns * row;
  if (n >= IconCount) return;
  SelectedIcon = n;
  ShowSelectedMessage(n + 1);
  DrawSelectionBox(kWhite);
  SelBoxX = kCell * column + 1;
  SelBoxY = kCell * row + 1;
  DrawSelectionBox(kBlack);
}

void FrmIcons::CmdBrowse_Click() {
  const FileDialogResult chosen =
      ShowFileDialog(FileDialogMode::kExtractIcons, ui_, extract_filter_index_);
  if (!chosen.Accepted) return;
  Browsing = true;
  IconLibrary candidate;
  const int count = CountDialogIcons(chosen.FileName, candidate);
  if (count > 0) {
    IconFile = chosen.FileName;
    IconFileTitle = chosen.FileTitle;
    IconCount = count;
    IsAnimated = IsAnimatedName(chosen.FileName);
    library_ = std::move(candidate);
    ShowIconsCaption();
    ShowSelectedMessage(1);
    PicIcons.Clear();
    ui_.DoEvents();
    DrawIconGrid();
  } else {
    ui_.ShowMessage(chosen.FileTitle + kNoIconsEnd, kNoIconsTitle, MessageIcon::kInformation,
                    MessageButtons::kOk);
  }
  Browsing = false;
}

void FrmIcons::CmdOk_Click() {
  Closed = true;
  if (IconCount == 0) return;  // Nothing to take: the same as Cancel.
  DialogCancelled = false;
  ExtractPath = IconFile;
  ExtractIndex = SelectedIcon;
}

}  // namespace brindlex
