#include "qt/tool_box.h"

#include <QPixmap>
#include <QToolButton>
#include <array>
#include <optional>

#include "app/window_layout.h"

namespace brindlex::qt {

QImage ToolImage(const ToolPicture& picture) {
  QImage image(picture.image.Width(), picture.image.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const Color c = picture.image.GetPixel(x, y);
      const int alpha = picture.Opaque(x, y) ? 255 : 0;
      image.setPixel(x, y, qRgba(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF, alpha));
    }
  return image;
}

void DecorateToolButton(QToolButton* button, int tool) {
  button->setIcon(QIcon(QPixmap::fromImage(ToolImage(ToolButtonPicture(tool)))));
  button->setIconSize(QSize(kToolPictureSize, kToolPictureSize));
  button->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

const QCursor& PointerCursor(CanvasPointer pointer) {
  // Kept for the whole run: cursors must not outlive the application's destruction order.
  constexpr int kPointerCount = static_cast<int>(CanvasPointer::kMove) + 1;
  static auto* const cursors = new std::array<std::optional<QCursor>, kPointerCount>();
  std::optional<QCursor>& cursor = (*cursors)[static_cast<int>(pointer)];
  if (!cursor) {
    const ToolPicture picture = ToolPointerPicture(pointer);
    cursor.emplace(QPixmap::fromImage(ToolImage(picture)), picture.hot_x, picture.hot_y);
  }
  return *cursor;
}

void ShowCanvasPointer(QWidget* canvas, CanvasPointer pointer) {
  static const char* const kShownPointer = "brindlexPointer";
  const QVariant shown = canvas->property(kShownPointer);
  if (shown.isValid() && shown.toInt() == static_cast<int>(pointer)) return;
  canvas->setCursor(PointerCursor(pointer));
  canvas->setProperty(kShownPointer, static_cast<int>(pointer));
}

}  // namespace brindlex::qt
