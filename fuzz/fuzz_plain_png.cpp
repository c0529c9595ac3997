// Fuzzes the plain PNG decoder against libpng: any stream both decode comes out the same;
// whatever it refuses, it leaves its output untouched. The input's own header gives the size
// asked for, as the entry readers do.

#include <cstdint>
#include <vector>

#include "files/icon_png.h"
#include "files/plain_png_decoder.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brindlex;
  const std::span<const std::uint8_t> stream(data, size);
  std::uint32_t width = 0, height = 0;
  // The readers take pictures up to 4096 pixels a side.
  if (!ReadPngSize(stream, width, height) || width == 0 || height == 0 || width > 4096 ||
      height > 4096)
    return 0;
  const int w = static_cast<int>(width), h = static_cast<int>(height);
  std::vector<std::uint8_t> plain{1, 2, 3};
  if (!DecodePlainPng(stream, w, h, plain)) {
    Check(plain == std::vector<std::uint8_t>{1, 2, 3});
    return 0;
  }
  Check(plain.size() == static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
  std::vector<std::uint8_t> reference;
  if (DecodePngRgbaWithLibpng(stream, w, h, reference)) Check(plain == reference);
  return 0;
}
