#pragma once

// Which stored image of an icon makes its thumbnail.

#include <vector>

#include "extraction/icon_library_group.h"

namespace brindlex {

// The images in the order they are tried for a thumbnail of `size` pixels, by the larger of
// each image's two sides ("edge"): first the images whose edge is at least `size`, smallest
// edge first; then the smaller ones, largest edge first. Among images of one edge the greater
// depth comes first, then the larger area, then the earlier image. So the first is the
// smallest image that needs no enlarging, else the largest there is.
std::vector<int> ThumbnailPreference(const std::vector<IconCandidate>& images, int size);

}  // namespace brindlex
