// The undo history on a 48 x 48 icon, driven through the main form's canvas events: the
// bytes one step holds (a one-pixel pencil stroke, a whole-icon flood fill, a flip), the
// memory after 10,000 pencil strokes, and one undo and one redo with the recomposition.
#include <benchmark/benchmark.h>

#include "bench_editor.h"
#include "document/tools.h"

namespace {

using namespace brindlex;

struct Editor : bench::LoadedForm {
  // One click of a tool on icon pixel (x, y) with the left button.
  void Click(int tool, int x, int y) {
    form.OptTool_Click(tool);
    form.PicMain_MouseDown(kLeftButton, 0, x * 8 + 4, y * 8 + 4);
    form.PicMain_MouseUp(kLeftButton, 0, x * 8 + 4, y * 8 + 4);
  }
  // Mirrors both planes left to right and records the step, as a whole-icon flip does.
  void Flip() {
    Surface mask = form.Document.PicMask, image = form.Document.PicImage;
    form.Document.PicMask.StretchBlt(47, 0, -48, 48, mask, 0, 0, 48, 48);
    form.Document.PicImage.StretchBlt(47, 0, -48, 48, image, 0, 0, 48, 48);
    form.Document.DisplayResults();
    form.History.CommitEdit(form.Document);
  }
};

// A picture with something in every row, so that a flip changes the whole icon.
void DrawDiagonal(Editor& editor) {
  editor.form.Document.DrawColor[0] = 0x0000FF;
  for (int p = 0; p < 48; ++p) editor.Click(kToolPencil, p, (p * 7) % 48);
}

void BM_BytesPerStep(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  std::size_t bytes = 0;
  for (auto _ : state) {
    Editor editor;
    DrawDiagonal(editor);
    const std::size_t before = editor.form.History.BytesHeld();
    editor.form.Document.DrawColor[0] = 0x00FF00;
    if (kind == 0) editor.Click(kToolPencil, 20, 21);
    if (kind == 1) editor.Click(kToolFlood, 47, 0);
    if (kind == 2) editor.Flip();
    bytes = editor.form.History.BytesHeld() - before;
  }
  state.counters["bytes_per_step"] = static_cast<double>(bytes);
  state.SetLabel(kind == 0   ? "one-pixel pencil stroke"
                 : kind == 1 ? "whole-icon flood fill"
                             : "flip");
}
BENCHMARK(BM_BytesPerStep)->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_TenThousandPencilStrokes(benchmark::State& state) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    Editor editor;
    for (int i = 0; i < 10000; ++i) {
      editor.form.Document.DrawColor[0] = static_cast<Color>(i * 2654435761u) & 0xFFFFFF;
      editor.Click(kToolPencil, i % 48, (i / 48) % 48);
    }
    bytes = editor.form.History.BytesHeld();
  }
  state.counters["history_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_TenThousandPencilStrokes)->Iterations(1)->Unit(benchmark::kMillisecond);

// Undo then redo of one step (range 0: a pencil stroke; 1: a flood fill; 2: a flip), in a
// history of 2,000 strokes; the figure is per operation.
void BM_UndoRedo(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  Editor editor;
  for (int i = 0; i < 2000; ++i) editor.Click(kToolPencil, i % 48, (i / 48) % 48);
  DrawDiagonal(editor);
  editor.form.Document.DrawColor[0] = 0x00FF00;
  if (kind == 0) editor.Click(kToolPencil, 20, 21);
  if (kind == 1) editor.Click(kToolFlood, 47, 0);
  if (kind == 2) editor.Flip();
  for (auto _ : state) {
    editor.form.History.UndoEdit(editor.form.Document);
    editor.form.History.RedoEdit(editor.form.Document);
    benchmark::DoNotOptimize(editor.form.Document.PicMain.Row(0));
  }
  state.SetItemsProcessed(2 * state.iterations());
  state.SetLabel(kind == 0 ? "pencil stroke" : kind == 1 ? "flood fill" : "flip");
}
BENCHMARK(BM_UndoRedo)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
