// Fuzzes saving an edited image back into a multi-image icon file whose bytes are fuzzed.
// The first two input bytes choose the image replaced, the edited image's size and its
// colour depth; the rest is the source file. A rewrite that succeeds must keep every other
// image byte for byte, in order and without gaps, and must decode back to the edited planes.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "files/color_depth.h"
#include "files/file_bytes.h"
#include "files/icon_decoder.h"
#include "files/icon_writer.h"
#include "forms/silent_ui.h"

namespace {

using namespace brindlex;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// An edited image of the given edge whose colours need the given colour count.
void MakePlanes(int edge, int color_count, Surface& mask, Surface& color) {
  mask = Surface(edge, edge, kBlack);
  color = Surface(edge, edge, kBlack);
  for (int y = 0; y < edge; ++y)
    for (int x = 0; x < edge; ++x) {
      const int n = x + y * edge;
      Color c = (n % 3) ? kWhite : kBlack;
      if (color_count == 16) c = (n % 5) ? 0x0000FF : 0x808000;
      if (color_count == 256) c = static_cast<Color>(0x010203 * (n % 200 + 1));
      if (color_count == -1) c = static_cast<Color>(n * 2654435761u) & 0xFFFFFF;
      color.SetPixel(x, y, c);
      if (n % 7 == 0) mask.SetPixel(x, y, kWhite);
    }
}

std::string TempPath(const char* what) {
  return "/tmp/fuzz_replace_icon." + std::to_string(::getpid()) + "." + what + ".ico";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  static constexpr int kEdges[] = {16, 32, 48};
  static constexpr int kCounts[] = {2, 16, 256, -1};
  const int edge = kEdges[(data[1] & 3) % 3];
  const int color_count = kCounts[(data[1] >> 2) & 3];
  MultiImageState state;
  state.SourceIndex = data[0] % 8;
  state.SourceWidth = state.SourceHeight = edge;
  state.FromMultiIconFile = true;
  const IconFileBytes source(data + 2, size - 2);

  Surface mask, color;
  MakePlanes(edge, color_count, mask, color);
  const int depth = ChooseColorDepth(color, true);

  std::vector<std::uint8_t> out;
  std::string error;
  const bool ok = BuildReplacedIconFileBytes(source, mask, color, depth, state, out, error);
  if (ok) {
    const int count = ReadI16(source.data() + kHeaderCount);
    Check(std::equal(out.begin(), out.begin() + 6, source.begin()));
    std::uint64_t expected = EntryOffset(count);
    int k = 0;
    for (int i = -1; i < count; ++i) {
      if (i == state.SourceIndex) continue;
      const std::uint8_t* entry = out.data() + EntryOffset(k++);
      Check(ReadU32(entry + kEntryImageOffset) == expected);
      const std::uint32_t length = ReadU32(entry + kEntryBytesInResource);
      Check(RangeInside(expected, length, out.size()));
      if (i >= 0) {
        const std::uint8_t* old_entry = source.data() + EntryOffset(i);
        Check(std::equal(out.data() + expected, out.data() + expected + length,
                         source.data() + ReadU32(old_entry + kEntryImageOffset)));
      }
      expected += length;
    }
    Check(expected == out.size());
    Surface mask2, color2;
    Check(DecodeIconEntry(out, 0, edge, edge, mask2, color2));
    Check(mask2.SamePixels(mask) && color2.SamePixels(color));
  } else {
    Check(!error.empty() && out.empty());
  }

  // Once in a while the same through files, saving in place.
  if ((data[0] & 0xF0) == 0x50) {
    const std::string path = TempPath("source");
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
      std::fwrite(source.data(), 1, source.size(), file);
      std::fclose(file);
      SilentUi ui;
      const bool saved = ReplaceIconInFile(mask, color, depth, path, "", state, ui);
      Check(saved == ok && ui.messages == (ok ? 0 : 1));
      std::vector<std::uint8_t> after;
      Check(ReadFileBytes(path, kMaxIconFileBytes, after));
      Check(ok ? after == out
               : std::equal(after.begin(), after.end(), source.begin(), source.end()));
    }
  }
  return 0;
}
