#include "qt/qt_clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <algorithm>

#include "pixels/pixel_alpha.h"

namespace brindlex::qt {
namespace {

// The encoded picture types offered, best first: PNG, then BMP, then the others.
QStringList EncodedPictureFormats(const QMimeData& data) {
  QStringList formats;
  for (const QString& format : data.formats())
    if (format.startsWith(QLatin1String("image/"))) formats << format;
  const auto rank = [](const QString& format) {
    return format == QLatin1String("image/png") ? 0 : format.contains(QLatin1String("bmp")) ? 1 : 2;
  };
  std::stable_sort(formats.begin(), formats.end(),
                   [&](const QString& a, const QString& b) { return rank(a) < rank(b); });
  return formats;
}

// Room for the largest picture taken, decoded at four bytes a pixel, in megabytes.
constexpr int kDecodeLimitMegabytes = static_cast<int>(kMaxClipboardPixels * 4 / (1024 * 1024)) + 1;

}  // namespace

Surface SurfaceFromImage(const QImage& image) {
  if (image.isNull() || !ClipboardPictureFits(image.width(), image.height())) return Surface();
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  if (argb.isNull()) return Surface();
  return ArgbToSurface(reinterpret_cast<const std::uint32_t*>(argb.constBits()), argb.width(),
                       argb.height(), static_cast<int>(argb.bytesPerLine() / 4));
}

QImage ImageFromSurface(const Surface& surface) {
  const bool transparent =
      std::any_of(surface.Pixels().begin(), surface.Pixels().end(), IsTranslucent);
  QImage image(surface.Width(), surface.Height(),
               transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
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

Surface SurfaceFromMimeData(const QMimeData& data) {
  const QStringList formats = EncodedPictureFormats(data);
  for (const QString& format : formats) {
    QByteArray bytes = data.data(format);
    if (bytes.isEmpty()) continue;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The size comes from the header; a picture too large is refused before it is decoded,
    // and one whose size cannot be told first is not decoded at all.
    const QSize size = reader.size();
    if (!size.isValid()) continue;
    if (!ClipboardPictureFits(size.width(), size.height())) return Surface();
    reader.setAllocationLimit(kDecodeLimitMegabytes);
    QImage image;
    if (reader.read(&image)) return SurfaceFromImage(image);
  }
  if (!formats.isEmpty()) return Surface();
  // No encoded picture: one this program put there, held as a picture already.
  if (!data.hasImage()) return Surface();
  return SurfaceFromImage(qvariant_cast<QImage>(data.imageData()));
}

Surface QtClipboard::GetImage() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
  return data != nullptr ? SurfaceFromMimeData(*data) : Surface();
}

void QtClipboard::PutImage(const Surface& image) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear(QClipboard::Clipboard);
  clipboard->setImage(ImageFromSurface(image), QClipboard::Clipboard);
}

}  // namespace brindlex::qt
