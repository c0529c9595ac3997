#include "edit/image_transforms.h"

#include <algorithm>

namespace brindlex {

void FlipPlane(Surface& plane, bool vertical) {
  const int w = plane.Width(), h = plane.Height();
  if (vertical) {
    for (int y = 0; y < h / 2; ++y)
      std::swap_ranges(plane.Row(y), plane.Row(y) + w, plane.Row(h - 1 - y));
  } else {
    for (int y = 0; y < h; ++y) std::reverse(plane.Row(y), plane.Row(y) + w);
  }
}

void RotatePlane(Surface& plane, bool clockwise) {
  const Surface old = plane;
  const int w = old.Width(), h = old.Height();
  plane.Resize(h, w);
  for (int y = 0; y < h; ++y) {
    const Color* row = old.Row(y);
    for (int x = 0; x < w; ++x) {
      if (clockwise) {
        plane.Row(x)[h - 1 - y] = row[x];
      } else {
        plane.Row(w - 1 - x)[y] = row[x];
      }
    }
  }
}

void MirrorPlane(Surface& plane, int index) {
  const int w = plane.Width(), h = plane.Height();
  switch (index) {
    case kMirrorLeftHalf:
      for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w; ++x) plane.Row(y)[x] = plane.Row(y)[w - 1 - x];
      break;
    case kMirrorRightHalf:
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w / 2; ++x) plane.Row(y)[x] = plane.Row(y)[w - 1 - x];
      break;
    case kMirrorTopHalf:
      for (int y = h / 2; y < h; ++y) std::copy_n(plane.Row(h - 1 - y), w, plane.Row(y));
      break;
    case kMirrorBottomHalf:
      for (int y = 0; y < h / 2; ++y) std::copy_n(plane.Row(h - 1 - y), w, plane.Row(y));
      break;
    default:
      break;
  }
}

void TransformPlanes(Surface& mask, Surface& image, int index) {
  for (Surface* plane : {&mask, &image}) {
    switch (index) {
      case kFlipHorizontal:
      case kFlipVertical:
        FlipPlane(*plane, index == kFlipVertical);
        break;
      case kRotateLeft:
      case kRotateRight:
        RotatePlane(*plane, index == kRotateRight);
        break;
      default:
        MirrorPlane(*plane, index);
        break;
    }
  }
}

}  // namespace brindlex
