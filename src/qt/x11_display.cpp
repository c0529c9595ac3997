#include "qt/x11_display.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace brindlex::qt {
namespace {

struct DisplayInfo {
  int depth = 0, width = 0, height = 0;
};

DisplayInfo ReadDisplay() {
  DisplayInfo info;
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return info;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return info;
  const int screen = DefaultScreen(display);
  info = {DefaultDepth(display, screen), DisplayWidth(display, screen),
          DisplayHeight(display, screen)};
  XCloseDisplay(display);
  return info;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n' || text[i] == '\r') {
      lines.emplace_back();
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

struct Button {
  std::string label;
  MessageAnswer answer;
  int x = 0, y = 0, w = 75, h = 23;
  bool Hit(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

std::vector<Button> ButtonsFor(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOkCancel:
      return {{"OK", MessageAnswer::kOk}, {"Cancel", MessageAnswer::kCancel}};
    case MessageButtons::kYesNo:
      return {{"Yes", MessageAnswer::kYes}, {"No", MessageAnswer::kNo}};
    case MessageButtons::kYesNoCancel:
      return {{"Yes", MessageAnswer::kYes},
              {"No", MessageAnswer::kNo},
              {"Cancel", MessageAnswer::kCancel}};
    case MessageButtons::kOk:
      break;
  }
  return {{"OK", MessageAnswer::kOk}};
}

}  // namespace

int X11DisplayDepth() { return ReadDisplay().depth; }

int X11Screen::BitsPerPixel() const { return ReadDisplay().depth; }
int X11Screen::Width() const { return ReadDisplay().width; }
int X11Screen::Height() const { return ReadDisplay().height; }

MessageAnswer X11MessageUi::ShowMessage(const std::string& text, const std::string& title,
                                        MessageIcon icon, MessageButtons buttons) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return MessageAnswer::kCancel;
  const int screen = DefaultScreen(display);
  const unsigned long black = BlackPixel(display, screen), white = WhitePixel(display, screen);
  XFontStruct* font = XLoadQueryFont(display, "fixed");
  const int line_height = font ? font->ascent + font->descent + 2 : 15;
  const int ascent = font ? font->ascent : 11;

  const std::vector<std::string> lines = SplitLines(text);
  int text_width = 0;
  for (const std::string& line : lines)
    text_width = std::max(text_width, font ? XTextWidth(font, line.c_str(), line.size())
                                           : static_cast<int>(line.size()) * 6);
  std::vector<Button> choices = ButtonsFor(buttons);
  const int icon_space = icon == MessageIcon::kNone ? 0 : 48;
  const int buttons_width = static_cast<int>(choices.size()) * 85 - 10;
  const int width = std::max(icon_space + text_width + 30, buttons_width + 30);
  const int text_height = static_cast<int>(lines.size()) * line_height;
  const int height = std::max(text_height, 32) + 70;
  int x = (width - buttons_width) / 2;
  for (Button& b : choices) {
    b.x = x;
    b.y = height - 35;
    x += 85;
  }

  Window window = XCreateSimpleWindow(
      display, RootWindow(display, screen), (DisplayWidth(display, screen) - width) / 2,
      (DisplayHeight(display, screen) - height) / 3, width, height, 1, black, white);
  XStoreName(display, window, title.c_str());
  XSizeHints* hints = XAllocSizeHints();
  hints->flags = PMinSize | PMaxSize;
  hints->min_width = hints->max_width = width;
  hints->min_height = hints->max_height = height;
  XSetWMNormalHints(display, window, hints);
  XFree(hints);
  Atom delete_window = XInternAtom(display, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display, window, &delete_window, 1);
  XSelectInput(display, window, ExposureMask | ButtonPressMask | KeyPressMask);
  XMapRaised(display, window);
  GC gc = XCreateGC(display, window, 0, nullptr);
  if (font) XSetFont(display, gc, font->fid);

  MessageAnswer answer = choices.back().answer;
  for (bool done = false; !done;) {
    XEvent event;
    XNextEvent(display, &event);
    switch (event.type) {
      case Expose: {
        XSetForeground(display, gc, black);
        if (icon != MessageIcon::kNone) {
          // A round sign with a cross, the usual mark of an error box.
          XFillArc(display, window, gc, 15, 15, 32, 32, 0, 360 * 64);
          XSetForeground(display, gc, white);
          XDrawLine(display, window, gc, 23, 23, 39, 39);
          XDrawLine(display, window, gc, 39, 23, 23, 39);
          XSetForeground(display, gc, black);
        }
        int y = 20 + ascent;
        for (const std::string& line : lines) {
          XDrawString(display, window, gc, 15 + icon_space, y, line.c_str(), line.size());
          y += line_height;
        }
        for (const Button& b : choices) {
          XDrawRectangle(display, window, gc, b.x, b.y, b.w, b.h);
          const int label_width =
              font ? XTextWidth(font, b.label.c_str(), b.label.size()) : 6 * b.label.size();
          XDrawString(display, window, gc, b.x + (b.w - label_width) / 2, b.y + 16, b.label.c_str(),
                      b.label.size());
        }
        break;
      }
      case ButtonPress:
        for (const Button& b : choices)
          if (b.Hit(event.xbutton.x, event.xbutton.y)) {
            answer = b.answer;
            done = true;
          }
        break;
      case KeyPress: {
        const KeySym key = XLookupKeysym(&event.xkey, 0);
        if (key == XK_Return || key == XK_KP_Enter || key == XK_space) {
          answer = choices.front().answer;
          done = true;
        } else if (key == XK_Escape) {
          done = true;
        }
        break;
      }
      case ClientMessage:
        if (static_cast<Atom>(event.xclient.data.l[0]) == delete_window) done = true;
        break;
      default:
        break;
    }
  }
  if (font) XFreeFont(display, font);
  XFreeGC(display, gc);
  XDestroyWindow(display, window);
  XCloseDisplay(display);
  return answer;
}

}  // namespace brindlex::qt
