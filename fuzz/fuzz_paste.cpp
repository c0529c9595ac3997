// Fuzzes the paste of an outside picture: the first bytes choose the picture's size, the
// icon size, the paste options' answer and special or not; the rest are the toolkit's
// 0xAARRGGBB pixels. The picture, its alpha kept, is pasted, moved and dropped. The floating
// block must have the size the rules give, hold only opaque, partly transparent and
// transparent pixels (only opaque ones for a special paste), and the drop must be one undo
// step.

#include <cstdint>
#include <cstring>
#include <vector>

#include "app/frm_brindlex.h"
#include "edit/paste_size.h"
#include "forms/frm_paste.h"
#include "forms/silent_ui.h"

namespace {

using namespace brindlex;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

class PlainScreen : public Screen {
 public:
  int BitsPerPixel() const override { return 24; }
  int Width() const override { return 1024; }
  int Height() const override { return 768; }
};

class AnsweringUi : public SilentUi {
 public:
  void ShowPasteDialog(FrmPaste& dialog) override {
    if (option < 0) return dialog.CmdCancel_Click();
    dialog.OptPaste_Click(option);
    dialog.CmdOk_Click();
  }
  int option = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  const int width = 1 + data[0] % 96, height = 1 + data[1] % 96;
  const int size_index = data[2] % 3;
  const int option = static_cast<int>(data[3] % 3) - 1;  // −1, 0 or 1
  const bool special = (data[4] & 1) != 0;
  std::vector<std::uint32_t> argb(static_cast<std::size_t>(width) * height);
  const std::size_t available = (size - 5) / 4;
  for (std::size_t i = 0; i < argb.size() && i < available; ++i)
    std::memcpy(&argb[i], data + 5 + 4 * i, 4);
  const Surface picture = ArgbToSurface(argb.data(), width, height, width);
  Check(picture.Width() == width && picture.Height() == height);

  static AnsweringUi ui;
  static PlainScreen screen;
  static FrmBrindlex form(ui, screen, StartupPaths{});
  static bool loaded = false;
  if (!loaded) {
    form.Form_Load();
    loaded = true;
  }
  // A new icon only when the size changes: recomposing every view costs more than the rest.
  if (IconSizeIndexOf(form.Document.Edge()) != size_index) {
    form.MnuIconSize_Click(size_index);
  } else {
    form.History.ClearHistory();
    form.History.RecordSnapshot(form.Document);
  }
  MemoryClipboard clipboard;
  clipboard.PutImage(picture);
  form.SetClipboard(&clipboard);
  ui.option = option;
  form.MnuEditAction_Click(special ? 6 : 5);

  const int edge = form.Document.Edge();
  const bool too_large = width > edge || height > edge;
  if (too_large && option < 0) {
    Check(!form.Selection.Exists());
  } else {
    Check(form.Selection.SelectionFloating);
    int w = width, h = height;
    if (too_large && option == 0) w = h = edge;
    if (too_large && option == 1) {
      const PasteSize fit = FitPasteSize(edge, edge, width, height);
      w = static_cast<int>(fit.PasteWidth);
      h = static_cast<int>(fit.PasteHeight);
    }
    Check(form.Document.PicSelMask.Width() == w && form.Document.PicSelMask.Height() == h);
    Check(w >= 1 && h >= 1 && w <= edge && h <= edge);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const Color m = form.Document.PicSelMask.GetPixel(x, y);
        const Color c = form.Document.PicSelImage.GetPixel(x, y);
        Check(m == kBlack || (m == kWhite && c == kBlack && !special));
        Check(!special || (c >> 24) == 0);
      }
    // Move it by a fuzzed distance and drop it: one undo step.
    const double dx = (data[4] >> 1) * 7.0 - 300.0;
    form.PicMain_MouseDown(kLeftButton, 0, 1, 1);
    form.PicMain_MouseMove(kLeftButton, 0, 1 + dx, 1 + dx / 2);
    form.PicMain_MouseUp(kLeftButton, 0, 1 + dx, 1 + dx / 2);
    const std::size_t steps = form.History.UndoList.size();
    form.MnuEditAction_Click(9);
    Check(!form.Selection.Exists());
    Check(form.History.UndoList.size() == steps + 1);
  }
  form.Document.IconChanged = false;
  return 0;
}
