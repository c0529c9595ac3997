#pragma once

// Which of Qt's display platforms the editor runs on. Pointer confinement and pointer
// warping need X11: Qt's Wayland platform cannot move the pointer. On a Wayland session that
// also offers an X display (XWayland), the editor therefore runs on X; without one it runs on
// Wayland and the features that need X11 say so when used.

#include <string>

namespace brindlex {

// The environment variables the choice reads; an unset variable is an empty string.
struct DisplayEnvironment {
  std::string wayland_display;  // WAYLAND_DISPLAY
  std::string display;          // DISPLAY
  std::string qt_qpa_platform;  // QT_QPA_PLATFORM
};

// The value to give QT_QPA_PLATFORM before Qt starts, or "" to leave it as it is:
//  - the user's own QT_QPA_PLATFORM, when set, is kept ("");
//  - a Wayland session (WAYLAND_DISPLAY set) with an X display (DISPLAY set) gives "xcb";
//  - a Wayland session without an X display gives "wayland";
//  - anything else is left to Qt (""), which shows on the X display.
std::string ChooseQtPlatform(const DisplayEnvironment& environment);

// Whether the Qt platform plugin of that name lets a program move the pointer, which pointer
// confinement and warping need: False for Wayland ("wayland", "wayland-egl", ...), True for
// the others.
bool PlatformCanMovePointer(const std::string& platform_name);

}  // namespace brindlex
