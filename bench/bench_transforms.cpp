// The Image and Colour menu commands on a 48 x 48 icon, through the main form, the views
// recomposed and the step recorded; and the gradient dialog's previews.
#include <benchmark/benchmark.h>

#include "app/frm_brindlex.h"
#include "bench_editor.h"
#include "forms/frm_col_adj.h"
#include "forms/frm_grad.h"
#include "forms/silent_ui.h"

namespace {

using namespace brindlex;

// A loaded form with a 48 x 48 icon of opaque, transparent and inverting pixels.
struct Editor {
  Editor() {
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x) {
        const int kind = (x * 7 + y * 3) % 3;
        form.Document.PicMask.SetPixel(x, y, kind == 0 ? kBlack : kWhite);
        form.Document.PicImage.SetPixel(x, y,
                                        kind == 1 ? kBlack : static_cast<Color>(x * 5000 + y));
      }
    form.Document.DisplayResults();
  }
  // Keeps the undo history from growing without end across iterations.
  void TrimHistory() {
    if (form.History.UndoList.size() > 256) {
      form.History.Restart(form.Document);
    }
  }
  bench::LoadedForm loaded;
  FrmBrindlex& form = loaded.form;
};

void BM_ImageCommand(benchmark::State& state) {
  Editor editor;
  const int index = static_cast<int>(state.range(0));
  for (auto _ : state) {
    editor.form.MnuImageAction_Click(index);
    editor.TrimHistory();
    benchmark::DoNotOptimize(editor.form.Document.PicMain.Row(0));
  }
}
BENCHMARK(BM_ImageCommand)->DenseRange(0, 1)->DenseRange(3, 4)->DenseRange(6, 9)->ArgName("index");

void BM_ColorCommand(benchmark::State& state) {
  Editor editor;
  const int index = static_cast<int>(state.range(0));
  for (auto _ : state) {
    editor.form.MnuColorAction_Click(index);
    editor.TrimHistory();
    benchmark::DoNotOptimize(editor.form.Document.PicMain.Row(0));
  }
}
BENCHMARK(BM_ColorCommand)->Arg(0)->Arg(1)->ArgName("index");

// Inverting a marked 24 x 24 selection: the block stored back and the step recorded.
void BM_InvertMarkedSelection(benchmark::State& state) {
  Editor editor;
  FrmBrindlex& form = editor.form;
  form.Selection.SelLeft = form.Selection.SelTop = 8 * 8;
  form.Selection.SelRight = form.Selection.SelBottom = 32 * 8;
  CopySelectionArea(form.Document, form.Selection);
  form.Selection.SelectionMarked = true;
  for (auto _ : state) {
    form.MnuColorAction_Click(0);
    editor.TrimHistory();
    benchmark::DoNotOptimize(form.Document.PicMain.Row(0));
  }
}
BENCHMARK(BM_InvertMarkedSelection);

// One brightness step of the colour adjustment with its preview.
void BM_ColorAdjustStep(benchmark::State& state) {
  Editor editor;
  ColorTables tables;
  FillColorTables(editor.form.Document.PicMask, editor.form.Document.PicImage, 48, tables);
  FrmColAdj dialog(tables, 48);
  dialog.Form_Load();
  int value = 0;
  for (auto _ : state) {
    value = value >= 250 ? -250 : value + 5;
    dialog.VsbBrightness_Change(value);
    benchmark::DoNotOptimize(dialog.PicShade.Row(0));
  }
}
BENCHMARK(BM_ColorAdjustStep);

// The spherical preview, all circles, and the linear preview by direction.
void BM_SphericalPreview(benchmark::State& state) {
  SilentUi ui;
  Surface pic_load;
  const int size = static_cast<int>(state.range(0));
  FrmGrad dialog(ui, pic_load, size);
  dialog.Form_Load();
  for (auto _ : state) {
    dialog.PicSpherical_MouseDown(1, 0, size / 3.0, size / 2.0);
    benchmark::DoNotOptimize(dialog.PicSpherical.Row(0));
  }
}
BENCHMARK(BM_SphericalPreview)
    ->Arg(16)
    ->Arg(32)
    ->Arg(48)
    ->ArgName("size")
    ->Unit(benchmark::kMicrosecond);

void BM_LinearPreview(benchmark::State& state) {
  SilentUi ui;
  Surface pic_load;
  FrmGrad dialog(ui, pic_load, 48);
  dialog.Form_Load();
  const int angle = static_cast<int>(state.range(0));
  for (auto _ : state) {
    dialog.VsbAngle_Change(angle);
    benchmark::DoNotOptimize(dialog.PicLinear.Row(0));
  }
}
BENCHMARK(BM_LinearPreview)->Arg(0)->Arg(90)->Arg(225)->ArgName("angle");

}  // namespace

BENCHMARK_MAIN();
