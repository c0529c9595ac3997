#include "edit/color_adjust.h"

#include <algorithm>

#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

bool TablesFit(const ColorTables& tables, int edge) {
  const std::size_t n = static_cast<std::size_t>(edge) * edge;
  return edge > 0 && tables[0].size() >= n && tables[1].size() >= n && tables[2].size() >= n;
}

// One channel's step: the working value moves, the applied value follows it within 0..255.
void StepChannel(int& work, int& adj, int step) {
  work += step;
  if (work >= 0 && work <= 255) adj = work;
}

}  // namespace

Color ColorOf(const ChannelValues& v) {
  return static_cast<Color>((v.red & 0xFF) | ((v.green & 0xFF) << 8) | ((v.blue & 0xFF) << 16));
}

void FillColorTables(const Surface& mask, const Surface& image, int edge, ColorTables& tables) {
  const std::size_t n = static_cast<std::size_t>(std::max(edge, 0)) * std::max(edge, 0);
  for (auto& table : tables) table.assign(n, ChannelValues{});
  for (int y = 0; y < edge; ++y)
    for (int x = 0; x < edge; ++x) {
      ChannelValues v{kNotOpaqueMarker, kNotOpaqueMarker, kNotOpaqueMarker};
      if (mask.GetPixel(x, y) == kBlack) {
        const Color c = image.GetPixel(x, y);
        v = {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
             static_cast<int>((c >> 16) & 0xFF)};
      }
      for (auto& table : tables) table[static_cast<std::size_t>(y) * edge + x] = v;
    }
}

void StepColorTables(ColorTables& tables, int channels, int step, int edge, Surface& preview) {
  if (!TablesFit(tables, edge)) return;
  for (int y = 0; y < edge; ++y)
    for (int x = 0; x < edge; ++x) {
      const std::size_t n = static_cast<std::size_t>(y) * edge + x;
      ChannelValues& work = tables[kWorkColors][n];
      ChannelValues& adj = tables[kAdjColors][n];
      if (channels & kRedChannel) StepChannel(work.red, adj.red, step);
      if (channels & kGreenChannel) StepChannel(work.green, adj.green, step);
      if (channels & kBlueChannel) StepChannel(work.blue, adj.blue, step);
      // The first governed channel tells an opaque pixel from a marked one.
      const int governed = (channels & kRedChannel)     ? adj.red
                           : (channels & kGreenChannel) ? adj.green
                                                        : adj.blue;
      if (governed != kNotOpaqueMarker) preview.SetPixel(x, y, ColorOf(adj));
    }
}

void ResetColorTables(ColorTables& tables, int edge, Surface& preview, Color background) {
  if (!TablesFit(tables, edge)) return;
  for (int y = 0; y < edge; ++y)
    for (int x = 0; x < edge; ++x) {
      const std::size_t n = static_cast<std::size_t>(y) * edge + x;
      const ChannelValues& orig = tables[kOrigColors][n];
      tables[kWorkColors][n] = orig;
      tables[kAdjColors][n] = orig;
      preview.SetPixel(x, y, orig.red == kNotOpaqueMarker ? background : ColorOf(orig));
    }
}

void WriteAdjustedColors(const ColorTables& tables, int edge, Surface& image) {
  if (!TablesFit(tables, edge)) return;
  for (int y = 0; y < edge; ++y)
    for (int x = 0; x < edge; ++x) {
      const ChannelValues& adj = tables[kAdjColors][static_cast<std::size_t>(y) * edge + x];
      if (adj.red != kNotOpaqueMarker && image.Contains(x, y))
        image.Row(y)[x] = Recolored(image.Row(y)[x], ColorOf(adj));
    }
}

}  // namespace brindlex
