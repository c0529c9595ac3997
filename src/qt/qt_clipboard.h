#pragma once

#include <QImage>

#include "platform/clipboard.h"

class QMimeData;

namespace brindlex::qt {

// The desktop's clipboard (the CLIPBOARD selection, the one Ctrl+C and Ctrl+V use; never
// PRIMARY). Any picture format Qt can read is accepted (see SurfaceFromMimeData); a copy is offered
// as an image, which Qt hands to other programs as PNG, BMP and its other image types.
class QtClipboard : public Clipboard {
 public:
  bool HasImage() const override;
  Surface GetImage() override;
  void PutImage(const Surface& image) override;
};

// The picture a clipboard's content offers, as the core's opaque surface; an empty surface
// when there is none or it cannot be read. An encoded picture (PNG, BMP, ...) is refused by
// the size its header states, before any of it is decoded, when it would not fit
// ClipboardPictureFits.
Surface SurfaceFromMimeData(const QMimeData& data);
// A Qt picture as the core's surface: 0xAARRGGBB turned into 0xTTBBGGRR (TT = 255 − AA).
// An empty surface for a null picture or one over kMaxClipboardPixels.
Surface SurfaceFromImage(const QImage& image);
// A core surface as a Qt picture: opaque, or with an alpha channel when a pixel has a
// transparency.
QImage ImageFromSurface(const Surface& surface);

}  // namespace brindlex::qt
