// The drawing tools on a 48 x 48 icon: one Pencil move, a whole one-pixel Pencil stroke, a
// whole-icon flood fill and the release of a shape stroke, each through the main form's canvas
// events, and the one-pixel stroke set against a full recomposition of the views.
#include <benchmark/benchmark.h>

#include "bench_editor.h"
#include "document/tools.h"

namespace {

using namespace brindlex;

// A loaded form with a blank 48 x 48 icon and the given tool.
struct Editor : bench::LoadedForm {
  explicit Editor(int tool) { form.OptTool_Click(tool); }
  // Keeps the undo history from growing without end across iterations.
  void TrimHistory() {
    if (form.History.UndoList.size() > 256) {
      form.History.Restart(form.Document);
    }
  }
};

using bench::PencilStroke;
using bench::SecondsPerCall;

double At(int p) { return bench::At48(p); }

void BM_PencilMove(benchmark::State& state) {
  Editor editor(kToolPencil);
  FrmBrindlex& form = editor.form;
  form.PicMain_MouseDown(kLeftButton, 0, At(1), At(1));
  int i = 0;
  for (auto _ : state) {
    // A different cell every time: the cell is painted on both canvas surfaces and the
    // pixel on the planes and the preview.
    const int p = 1 + (i++ % 46);
    form.PicMain_MouseMove(kLeftButton, 0, At(p), At(47 - p));
    benchmark::DoNotOptimize(form.Document.PicMain.Row(0));
  }
  form.PicMain_MouseUp(kLeftButton, 0, At(1), At(1));
}
BENCHMARK(BM_PencilMove);

void BM_PencilStroke(benchmark::State& state) {
  Editor editor(kToolPencil);
  FrmBrindlex& form = editor.form;
  int i = 0;
  for (auto _ : state) {
    form.Document.DrawColor[0] = (i / 46) % 2 == 0 ? 0x0000FF : 0x00FF00;
    PencilStroke(form, 1 + (i++ % 46));
    benchmark::DoNotOptimize(form.Document.PicMain.Row(0));
    state.PauseTiming();
    editor.TrimHistory();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PencilStroke)->Unit(benchmark::kMicrosecond);

// The one-pixel stroke, recomposition and commit included, must cost at most a tenth of one
// full recomposition (DisplayResults) of the same form: the ratio is reported, and a ratio
// above 0.1 fails the run.
void BM_PencilStrokeAgainstFullRecomposition(benchmark::State& state) {
  Editor editor(kToolPencil);
  FrmBrindlex& form = editor.form;
  double ratio = 0;
  for (auto _ : state) {
    const double stroke = SecondsPerCall([&](int i) {
      form.Document.DrawColor[0] = (i / 46) % 2 == 0 ? 0x0000FF : 0x00FF00;
      PencilStroke(form, 1 + i % 46);
      editor.TrimHistory();
    });
    const double full = SecondsPerCall([&](int) {
      form.Document.DisplayResults();
      benchmark::DoNotOptimize(form.Document.PicMain.Row(0));
    });
    ratio = stroke / full;
    state.counters["stroke_us"] = stroke * 1e6;
    state.counters["full_us"] = full * 1e6;
  }
  state.counters["ratio"] = ratio;
  if (ratio > 0.1) state.SkipWithError("a one-pixel stroke costs more than 0.1 x DisplayResults");
}
BENCHMARK(BM_PencilStrokeAgainstFullRecomposition)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_FloodWholeIcon(benchmark::State& state) {
  Editor editor(kToolFlood);
  FrmBrindlex& form = editor.form;
  int i = 0;
  for (auto _ : state) {
    // Alternate the colour so that every fill repaints all 2304 pixels.
    form.Document.DrawColor[0] = (i++ % 2 == 0) ? 0x0000FF : 0x00FF00;
    form.PicMain_MouseDown(kLeftButton, 0, At(20), At(20));
    form.PicMain_MouseUp(kLeftButton, 0, At(20), At(20));
    state.PauseTiming();
    editor.TrimHistory();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FloodWholeIcon)->Unit(benchmark::kMicrosecond);

void BM_ShapeRelease(benchmark::State& state) {
  const int tool = static_cast<int>(state.range(0));
  Editor editor(tool);
  FrmBrindlex& form = editor.form;
  form.Document.DrawColor[1] = 0x00FF00;
  for (auto _ : state) {
    state.PauseTiming();
    editor.TrimHistory();
    form.PicMain_MouseDown(kLeftButton, 0, At(2), At(3));
    form.PicMain_MouseMove(kLeftButton, 0, At(45), At(40));
    state.ResumeTiming();
    form.PicMain_MouseUp(kLeftButton, 0, At(45), At(40));
  }
  state.SetLabel(kToolTable[tool].name);
}
BENCHMARK(BM_ShapeRelease)
    ->DenseRange(kToolLine, kToolFilledEllipse)
    ->ArgName("tool")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
