#include "qt/palette_events.h"

#include "qt/pointer_confinement.h"
#include "qt/surface_view.h"

namespace brindlex::qt {
namespace {

using Handler = void (FrmBrindlex::*)(int, int, double, double);

struct PaletteHandlers {
  PaletteControl control;
  const Surface* client;
  Handler down, move, up;  // move may be null: the control has no move action
};

void Connect(FrmBrindlex& form, SurfaceView* view, const PaletteHandlers& handlers,
             const std::function<void()>& after_event) {
  if (view == nullptr) return;
  view->setCursor(Qt::CrossCursor);
  view->on_press = [&form, handlers, after_event](int b, int s, double x, double y) {
    (form.*handlers.down)(b, s, x, y);
    after_event();
  };
  view->on_move = [&form, view, handlers, after_event](int b, int s, double x, double y) {
    if (form.ConfinePointer == handlers.control) {
      const QPointF kept = KeepPointerInside(view, *handlers.client, x, y);
      x = kept.x();
      y = kept.y();
    }
    if (handlers.move == nullptr) return;
    (form.*handlers.move)(b, s, x, y);
    after_event();
  };
  view->on_release = [&form, handlers, after_event](int b, int s, double x, double y) {
    (form.*handlers.up)(b, s, x, y);
    after_event();
    DisplayNotices().ShowDue(form.UiRef());  // a confinement the display could not give
  };
}

}  // namespace

void ConnectPalettes(FrmBrindlex& form, const PaletteViews& views,
                     std::function<void()> after_event) {
  Connect(form, views.pal,
          {PaletteControl::kPicPal, &form.PicPal, &FrmBrindlex::PicPal_MouseDown,
           &FrmBrindlex::PicPal_MouseMove, &FrmBrindlex::PicPal_MouseUp},
          after_event);
  Connect(form, views.grey_pal,
          {PaletteControl::kPicGreyPal, &form.PicGreyPal, &FrmBrindlex::PicGreyPal_MouseDown,
           &FrmBrindlex::PicGreyPal_MouseMove, &FrmBrindlex::PicGreyPal_MouseUp},
          after_event);
  Connect(form, views.mini_pal,
          {PaletteControl::kPicMiniPal, &form.PicMiniPal, &FrmBrindlex::PicMiniPal_MouseDown,
           &FrmBrindlex::PicMiniPal_MouseMove, &FrmBrindlex::PicMiniPal_MouseUp},
          after_event);
  Connect(form, views.screen,
          {PaletteControl::kPicScreen, &form.PicScreen, &FrmBrindlex::PicScreen_MouseDown, nullptr,
           &FrmBrindlex::PicScreen_MouseUp},
          after_event);
}

}  // namespace brindlex::qt
