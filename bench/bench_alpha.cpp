// Partly transparent pixels against plain ones on a 48 x 48 icon: a one-pixel Pencil stroke
// and a full recomposition of the views, each timed on an icon of fading alpha and on the
// same icon fully opaque in the same run. A stroke may cost 1.5 times, a recomposition twice
// the plain one; a higher ratio fails the run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <limits>

#include "bench_editor.h"
#include "document/tools.h"
#include "pixels/pixel_alpha.h"

namespace {

using namespace brindlex;

// A loaded form with a 48 x 48 icon of varied opaque colours, its alpha fading from left to
// right when `fading`, recorded as the start of the history.
struct Picture : bench::LoadedForm {
  explicit Picture(bool fading) {
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x) {
        const Color c = static_cast<Color>(x * 5000 + y * 3);
        form.Document.PicMask.SetPixel(x, y, kBlack);
        form.Document.PicImage.Row(y)[x] = fading ? WithAlpha(c, 1 + x * 5) : c;
      }
    form.Document.DisplayResults();
    form.History.Restart(form.Document);
    form.OptTool_Click(kToolPencil);
  }
  double StrokeSeconds() {
    return bench::SecondsPerCall([&](int i) {
      form.Document.DrawColor[0] = (i / 46) % 2 == 0 ? 0x0000FF : 0x00FF00;
      bench::PencilStroke(form, 1 + i % 46);
      if (form.History.UndoList.size() > 256) form.History.Restart(form.Document);
    });
  }
  double RecompositionSeconds() {
    return bench::SecondsPerCall([&](int) {
      form.Document.DisplayResults();
      benchmark::DoNotOptimize(form.Document.PicMain.Row(0));
    });
  }
};

// Runs measure on both pictures, in turn, once per iteration; reports the best time of each
// (the one least disturbed by other work on the machine) and their ratio, and fails the run
// when the fading picture's time is more than `limit` times the plain one's.
template <typename Measure>
void Compare(benchmark::State& state, double limit, Measure measure) {
  Picture plain(false), fading(true);
  double plain_best = std::numeric_limits<double>::max(), fading_best = plain_best;
  for (auto _ : state) {
    plain_best = std::min(plain_best, measure(plain));
    fading_best = std::min(fading_best, measure(fading));
  }
  const double ratio = fading_best / plain_best;
  state.counters["plain_us"] = plain_best * 1e6;
  state.counters["alpha_us"] = fading_best * 1e6;
  state.counters["ratio"] = ratio;
  if (ratio > limit) state.SkipWithError("partly transparent pixels cost more than allowed");
}

void BM_AlphaPencilStrokeAgainstPlain(benchmark::State& state) {
  Compare(state, 1.5, [](Picture& picture) { return picture.StrokeSeconds(); });
}
BENCHMARK(BM_AlphaPencilStrokeAgainstPlain)->Iterations(9)->Unit(benchmark::kMillisecond);

void BM_AlphaRecompositionAgainstPlain(benchmark::State& state) {
  Compare(state, 2.0, [](Picture& picture) { return picture.RecompositionSeconds(); });
}
BENCHMARK(BM_AlphaRecompositionAgainstPlain)->Iterations(9)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
