// Recomposing the views of an icon against a plain copy of the canvas's bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "document/icon_document.h"

namespace {

using namespace brindlex;

const ResourceBitmaps& Resources() {
  static const ResourceBitmaps resources = LoadedResourceBitmaps();
  return resources;
}

void BM_DisplayResults(benchmark::State& state) {
  IconDocument document(Resources());
  document.MakeBlank(static_cast<int>(state.range(0)));
  const int edge = document.Edge();
  // A mixed picture: opaque, transparent and inverting pixels.
  for (int y = 0; y < edge; ++y)
    for (int x = 0; x < edge; ++x) {
      const int kind = (x * 7 + y * 3) % 3;
      document.PicMask.SetPixel(x, y, kind == 0 ? kBlack : kWhite);
      document.PicImage.SetPixel(x, y, kind == 1 ? kBlack : static_cast<Color>(x * 5000 + y));
    }
  for (auto _ : state) {
    document.DisplayResults();
    benchmark::DoNotOptimize(document.PicMain.Row(0));
  }
}
BENCHMARK(BM_DisplayResults)->Arg(0)->Arg(1)->Arg(2)->ArgName("size_index");

void BM_CanvasMemcpy(benchmark::State& state) {
  const std::size_t bytes = 385 * 385 * 4;
  std::vector<unsigned char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CanvasMemcpy);

}  // namespace

BENCHMARK_MAIN();
