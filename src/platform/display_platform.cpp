#include "platform/display_platform.h"

namespace brindlex {

std::string ChooseQtPlatform(const DisplayEnvironment& environment) {
  if (!environment.qt_qpa_platform.empty()) return "";
  if (environment.wayland_display.empty()) return "";
  return environment.display.empty() ? "wayland" : "xcb";
}

bool PlatformCanMovePointer(const std::string& platform_name) {
  return platform_name.rfind("wayland", 0) != 0;
}

}  // namespace brindlex
