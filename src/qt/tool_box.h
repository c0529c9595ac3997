#pragma once

#include <QCursor>
#include <QImage>

#include "document/tool_pictures.h"

class QToolButton;
class QWidget;

namespace brindlex::qt {

// A tool picture as an image whose see-through pixels are fully transparent.
QImage ToolImage(const ToolPicture& picture);

// Gives tool button `tool` its picture; the tool's name stays its text and tooltip.
void DecorateToolButton(QToolButton* button, int tool);

// A canvas pointer, built once from its picture and hot spot.
const QCursor& PointerCursor(CanvasPointer pointer);

// Shows `pointer` over the canvas (only touches the widget when it changes).
void ShowCanvasPointer(QWidget* canvas, CanvasPointer pointer);

}  // namespace brindlex::qt
