// The effects' per-step work: one frame of the capture window over a full-HD screen, the
// button bevel, and cutting a pasted long text to the icon's width.
#include <benchmark/benchmark.h>

#include "effects/button_effect.h"
#include "effects/text_stamp.h"
#include "forms/frm_snap.h"
#include "platform/utf8_text.h"

namespace {

using namespace brindlex;

const ResourceBitmaps& Resources() {
  static const ResourceBitmaps resources = LoadedResourceBitmaps();
  return resources;
}

void BM_CaptureFrameTick(benchmark::State& state) {
  IconDocument document(Resources());
  document.MakeBlank(2);
  FrmSnap snap(document, 48);
  snap.Form_Load(Surface(1920, 1080, 0x336699));
  snap.Form_Activate();
  int x = 0;
  for (auto _ : state) {
    snap.Form_MouseMove(0, 0, x, x / 2);
    snap.Tmr_Timer();
    x = (x + 7) % 1800;
    benchmark::DoNotOptimize(snap.Frame.Row(0));
  }
}
BENCHMARK(BM_CaptureFrameTick);

void BM_MakeButton48(benchmark::State& state) {
  Surface mask(48, 48, kBlack), image(48, 48, kGrey);
  for (auto _ : state) {
    MakeButton(mask, image);
    benchmark::DoNotOptimize(image.Row(0));
  }
}
BENCHMARK(BM_MakeButton48);

// Fixed-width glyphs: every character three pixels wide.
class FixedFont : public FontRenderer {
 public:
  std::vector<std::string> FontFamilies() const override { return {"Fixed"}; }
  int TextWidth(const FontChoice&, const std::string& text) const override {
    return 3 * static_cast<int>(CharacterCount(text));
  }
  void DrawText(Surface&, const FontChoice&, const std::string&, Color) const override {}
};

void BM_FitPastedText(benchmark::State& state) {
  const FixedFont font;
  const std::string pasted(static_cast<std::size_t>(state.range(0)), 'W');
  for (auto _ : state) benchmark::DoNotOptimize(FitTextToWidth(font, FontChoice{}, pasted, 48));
}
BENCHMARK(BM_FitPastedText)->Arg(100)->Arg(10000);

}  // namespace

BENCHMARK_MAIN();
