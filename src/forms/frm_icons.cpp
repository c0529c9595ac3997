#include "forms/frm_icons.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "extraction/icon_library_group.h"
#include "files/bitmap_writer.h"
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
  IconCount = CountExtractableIcons(IconFile, library_);
  IsAnimated = library_.Kind() == IconLibraryKind::kAnimatedCursor;
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

void FrmIcons::DrawIconGrid() {
  const int rows = Rows();
  if (rows < 6) {
    grid_height_ = kVisibleHeight;
    Vsb.Enabled = false;
    Vsb.Max = 0;
  } else {
    grid_height_ = rows * kCell;
    Vsb.Enabled = true;
    Vsb.Max = rows * kCell - kVisibleHeight;
  }
  PicIconsTop = 0;
  Vsb.Value = 0;
  rows_.clear();
  ui_.RepaintWindows();
  SelBoxX = SelBoxY = 1;
  SelectedIcon = 0;
  DrawVisibleRows();
}

const Surface& FrmIcons::DrawRow(int row) {
  const auto kept = rows_.find(row);
  if (kept != rows_.end()) return kept->second;
  Surface& picture = rows_.emplace(row, Surface(kGridWidth, kCell, kWhite)).first->second;
  for (int column = 0; column < kColumns; ++column) {
    const int n = row * kColumns + column;
    if (n >= IconCount) break;
    Surface mask, color;
    if (!library_.LoadIcon(n, mask, color))
      continue;  // A cell whose icon cannot be read stays empty.
    const int x = kIconInset + kCell * column;
    // Drawn over the grid's white, partly transparent pixels blended.
    picture.BitBlt(x, kIconInset, kLargeIconEdge, kLargeIconEdge, ComposeOverWhite(mask, color), 0,
                   0);
  }
  return picture;
}

void FrmIcons::ForgetFarRows() {
  const int middle = (Vsb.Value + kVisibleHeight / 2) / kCell;
  while (rows_.size() > kKeptRows) {
    const auto first = rows_.begin(), last = std::prev(rows_.end());
    rows_.erase(middle - first->first > last->first - middle ? first : last);
  }
}

void FrmIcons::DrawVisibleRows() {
  const int top = Vsb.Value;
  const int rows = Rows();
  PicIcons = Surface(kGridWidth, kVisibleHeight, kWhite);
  for (int row = top / kCell; row * kCell < top + kVisibleHeight && row < rows; ++row)
    PicIcons.BitBlt(0, row * kCell - top, kGridWidth, kCell, DrawRow(row), 0, 0);
  // The selection box, where it is in view.
  PicIcons.Box(SelBoxX, SelBoxY - top, SelBoxX + kCell - 2, SelBoxY - top + kCell - 2, false,
               kBlack);
  ForgetFarRows();
}

void FrmIcons::DrawAllRows() {
  for (int row = 0; row < Rows(); ++row) {
    DrawRow(row);
    ForgetFarRows();
  }
}

Color FrmIcons::GridPixel(int x, int y) const {
  if (x < 0 || x >= kGridWidth || y < 0 || y >= grid_height_) return kInvalidColor;
  const int top = Vsb.Value;
  if (y >= top && y < top + kVisibleHeight) return PicIcons.GetPixel(x, y - top);
  const auto kept = rows_.find(y / kCell);
  return kept == rows_.end() ? kWhite : kept->second.GetPixel(x, y % kCell);
}

void FrmIcons::Vsb_Change(int value) {
  if (value < 0) value = 0;
  if (value > Vsb.Max) value = Vsb.Max;
  Vsb.Value = value;
  PicIconsTop = -value;
  DrawVisibleRows();
}

void FrmIcons::PicIcons_MouseWheel(int notches) {
  if (!Vsb.Enabled || notches == 0) return;
  const long long value = Vsb.Value - static_cast<long long>(notches) * Vsb.SmallChange;
  Vsb_Change(static_cast<int>(std::clamp<long long>(value, 0, Vsb.Max)));
}

void FrmIcons::PicIcons_MouseUp(int button, int, double x, double y) {
  if (Browsing || button != 1) return;
  const double px = std::nearbyint(x), py = std::nearbyint(y);
  if (px < 0 || px >= kGridWidth || py < 0 || py >= grid_height_) return;
  const int column = static_cast<int>(px) / kCell, row = static_cast<int>(py) / kCell;
  const long long n = column + 10LL * row;
  if (n >= IconCount) return;
  SelectedIcon = static_cast<int>(n);
  ShowSelectedMessage(SelectedIcon + 1);
  // The old box goes with the redraw (the cells are white around their icons).
  SelBoxX = kCell * column + 1;
  SelBoxY = kCell * row + 1;
  DrawVisibleRows();
}

void FrmIcons::CmdBrowse_Click() {
  const FileDialogResult chosen =
      ShowFileDialog(FileDialogMode::kExtractIcons, ui_, extract_filter_index_);
  if (!chosen.Accepted) return;
  Browsing = true;
  IconLibrary candidate;
  const int count = CountExtractableIcons(chosen.FileName, candidate);
  if (count > 0) {
    IconFile = chosen.FileName;
    IconFileTitle = chosen.FileTitle;
    IconCount = count;
    IsAnimated = candidate.Kind() == IconLibraryKind::kAnimatedCursor;
    library_ = std::move(candidate);
    ShowIconsCaption();
    ShowSelectedMessage(1);
    PicIcons.Clear();
    rows_.clear();
    ui_.RepaintWindows();
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
