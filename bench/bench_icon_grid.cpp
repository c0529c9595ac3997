// Drawing the whole grid of the extraction dialog over a library of about 180 icons (Wine's
// shell library, 184 icons of up to ten images each, PNG ones included): opening and
// counting the library, then every row, as the dialog does when scrolled through. Also the
// first view alone, which is all the dialog draws when it opens.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include "app/start_program.h"
#include "forms/frm_icons.h"
#include "forms/silent_ui.h"

namespace {

using namespace brindlex;

std::string ShellLibrary() { return FindShellIconPath("/nonexistent"); }

bool HaveShellLibrary(benchmark::State& state, const std::string& path) {
  if (::access(path.c_str(), R_OK) == 0) return true;
  state.SkipWithError("Wine's shell32.dll is not installed (scripts/install-deps.sh)");
  return false;
}

void BM_DrawWholeGrid(benchmark::State& state) {
  const std::string path = ShellLibrary();
  if (!HaveShellLibrary(state, path)) return;
  SilentUi ui;
  int filter_index = 4;
  int icons = 0;
  for (auto _ : state) {
    FrmIcons dialog(ui, path, filter_index);
    dialog.Form_Load();
    dialog.DrawAllRows();
    icons = dialog.IconCount;
    benchmark::DoNotOptimize(dialog.PicIcons.Pixels().data());
  }
  state.counters["icons"] = icons;
}
BENCHMARK(BM_DrawWholeGrid)->Unit(benchmark::kMillisecond);

void BM_OpenWithFirstView(benchmark::State& state) {
  const std::string path = ShellLibrary();
  if (!HaveShellLibrary(state, path)) return;
  SilentUi ui;
  int filter_index = 4;
  for (auto _ : state) {
    FrmIcons dialog(ui, path, filter_index);
    dialog.Form_Load();
    benchmark::DoNotOptimize(dialog.PicIcons.Pixels().data());
  }
}
BENCHMARK(BM_OpenWithFirstView)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
