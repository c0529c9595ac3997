// Scaling a large picture down to an icon size when only a small part of it is visible: the
// work should follow the visible block, wherever it lies.

#include <benchmark/benchmark.h>

#include "files/rgba_resample.h"

namespace {

using namespace brindlex;

constexpr int kSourceEdge = 4096;
constexpr int kBlockEdge = 64;
constexpr int kOutputEdge = 256;

// A transparent 4096 x 4096 picture with one opaque 64 x 64 block whose top-left corner is at
// (left, top).
RgbaImage PictureWithBlock(int left, int top) {
  RgbaImage picture(kSourceEdge, kSourceEdge);
  for (int y = top; y < top + kBlockEdge; ++y)
    for (int x = left; x < left + kBlockEdge; ++x) {
      std::uint8_t* pixel = picture.At(x, y);
      pixel[0] = static_cast<std::uint8_t>(x);
      pixel[1] = static_cast<std::uint8_t>(y);
      pixel[2] = 0x80;
      pixel[3] = 0xFF;
    }
  return picture;
}

// Argument 0: the block at the top-left corner; 1: at the bottom-left; 2: at the bottom-right.
void BM_ResampleVisibleBlock(benchmark::State& state) {
  const int far = kSourceEdge - kBlockEdge;
  const int corner = static_cast<int>(state.range(0));
  const RgbaImage picture = PictureWithBlock(corner == 2 ? far : 0, corner == 0 ? 0 : far);
  for (auto _ : state) {
    RgbaImage scaled = ResampleRgba(picture, kOutputEdge, kOutputEdge);
    benchmark::DoNotOptimize(scaled.pixels.data());
  }
}
BENCHMARK(BM_ResampleVisibleBlock)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
