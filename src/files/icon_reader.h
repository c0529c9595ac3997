#pragma once

// Reading icon files: checking a file, counting its images, listing them for the user and
// decoding one image into a mask plane and a colour plane.
//
// Every function works on the file's bytes, read once by the caller (ReadWholeFile, at most
// kMaxIconFileBytes). Every offset, count and size is checked against the real length;
// damaged bytes give the stated failure, never a read outside the bytes. Nothing here talks
// to the user: each result says what happened, and the command that asked shows it.

#include <string>

#include "files/decode_surfaces.h"
#include "files/icon_format.h"
#include "files/icon_image_list.h"
#include "pixels/surface.h"

namespace brindlex {

// How loading one image ended.
enum class IconLoadStatus {
  kLoaded,
  kWrongSize,  // the image is not 16, 32 or 48 pixels square; `width` and `height` say what
  kDamaged,    // an entry, a header or the pixel data cannot be read or decoded
};

struct IconLoadResult {
  IconLoadStatus status = IconLoadStatus::kDamaged;
  // The image's size as the file gives it (kWrongSize).
  long long width = 0;
  long long height = 0;
  // kLoaded: the image carried alpha values other than 0 and 255, and its partly transparent
  // pixels became opaque (alpha of 128 or more) or transparent. Never set when the alpha was
  // kept (AlphaRule::kKeep).
  bool soft_alpha = false;

  bool Loaded() const { return status == IconLoadStatus::kLoaded; }
};

// What loading does with an image whose alpha has values other than 0 and 255: make each such
// pixel opaque (alpha of 128 or more) or transparent, or keep it partly transparent in the
// colour plane (see pixels/pixel_alpha.h), as the editor's document holds it.
enum class AlphaRule { kThreshold, kKeep };

// True when the header and the first directory entry describe an icon: image count (signed
// 16 bits) above 0, reserved 0, type 1 (a cursor is not an icon), entry reserved 0, bytes in
// resource and image offset (signed 32 bits) above 0. A width or height byte of 0 stands for
// 256 pixels and is accepted: the size checks of opening then refuse such an image.
bool IsValidIconFile(IconFileBytes bytes);

// The header's image count when above 0 (read as signed 16 bits), else 0.
int GetIconImageCount(IconFileBytes bytes);

// Loads a one-image file as the editor does: checks the first image's size (bitmap header
// width, header height halved; or the PNG header; a side given as 0 there is taken from
// the directory entry, whose 0 means 256) and decodes entry 0 into `mask` and `color`, its
// partly transparent pixels by `alpha_rule`. An image whose entry cannot be decoded on its
// own (its length cuts its rows short) falls back to the threshold, and says so. On any
// result but kLoaded the planes are untouched.
IconLoadResult LoadSingleIcon(IconFileBytes bytes, Surface& mask, Surface& color,
                              AlphaRule alpha_rule = AlphaRule::kThreshold);

// Fills `list` with one row per image, in directory order, and selects row 0. Row text:
// width, " x ", height (the image's size as LoadSingleIcon reads it, so no row reads 0),
// then " ... Monochrome", " ... 16 Color", " ... 256 Color" or
// " ... True Color" by the bit count; item data 1, 4, 8, or 24 for every other bit count.
// PNG images list their PNG size as True Color. On failure (an entry or an image header
// outside the file, a count below 1 or above the file's count) `list` is emptied and the
// result is false.
bool ListIconImages(IconFileBytes bytes, int image_count, IconImageList& list);

// The row texts for the images of a file, as ListIconImages builds them.
std::string IconListRowText(long long width, long long height, int bit_count);

// Decodes image `index` (a row of the list above) into `surfaces`, its partly transparent
// pixels by `alpha_rule` as LoadSingleIcon does. kWrongSize for an image
// that is not 16, 32 or 48 pixels square, kDamaged for any read or decode fault; on either
// both surfaces are released.
IconLoadResult DecodeIconImage(IconFileBytes bytes, int index, DecodeSurfaces& surfaces,
                               AlphaRule alpha_rule = AlphaRule::kThreshold);

// Decodes image `index` at width x height, any size DecodeIconEntry takes, as it does, with
// its partly transparent pixels by `alpha_rule` (an entry that cannot be decoded on its own
// keeps the threshold). False on any fault; the planes are then left unchanged.
bool DecodeIconEntryByRule(IconFileBytes bytes, int index, int width, int height, Surface& mask,
                           Surface& color, AlphaRule alpha_rule);

}  // namespace brindlex
