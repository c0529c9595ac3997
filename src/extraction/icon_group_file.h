#pragma once

// One icon of a file written out whole, as the file stores it: a group icon of a program or
// library made into an icon file, a frame of an animated cursor, an icon or cursor file.

#include <cstdint>
#include <vector>

#include "extraction/icon_library_group.h"

namespace brindlex {

struct IconGroupFile {
  // The whole icon or cursor container.
  std::vector<std::uint8_t> bytes;
  // A cursor container (type 2): a frame of an animated cursor or a cursor file, which keeps
  // its hot spots. Group icons of programs and libraries are always icons.
  bool cursor = false;
  // The numbers of the image resources a group names but the file lacks (or holds empty):
  // those images are left out of the icon file.
  std::vector<std::uint16_t> missing_images;
};

// Makes group `index` into an icon file holding every image of the group byte for byte as
// stored: the 6-byte header with the count of images found, one 16-byte directory entry per
// image (the group entry's first 12 bytes, then the offset of the image in the file) and
// the images in the group's order, each directly after the one before.
//
// An image is the bytes of its image resource. When the group gives a length of at least 1
// that the resource holds, only that many bytes are taken: a 16-bit library stores its
// resources padded to its alignment, so the group's length is the one that ends the image
// exactly. A length of 0, or one longer than the resource, is not trusted: the resource's
// own length is written (into the entry too), so no byte from outside the image resource is
// ever copied. An image whose resource is missing is left out and named in
// `missing_images`.
//
// False, with `file` unspecified, when there is no such group, its directory is damaged, no
// image of it is found, or its images together come to more than the whole file holds (a
// group naming one image many times over), which keeps the icon file within the size of
// the file it comes from.
bool BuildIconGroupFile(LibraryBytes& bytes, GroupIconResources& resources, int index,
                        IconGroupFile& file);

}  // namespace brindlex
