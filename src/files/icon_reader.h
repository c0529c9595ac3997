#pragma once

// Reading icon files: checking a file, counting its images, listing them for the user and
// decoding one image into a mask plane and a colour plane.
//
// Every function exists twice: on a path (the file is read whole, at most kMaxIconFileBytes,
// and closed again within the call) and on the file's bytes. Every offset, count and size
// is checked against the real length; damaged bytes give the stated failure, never a read
// outside the bytes.

#include <string>

#include "files/decode_surfaces.h"
#include "files/icon_format.h"
#include "files/icon_image_list.h"
#include "files/multi_image_state.h"
#include "pixels/surface.h"
#include "platform/ui.h"

namespace brindlex {

// True when the header and the first directory entry describe an icon: image count (signed
// 16 bits) above 0, reserved 0, type 1 (a cursor is not an icon), entry reserved 0, bytes in
// resource and image offset (signed 32 bits) above 0. A width or height byte of 0 stands for
// 256 pixels and is accepted: the size checks of opening then refuse such an image with the
// size message. False when the file cannot be read. Shows nothing.
bool IsValidIconFile(IconFileBytes bytes);
bool IsValidIconFile(const std::string& path);

// The header's image count when above 0 (read as signed 16 bits), else 0; 0 when the file
// cannot be read.
int GetIconImageCount(IconFileBytes bytes);
int GetIconImageCount(const std::string& path);

// Opens a one-image file as the editor does: checks the first image's size (bitmap header
// width, header height halved; or the PNG header; a side given as 0 there is taken from
// the directory entry, whose 0 means 256) and decodes entry 0 into `mask` and
// `color`. A size other than 16, 32 or 48, or a width other than the height, shows the size
// message; a read or decode fault shows the load-error message. Both through `ui`; on
// failure the planes are untouched and the result is false. An image decoded with alpha
// values other than 0 and 255 shows the soft-transparency warning and loads.
bool LoadSingleIcon(IconFileBytes bytes, Ui& ui, Surface& mask, Surface& color);
bool LoadSingleIcon(const std::string& path, Ui& ui, Surface& mask, Surface& color);

// Fills `list` with one row per image, in directory order, and selects row 0. Row text:
// width, " x ", height (the image's size as LoadSingleIcon reads it, so no row reads 0),
// then " ... Monochrome", " ... 16 Color", " ... 256 Color" or
// " ... True Color" by the bit count; item data 1, 4, 8, or 24 for every other bit count.
// PNG images list their PNG size as True Color. Shows nothing; on failure (an entry or an
// image header outside the file, a count below 1 or above the file's count) `list` is
// emptied and the result is false.
bool ListIconImages(IconFileBytes bytes, int image_count, IconImageList& list);
bool ListIconImages(const std::string& path, int image_count, IconImageList& list);

// The row texts for the images of a file, as ListIconImages builds them.
std::string IconListRowText(long long width, long long height, int bit_count);

// Decodes image `state.ChosenIndex`, which must be `ChosenWidth` x `ChosenHeight`, into
// `surfaces`. A size other than 16, 32 or 48 or a width other than the height shows the
// incompatibility message; any read or decode fault shows the load message. Both through
// `ui`; on failure both surfaces are released and the result is false. An image decoded
// with alpha values other than 0 and 255 shows the soft-transparency warning and loads.
bool DecodeIconImage(IconFileBytes bytes, const MultiImageState& state, DecodeSurfaces& surfaces,
                     Ui& ui);
bool DecodeIconImage(const std::string& path, const MultiImageState& state,
                     DecodeSurfaces& surfaces, Ui& ui);

}  // namespace brindlex
