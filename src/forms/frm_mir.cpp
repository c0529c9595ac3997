#include "forms/frm_mir.h"

#include <algorithm>

#include "files/atomic_file.h"
#include "forms/file_dialog.h"

namespace brindlex {
namespace {

// The four depth columns: title, where it is printed, the frame's left and right edges and
// the part of the frame's top line blanked under the title.
struct GroupFrame {
  const char* title;
  int title_x, title_y;
  int left, right;
  int blank_left, blank_right;
};
constexpr GroupFrame kFrames[] = {
    {"Mono", 17, 9, 8, 78, 15, 45},
    {"16 Color", 96, 9, 87, 157, 94, 136},
    {"256 Color", 175, 9, 166, 236, 173, 221},
    {"True Color", 254, 9, 245, 315, 252, 304},
};
constexpr int kFrameTop = 15;
constexpr int kFrameBottom = 154;

}  // namespace

FrmMir::FrmMir(Ui& ui) : ui_(ui) {}

void FrmMir::Form_Load() {
  for (int slot = 0; slot < kBuilderSlotCount; ++slot) {
    PicIco[slot] = Surface(SlotEdge(slot), SlotEdge(slot), kButtonFace);
    PicIcoTag[slot].clear();
  }
  Slots = BuilderSlots();
  LastSlot = MenuSlot = 0;
  MnuCreateEnabled = false;
  MnuDelPopup = false;
  Closed = false;
  Form_Paint();
}

void FrmMir::Form_Paint() {
  const int width = kWidthTwips / 15;
  const int height = kHeightTwips / 15;
  Surface& s = Background;
  s.background = kButtonFace;
  s.Resize(width, height);
  s.DrawEdge(0, 0, width + 1, 2, EdgeKind::kSunkenOuter);
  Printed.clear();
  for (const GroupFrame& frame : kFrames) {
    s.DrawEdge(frame.left, kFrameTop, frame.right, kFrameBottom, EdgeKind::kEtched);
    s.Box(frame.blank_left, kFrameTop, frame.blank_right, kFrameTop + 1, true, kButtonFace);
    // The title stays over the blanked part of the frame's top line.
    Printed.push_back(
        {frame.title_x, frame.title_y, frame.title, frame.blank_right - frame.title_x});
  }
  for (int slot = 0; slot < kBuilderSlotCount; ++slot) {
    const int left = SlotLeft(slot), top = SlotTop(slot), edge = SlotEdge(slot);
    s.DrawEdge(left - 1, top - 1, left + edge + 1, top + edge + 1, EdgeKind::kSunkenOuter);
  }
}

void FrmMir::MnuFile_Click() { MnuCreateEnabled = UsedCount() >= 2; }

void FrmMir::Warn(const std::string& text) {
  ui_.ShowMessage(text, kErrorTitle, MessageIcon::kExclamation, MessageButtons::kOk);
}

void FrmMir::MnuOpen_Click() {
  if (UsedCount() == kBuilderMaxIcons) {
    ui_.ShowMessage(kLimitText, kTitle, MessageIcon::kInformation, MessageButtons::kOk);
    return;
  }
  const FileDialogResult chosen = ShowFileDialog(FileDialogMode::kOpenIcon, ui_, filter_index_);
  if (!chosen.Accepted) return;
  const std::string& title = chosen.FileTitle;
  switch (LoadIconIntoSlot(chosen.FileName)) {
    case BuilderReadResult::kNotAnIcon:
      return Warn(title + kNotAnIconEnd);
    case BuilderReadResult::kNoImages:
      return Warn(kNoImagesStart + title);
    case BuilderReadResult::kSeveralImages:
      return Warn(title + kSeveralImagesText);
    case BuilderReadResult::kUnableToLoad:
      return Warn(kUnableToLoadText);
    case BuilderReadResult::kLoaded:
      ClearSlotPicture(LastSlot);
      DrawSlotPicture(LastSlot, load_mask_, load_color_);
      return;
  }
}

BuilderReadResult FrmMir::LoadIconIntoSlot(const std::string& path) {
  SlotImage image;
  const BuilderReadResult result = ReadBuilderInput(path, image);
  if (result != BuilderReadResult::kLoaded) return result;
  Slots.Put(image);
  PicIcoTag[image.slot] = kUsedTag;
  LastSlot = image.slot;
  load_mask_ = std::move(image.mask);
  load_color_ = std::move(image.color);
  return result;
}

void FrmMir::ClearSlotPicture(int slot) { PicIco[slot].Clear(); }

void FrmMir::DrawSlotPicture(int slot, const Surface& mask, const Surface& color) {
  Surface& picture = PicIco[slot];
  picture.BitBlt(0, 0, mask.Width(), mask.Height(), mask, 0, 0, RasterOp::kAnd);
  picture.BitBlt(0, 0, color.Width(), color.Height(), color, 0, 0, RasterOp::kInvert);
}

void FrmMir::PicIco_MouseUp(int index, int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (index < 0 || index >= kBuilderSlotCount || button != 2 || PicIcoTag[index].empty()) return;
  MenuSlot = index;
  MnuDelPopup = true;
}

void FrmMir::MnuDelete_Click() {
  ClearSlotPicture(MenuSlot);
  PicIcoTag[MenuSlot].clear();
  Slots.Empty(MenuSlot);
}

bool FrmMir::BuildFileBytes(std::vector<std::uint8_t>& out) const {
  return Slots.BuildFileBytes(out);
}

void FrmMir::MnuCreate_Click() {
  // The menu offers Create only from two filled slots on.
  if (UsedCount() < 2) return;
  const FileDialogResult chosen = ShowFileDialog(FileDialogMode::kSaveIcon, ui_, filter_index_);
  if (!chosen.Accepted) return;
  std::vector<std::uint8_t> bytes;
  if (!BuildFileBytes(bytes) || !WriteFileAtomically(chosen.FileName, bytes))
    Warn(kCreateFailedStart + chosen.FileName);
}

}  // namespace brindlex
