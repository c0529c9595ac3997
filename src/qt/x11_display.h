#pragma once

#include <string>

#include "platform/screen.h"
#include "platform/ui.h"

namespace brindlex::qt {

// The bits per pixel of the X display named by DISPLAY, or 0 when there is none. Read
// before Qt starts, because Qt cannot paint its widgets on displays of 8 bits or fewer.
int X11DisplayDepth();

// The X display's size and depth, for a start that ends before Qt is up.
class X11Screen : public Screen {
 public:
  int BitsPerPixel() const override;
  int Width() const override;
  int Height() const override;
};

// Message boxes drawn with plain Xlib, which works at every colour depth: the title on the
// window frame, the text with its line breaks, the sign of the message kind and the buttons,
// in Spanish (MessageButtonsOf, MessageSign).
class X11MessageUi : public Ui {
 public:
  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override;
};

}  // namespace brindlex::qt
