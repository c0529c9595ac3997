#include "qt/dialog_font.h"

#include <QFontMetrics>
#include <algorithm>

namespace brindlex::qt {
namespace {

constexpr int kClassicPixels = 11;
constexpr int kSmallestPixels = 8;

bool AllFit(const QFont& font, const std::vector<PrintedText>& printed) {
  const QFontMetrics metrics(font);
  return std::all_of(printed.begin(), printed.end(), [&](const PrintedText& p) {
    return p.room <= 0 || metrics.horizontalAdvance(QString::fromStdString(p.text)) <= p.room;
  });
}

}  // namespace

QFont ClassicDialogFont() {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kClassicPixels);
  return font;
}

QFont FontFitting(QFont font, const std::vector<PrintedText>& printed) {
  if (font.pixelSize() <= 0) font.setPixelSize(QFontMetrics(font).height());
  while (font.pixelSize() > kSmallestPixels && !AllFit(font, printed))
    font.setPixelSize(font.pixelSize() - 1);
  return font;
}

}  // namespace brindlex::qt
