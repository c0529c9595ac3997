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

// The canvas pointer of a tool, built once from its pointer picture and hot spot.
const QCursor& ToolCursor(int tool);

// Shows the pointer of `tool` over the canvas (only touches the widget when it changes).
void ShowCanvasPointer(QWidget* canvas, int tool);

}  // namespace brindlex::qt
