#pragma once

#include <array>
#include <vector>

#include "document/icon_document.h"

namespace brindlex {

// The colour adjustment's three per-pixel tables, entry n = y · edge + x:
//   OrigColors  the colour when the adjustment started
//   WorkColors  the starting colour plus every step so far, not limited to 0..255
//   AdjColors   per channel, the last WorkColors value that lay within 0..255
// A pixel that is not opaque holds the marker 1000 in all three channels of all three
// tables; a step can never bring it into 0..255 (the sliders allow at most 102 steps of 5
// on one channel), so it is never painted nor written back.
using ColorTables = std::array<std::vector<ChannelValues>, 3>;
constexpr int kOrigColors = 0;
constexpr int kWorkColors = 1;
constexpr int kAdjColors = 2;
constexpr int kNotOpaqueMarker = 1000;

// The channels a slider governs.
constexpr int kRedChannel = 1;
constexpr int kGreenChannel = 2;
constexpr int kBlueChannel = 4;
constexpr int kAllChannels = kRedChannel | kGreenChannel | kBlueChannel;

// Fills all three tables (resized to edge · edge entries) from the planes: the pixel's
// (R, G, B) where the mask is black, the marker elsewhere.
void FillColorTables(const Surface& mask, const Surface& image, int edge, ColorTables& tables);

// One slider step of +5 or −5 on the given channels of every pixel (rows outer, columns
// inner); each opaque pixel's AdjColors colour is painted into preview at (x, y).
void StepColorTables(ColorTables& tables, int channels, int step, int edge, Surface& preview);

// Back to the starting colours: WorkColors and AdjColors take OrigColors, and the preview
// shows the starting colours with the pixels that are not opaque in background.
void ResetColorTables(ColorTables& tables, int edge, Surface& preview, Color background);

// Writes the AdjColors colour of every opaque pixel into the colour plane.
void WriteAdjustedColors(const ColorTables& tables, int edge, Surface& image);

// The colour 0x00BBGGRR of three channels within 0..255.
Color ColorOf(const ChannelValues& v);

}  // namespace brindlex
