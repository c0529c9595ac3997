#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "files/multi_icon_builder.h"
#include "forms/printed_text.h"
#include "pixels/surface.h"
#include "platform/ui.h"

namespace brindlex {

// The multi-icon builder window: twelve slots, one per size (16, 32, 48) and depth (1, 4, 8,
// 24 bits), filled from single-image icon files (at most ten at a time), emptied through a
// pop-up menu, and written together as one multi-image icon file. Every opening starts with
// all slots empty.
class FrmMir {
 public:
  static constexpr char kCaption[] = "Create Multi Icon Resource";
  static constexpr int kWidthTwips = 4935;
  static constexpr int kHeightTwips = 3090;

  // Menus.
  static constexpr char kFileCaption[] = "&File";
  static constexpr char kOpenCaption[] = "&Open";
  static constexpr char kCreateCaption[] = "&Create";
  static constexpr char kExitCaption[] = "E&xit";
  static constexpr char kDelCaption[] = "Del";
  static constexpr char kDeleteCaption[] = "&Delete";

  // A filled slot's tag.
  static constexpr char kUsedTag[] = "Used";

  // Messages and their titles.
  static constexpr char kTitle[] = "Brindlex";
  static constexpr char kErrorTitle[] = "Brindlex - Error";
  static constexpr char kLimitText[] =
      "A maximum of ten icons has been reached.\r\n\r\n"
      "If you wish to remove an icon, right click on it to delete.";
  static constexpr char kNotAnIconEnd[] = " is not a valid icon file.";
  static constexpr char kNoImagesStart[] = "Unable to read data from ";
  static constexpr char kSeveralImagesText[] =
      " is a multi icon resource.\r\n\r\nOnly single icons can be loaded.";
  static constexpr char kUnableToLoadText[] = "Unable to load icon.";
  static constexpr char kCreateFailedStart[] = "Unable to create the file ";

  // The slot pictures: left edge of each depth's column, top edge of each size's row.
  static constexpr int kColumnLeft[4] = {19, 98, 177, 256};
  static constexpr int kRowTop[3] = {29, 54, 95};
  static constexpr int SlotLeft(int slot) { return kColumnLeft[slot / 3]; }
  static constexpr int SlotTop(int slot) { return kRowTop[slot % 3]; }

  explicit FrmMir(Ui& ui);

  // Empties every slot and paints the window.
  void Form_Load();
  // The File menu opens: Create is enabled only with two slots filled or more.
  void MnuFile_Click();
  // Loads one single-image icon file, chosen in the open dialog, into its slot.
  void MnuOpen_Click();
  // Reads the file at `path` and, when the builder takes its image, stores it in the slot
  // of its size and depth (replacing what the slot held) and makes that slot LastSlot. The
  // slot's picture is not redrawn; the decoded image is kept for it. The result says why
  // an image was not taken.
  BuilderReadResult LoadIconIntoSlot(const std::string& path);
  // A button released over slot picture `index`: the right button on a filled slot opens
  // the pop-up menu for it.
  void PicIco_MouseUp(int index, int button, int shift, double x, double y);
  // Empties the slot whose pop-up menu was opened.
  void MnuDelete_Click();
  // Writes the filled slots into the file chosen in the save dialog.
  void MnuCreate_Click();
  void MnuExit_Click() { Closed = true; }
  // The window's close box.
  void Form_Unload() { Closed = true; }

  // Slots whose tag is not empty.
  int UsedCount() const { return Slots.UsedCount(); }
  // The bytes Create writes for the filled slots; false when none is filled.
  bool BuildFileBytes(std::vector<std::uint8_t>& out) const;

  // Per slot: the picture (its actual size, button face when empty), its tag ("Used" or
  // empty, kept in step with the slot's use), the source's directory entry and its image
  // resource.
  std::array<Surface, kBuilderSlotCount> PicIco;
  std::array<std::string, kBuilderSlotCount> PicIcoTag;
  BuilderSlots Slots;
  int LastSlot = 0;
  int MenuSlot = 0;

  bool MnuCreateEnabled = false;
  // Set when the pop-up menu `MnuDel` is to be shown over MenuSlot; the window shows it and
  // clears the flag.
  bool MnuDelPopup = false;

  // The client area as Form_Paint leaves it, and the texts printed over it.
  Surface Background;
  std::vector<PrintedText> Printed;

  bool Closed = false;

 private:
  void Form_Paint();
  void ClearSlotPicture(int slot);
  void DrawSlotPicture(int slot, const Surface& mask, const Surface& color);
  void Warn(const std::string& text);

  Ui& ui_;
  // The image the last successful load decoded, drawn into its slot's picture.
  Surface load_mask_, load_color_;
  // The file dialog's extract filter, which the builder's dialogs never change.
  int filter_index_ = 4;
};

}  // namespace brindlex
