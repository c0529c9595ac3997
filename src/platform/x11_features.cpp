#include "platform/x11_features.h"

namespace brindlex {

namespace {

constexpr char kHowToGetX11[] =
    "Para usarla, inicia Brindlex en una sesión X11, o en Wayland con XWayland activo.";

}  // namespace

std::string X11FeatureNotice(X11Feature feature) {
  switch (feature) {
    case X11Feature::kPointerConfinement:
      return std::string(
                 "Esta sesión Wayland no deja que Brindlex mueva el puntero: al elegir un "
                 "color arrastrando, el puntero puede salir de la paleta, y el color se toma "
                 "del borde más cercano.\r\n\r\n") +
             kHowToGetX11;
    case X11Feature::kScreenCapture:
      return std::string(
                 "Esta sesión Wayland no deja que Brindlex lea la pantalla: no se puede "
                 "capturar.\r\n\r\n") +
             kHowToGetX11;
  }
  return "";
}

bool X11FeatureNotices::Need(X11Feature feature) {
  if (available_) return true;
  due_[static_cast<std::size_t>(feature)] = true;
  return false;
}

void X11FeatureNotices::ShowDue(Ui& ui) {
  for (std::size_t i = 0; i < kFeatureCount; ++i) {
    if (!due_[i]) continue;
    due_[i] = false;
    if (shown_[i]) continue;
    shown_[i] = true;
    ui.ShowMessage(X11FeatureNotice(static_cast<X11Feature>(i)), kX11NoticeTitle,
                   MessageIcon::kInformation, MessageButtons::kOk);
  }
}

}  // namespace brindlex
