#include "qt/qt_fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "qt/surface_view.h"

namespace brindlex::qt {
namespace {

// One line, as typed: no access-key markers, line breaks shown as blanks.
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QFont ToQFont(const FontChoice& font) {
  QFont q;
  if (!font.family.empty()) q.setFamily(FromUtf8(font.family));
  q.setPixelSize(std::max(font.pixel_size, 1));
  q.setBold(font.bold);
  q.setItalic(font.italic);
  q.setStyleStrategy(QFont::NoAntialias);
  // Qt leaves glyphs unhinted on high-resolution screens by default; a fixed choice keeps
  // the stamped pixels the same on every screen.
  q.setHintingPreference(QFont::PreferFullHinting);
  return q;
}

std::vector<std::string> QtFontRenderer::FontFamilies() const {
  std::vector<std::string> names;
  for (const QString& family : QFontDatabase::families()) names.push_back(family.toStdString());
  return names;
}

int QtFontRenderer::TextWidth(const FontChoice& font, const std::string& text) const {
  // Measured on an image like the one drawn into, so both agree on the glyphs.
  QImage device(1, 1, QImage::Format_RGBX8888);
  const QFontMetrics metrics(ToQFont(font), &device);
  return metrics.size(kTextFlags, FromUtf8(text)).width();
}

void QtFontRenderer::DrawText(Surface& target, const FontChoice& font, const std::string& text,
                              Color color) const {
  if (target.Width() <= 0 || target.Height() <= 0 || text.empty()) return;
  QImage image = WrapSurface(target).copy();
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(ToQFont(font));
    painter.setPen(ToQColor(color));
    painter.drawText(QRect(0, 0, target.Width(), target.Height()), kTextFlags, FromUtf8(text));
  }
  for (int y = 0; y < target.Height(); ++y) {
    const auto* source = reinterpret_cast<const Color*>(image.constScanLine(y));
    Color* row = target.Row(y);
    for (int x = 0; x < target.Width(); ++x) row[x] = source[x] & 0xFFFFFF;
  }
}

const QtFontRenderer& QtFontRenderer::Instance() {
  static const QtFontRenderer renderer;
  return renderer;
}

}  // namespace brindlex::qt
