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

const QCursor& ToolCursor(int tool) {
  // Kept for the whole run: cursors must not outlive the application's destruction order.
  static auto* const cursors = new std::array<std::optional<QCursor>, kToolCount>();
  if (tool < 0 || tool >= kToolCount) tool = 0;
  std::optional<QCursor>& cursor = (*cursors)[tool];
  if (!cursor) {
    const ToolPicture picture = ToolPointerPicture(tool);
    cursor.emplace(QPixmap::fromImage(ToolImage(picture)), picture.hot_x, picture.hot_y);
  }
  return *cursor;
}

void ShowCanvasPointer(QWidget* canvas, int tool) {
  static const char* const kShownTool = "brindlexPointerTool";
  const QVariant shown = canvas->property(kShownTool);
  if (shown.isValid() && shown.toInt() == tool) return;
  canvas->setCursor(ToolCursor(tool));
  canvas->setProperty(kShownTool, tool);
}

}  // namespace brindlex::qt
