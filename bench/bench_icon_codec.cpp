// Decoding and encoding one 48 x 48 icon image at each depth, and the depth choice on a
// plane of 300 colours.

#include <benchmark/benchmark.h>

#include <vector>

#include "files/color_depth.h"
#include "files/icon_decoder.h"
#include "files/icon_format.h"
#include "files/icon_writer.h"

namespace {

using namespace brindlex;

constexpr int kEdge = 48;

// A 48 x 48 colour plane that needs the colour count (2, 16, 256 or -1 for true colour), with
// `others` distinct colours for the deeper ones.
Surface PlaneNeeding(int color_count, int others = 200) {
  Surface plane(kEdge, kEdge, kBlack);
  for (int n = 0; n < kEdge * kEdge; ++n) {
    Color c = (n % 3) ? kWhite : kBlack;
    if (color_count == 16) c = (n % 5) ? 0x0000FF : 0x808000;
    if (color_count == 256 || color_count == -1) c = 0x100001 + 7 * static_cast<Color>(n % others);
    plane.SetPixel(n % kEdge, n / kEdge, c);
  }
  return plane;
}

Surface Mask() {
  Surface mask(kEdge, kEdge, kBlack);
  for (int n = 0; n < kEdge * kEdge; n += 7) mask.SetPixel(n % kEdge, n / kEdge, kWhite);
  return mask;
}

// A one-image file of a 48 x 48 image at 32 bits with alpha.
std::vector<std::uint8_t> ThirtyTwoBitFile() {
  std::vector<std::uint8_t> file;
  BuildIconFileBytes(Mask(), PlaneNeeding(-1, 2000), -1, file);
  // Re-encode the pixel block as blue, green, red, alpha behind a 32-bit header.
  std::vector<std::uint8_t> out(file.begin(), file.begin() + 22 + 40);
  out[6 + 6] = 32;
  out[22 + 14] = 32;
  const std::size_t color_at = 22 + 40;
  for (int i = 0; i < kEdge * kEdge; ++i) {
    out.insert(out.end(), file.begin() + color_at + 3 * i, file.begin() + color_at + 3 * i + 3);
    out.push_back(static_cast<std::uint8_t>(i * 37));
  }
  out.insert(out.end(), file.begin() + color_at + 3 * kEdge * kEdge, file.end());
  WriteU32(out.data() + 6 + 8, static_cast<std::uint32_t>(out.size() - 22));
  return out;
}

void BM_DecodeIcon48(benchmark::State& state) {
  const int bits = static_cast<int>(state.range(0));
  std::vector<std::uint8_t> file;
  if (bits == 32) {
    file = ThirtyTwoBitFile();
  } else {
    const int count = bits == 1 ? 2 : bits == 4 ? 16 : bits == 8 ? 256 : -1;
    BuildIconFileBytes(Mask(), PlaneNeeding(count, bits == 24 ? 2000 : 200), count, file);
  }
  Surface mask, color;
  for (auto _ : state) {
    const bool ok = DecodeIconEntry(file, 0, kEdge, kEdge, mask, color);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(color.Row(0));
    if (!ok) state.SkipWithError("decode failed");
  }
}
BENCHMARK(BM_DecodeIcon48)->Arg(1)->Arg(4)->Arg(8)->Arg(24)->Arg(32)->Unit(benchmark::kMicrosecond);

void BM_EncodeIcon48(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const Surface color = PlaneNeeding(count, count == -1 ? 2000 : 200);
  const Surface mask = Mask();
  std::vector<std::uint8_t> file;
  for (auto _ : state) {
    const bool ok = BuildIconFileBytes(mask, color, count, file);
    benchmark::DoNotOptimize(file.data());
    if (!ok) state.SkipWithError("encode failed");
  }
}
BENCHMARK(BM_EncodeIcon48)->Arg(2)->Arg(16)->Arg(256)->Arg(-1)->Unit(benchmark::kMicrosecond);

void BM_ChooseColorDepth300Colors(benchmark::State& state) {
  const Surface color = PlaneNeeding(256, 300);
  for (auto _ : state) benchmark::DoNotOptimize(ChooseColorDepth(color, true));
}
BENCHMARK(BM_ChooseColorDepth300Colors)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
