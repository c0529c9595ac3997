#pragma once

#include "pixels/surface.h"

namespace brindlex {

// How the grey level S / 1000 becomes a whole number: the whole icon rounds it to the
// nearest integer with ties to even (127.5 and 128.5 both give 128); a selection truncates.
enum class GreyRounding { kNearestEven, kTruncate };

// The grey of a colour 0x00BBGGRR: g = (222 R + 707 G + 71 B) / 1000 rounded as asked,
// returned as (g, g, g). White stays white and black stays black.
Color GreyOf(Color c, GreyRounding rounding);

// Both operations change the colour of opaque pixels only: a pixel whose mask value is
// white 0xFFFFFF (transparent or inverting) is skipped, and the mask is never changed.
// They run over the pixels both planes share.
//
// Each channel becomes 255 − channel; inverting twice restores the colours.
void InvertColors(const Surface& mask, Surface& image);
// Each opaque pixel becomes its grey.
void GreyScale(const Surface& mask, Surface& image, GreyRounding rounding);

}  // namespace brindlex
