// The selection on a 48 x 48 icon: one step of a floating block's move, and a paste of a
// 4000 x 3000 clipboard picture shrunk to the icon (the picture's conversion from the
// toolkit's pixels included).
#include <benchmark/benchmark.h>

#include <vector>

#include "app/frm_brindlex.h"
#include "bench_editor.h"
#include "document/tools.h"
#include "forms/frm_paste.h"
#include "forms/silent_ui.h"

namespace {

using namespace brindlex;

// Answers the paste options with a fixed option.
class AnsweringUi : public SilentUi {
 public:
  void ShowPasteDialog(FrmPaste& dialog) override {
    dialog.OptPaste_Click(option);
    dialog.CmdOk_Click();
  }
  int option = 0;
};

// A clipboard holding a picture the way the toolkit hands it over (0xAARRGGBB), converted
// at every read.
class ArgbClipboard : public Clipboard {
 public:
  ArgbClipboard(int width, int height) : width_(width), height_(height) {
    pixels_.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        pixels_[static_cast<std::size_t>(y) * width + x] =
            ((x + y) % 7 == 0) ? 0xFFFFFFFFu : (0xFF000000u | (x * 2654435761u >> 8));
  }
  bool HasImage() const override { return true; }
  Surface GetImage() override { return ArgbToSurface(pixels_.data(), width_, height_, width_); }
  void PutImage(const Surface&) override {}

 private:
  int width_, height_;
  std::vector<std::uint32_t> pixels_;
};

struct Editor {
  Editor() : form(ui, screen, StartupPaths{}) {
    form.Form_Load();
    form.MnuIconSize_Click(2);
  }
  void TrimHistory() {
    if (form.History.UndoList.size() > 256) {
      form.History.Restart(form.Document);
    }
  }
  AnsweringUi ui;
  bench::PlainScreen screen;
  FrmBrindlex form;
};

// Canvas point at the centre of icon pixel p (8 canvas pixels per icon pixel).
double At(int p) { return p * 8 + 4; }

void BM_MoveFloatingBlock48(benchmark::State& state) {
  Editor editor;
  FrmBrindlex& form = editor.form;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 48; ++x) {
      form.Document.PicMask.SetPixel(x, y, (x + y) % 3 == 0 ? kWhite : kBlack);
      form.Document.PicImage.SetPixel(x, y, (x + y) % 3 == 0 ? 0 : 0x010101u * (x + 4 * y));
    }
  form.Document.DisplayResults();
  form.MnuEditAction_Click(10);  // select all: a 48 x 48 block
  form.PicMain_MouseDown(kLeftButton, 0, At(20), At(20));
  int i = 0;
  for (auto _ : state) {
    // One cell further each time, back and forth, partly off the canvas at the ends.
    const int p = 20 + (i++ % 2 == 0 ? 1 : -1);
    form.PicMain_MouseMove(kLeftButton, 0, At(p), At(p));
    benchmark::DoNotOptimize(form.Document.PicMain.Row(0));
  }
  form.PicMain_MouseUp(kLeftButton, 0, At(20), At(20));
}
BENCHMARK(BM_MoveFloatingBlock48)->Unit(benchmark::kMicrosecond);

void BM_PasteShrinkToFit4000x3000(benchmark::State& state) {
  Editor editor;
  editor.ui.option = static_cast<int>(state.range(0));
  ArgbClipboard clipboard(4000, 3000);
  FrmBrindlex& form = editor.form;
  form.SetClipboard(&clipboard);
  for (auto _ : state) {
    form.MnuEditAction_Click(5);
    state.PauseTiming();
    form.MnuEditAction_Click(9);  // drop it, so that every paste starts alike
    editor.TrimHistory();
    state.ResumeTiming();
  }
  state.SetLabel(state.range(0) == 0 ? "shrink to fit" : "keep aspect");
}
BENCHMARK(BM_PasteShrinkToFit4000x3000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
