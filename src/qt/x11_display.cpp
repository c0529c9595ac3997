#include "qt/x11_display.h"

// Before Xlib, whose macros would clash with the editor's names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "platform/message_box_parts.h"

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

// A line of UTF-8 text as the Latin-1 bytes of the box's font; characters beyond Latin-1
// become "?".
std::string Latin1(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size() &&
               (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
      out +=
          static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
      i += 2;
    } else {
      out += '?';
      // Skip the rest of the character's bytes.
      for (++i; i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;) ++i;
    }
  }
  return out;
}

struct BoxButton {
  std::string label;  // Latin-1
  MessageAnswer answer;
  int x = 0, y = 0, w = 75, h = 23;
  bool Hit(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

// The sign as an image of the display's own pixels, its colours taken from the default
// colour map (the nearest the display has where it cannot hold them all).
XImage* SignImage(Display* display, int screen, const Surface& sign) {
  Visual* visual = DefaultVisual(display, screen);
  const int depth = DefaultDepth(display, screen);
  const Colormap colormap = DefaultColormap(display, screen);
  XImage* image =
      XCreateImage(display, visual, depth, ZPixmap, 0, nullptr, sign.Width(), sign.Height(), 32, 0);
  if (image == nullptr) return nullptr;
  image->data = static_cast<char*>(
      std::malloc(static_cast<std::size_t>(image->bytes_per_line) * sign.Height()));
  if (image->data == nullptr) {
    XDestroyImage(image);
    return nullptr;
  }
  std::map<Color, unsigned long> pixels;
  for (int y = 0; y < sign.Height(); ++y)
    for (int x = 0; x < sign.Width(); ++x) {
      const Color c = sign.GetPixel(x, y);
      auto found = pixels.find(c);
      if (found == pixels.end()) {
        XColor wanted{};
        wanted.red = static_cast<unsigned short>((c & 0xFF) * 257);
        wanted.green = static_cast<unsigned short>(((c >> 8) & 0xFF) * 257);
        wanted.blue = static_cast<unsigned short>(((c >> 16) & 0xFF) * 257);
        wanted.flags = DoRed | DoGreen | DoBlue;
        const bool light = (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) >= 3 * 128;
        const unsigned long pixel =
            XAllocColor(display, colormap, &wanted)
                ? wanted.pixel
                : (light ? WhitePixel(display, screen) : BlackPixel(display, screen));
        found = pixels.emplace(c, pixel).first;
      }
      XPutPixel(image, x, y, found->second);
    }
  return image;
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
  const auto text_width = [font](const std::string& latin1) {
    return font ? XTextWidth(font, latin1.c_str(), static_cast<int>(latin1.size()))
                : static_cast<int>(latin1.size()) * 6;
  };

  std::vector<std::string> lines = SplitLines(text);
  for (std::string& line : lines) line = Latin1(line);
  int widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, text_width(line));
  std::vector<BoxButton> choices;
  for (const MessageButton& button : MessageButtonsOf(buttons))
    choices.push_back({Latin1(button.label), button.answer});
  const Surface sign = MessageSign(icon, kWhite);
  const int sign_space = sign.Width() > 0 ? sign.Width() + 16 : 0;
  const int buttons_width = static_cast<int>(choices.size()) * 85 - 10;
  const int width = std::max(sign_space + widest + 30, buttons_width + 30);
  const int text_height = static_cast<int>(lines.size()) * line_height;
  const int height = std::max(text_height, kMessageSignEdge) + 70;
  int x = (width - buttons_width) / 2;
  for (BoxButton& b : choices) {
    b.x = x;
    b.y = height - 35;
    x += 85;
  }

  Window window = XCreateSimpleWindow(
      display, RootWindow(display, screen), (DisplayWidth(display, screen) - width) / 2,
      (DisplayHeight(display, screen) - height) / 3, width, height, 1, black, white);
  XStoreName(display, window, Latin1(title).c_str());
  // The title as it is, for window managers that read UTF-8.
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title.c_str()),
                  static_cast<int>(title.size()));
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
  XImage* sign_image = sign.Width() > 0 ? SignImage(display, screen, sign) : nullptr;

  MessageAnswer answer = choices.back().answer;
  for (bool done = false; !done;) {
    XEvent event;
    XNextEvent(display, &event);
    switch (event.type) {
      case Expose: {
        if (sign_image != nullptr)
          XPutImage(display, window, gc, sign_image, 0, 0, 15, 15, sign.Width(), sign.Height());
        XSetForeground(display, gc, black);
        int y = 20 + ascent;
        for (const std::string& line : lines) {
          XDrawString(display, window, gc, 15 + sign_space, y, line.c_str(),
                      static_cast<int>(line.size()));
          y += line_height;
        }
        for (const BoxButton& b : choices) {
          XDrawRectangle(display, window, gc, b.x, b.y, b.w, b.h);
          XDrawString(display, window, gc, b.x + (b.w - text_width(b.label)) / 2, b.y + 16,
                      b.label.c_str(), static_cast<int>(b.label.size()));
        }
        break;
      }
      case ButtonPress:
        for (const BoxButton& b : choices)
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
  if (sign_image != nullptr) XDestroyImage(sign_image);
  if (font) XFreeFont(display, font);
  XFreeGC(display, gc);
  XDestroyWindow(display, window);
  XCloseDisplay(display);
  return answer;
}

}  // namespace brindlex::qt
