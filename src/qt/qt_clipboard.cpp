#include "qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace brindlex::qt {

Surface SurfaceFromImage(const QImage& image) {
  if (image.isNull() || image.width() <= 0 || image.height() <= 0 ||
      static_cast<std::int64_t>(image.width()) * image.height() > kMaxClipboardPixels)
    return Surface();
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  if (argb.isNull()) return Surface();
  return ArgbOverWhite(reinterpret_cast<const std::uint32_t*>(argb.constBits()), argb.width(),
                       argb.height(), static_cast<int>(argb.bytesPerLine() / 4));
}

QImage ImageFromSurface(const Surface& surface) {
  QImage image(surface.Width(), surface.Height(), QImage::Format_RGB32);
  if (image.isNull()) return image;
  if (image.bytesPerLine() == surface.Width() * 4) {
    SurfaceToArgb(surface, reinterpret_cast<std::uint32_t*>(image.bits()));
  } else {
    for (int y = 0; y < surface.Height(); ++y) {
      Surface row(surface.Width(), 1);
      row.BitBlt(0, 0, surface.Width(), 1, surface, 0, y);
      SurfaceToArgb(row, reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
    }
  }
  return image;
}

bool QtClipboard::HasImage() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
  return data != nullptr && data->hasImage();
}

Surface QtClipboard::GetImage() {
  return SurfaceFromImage(QGuiApplication::clipboard()->image(QClipboard::Clipboard));
}

void QtClipboard::PutImage(const Surface& image) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear(QClipboard::Clipboard);
  clipboard->setImage(ImageFromSurface(image), QClipboard::Clipboard);
}

}  // namespace brindlex::qt
