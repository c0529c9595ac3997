#pragma once

#include "document/tools.h"
#include "pixels/surface.h"

namespace brindlex {

// A small picture with see-through parts, in the icon planes' encoding: mask white where
// the picture is transparent, black where it shows image's colour. Pointer pictures also
// carry the hot spot, the pixel that points.
struct ToolPicture {
  Surface image;
  Surface mask;
  int hot_x = 0, hot_y = 0;

  bool Opaque(int x, int y) const { return mask.GetPixel(x, y) == kBlack; }
};

// Edge of every tool picture and pointer picture.
constexpr int kToolPictureSize = 16;

// The picture on tool button `tool` (0 to 11): a marquee, a pencil, an eraser, a dropper,
// a paint bucket, a line, and the six rectangle and ellipse forms (outline only, all one
// colour, black outline around a white inside).
ToolPicture ToolButtonPicture(int tool);

// A canvas pointer: cross hairs with an open centre, the pencil, eraser, dropper and bucket
// with their hot spots at the working tip, and the four-way arrow of a selection move.
ToolPicture ToolPointerPicture(CanvasPointer pointer);

}  // namespace brindlex
