#pragma once

// What the benchmarks of the main form share: a plain display, a loaded form with a blank
// icon, a one-pixel Pencil stroke and a timer for setting one step against another.

#include <chrono>

#include "app/frm_brindlex.h"
#include "forms/silent_ui.h"

namespace brindlex::bench {

// A 24-bit display of 1024 x 768 pixels.
class PlainScreen : public Screen {
 public:
  int BitsPerPixel() const override { return 24; }
  int Width() const override { return 1024; }
  int Height() const override { return 768; }
};

// A loaded main form, silent, with a blank icon of menu index size_index (2: 48 x 48).
struct LoadedForm {
  explicit LoadedForm(int size_index = 2) : form(ui, screen, StartupPaths{}) {
    form.Form_Load();
    form.MnuIconSize_Click(size_index);
  }
  SilentUi ui;
  PlainScreen screen;
  FrmBrindlex form;
};

// Canvas point at the centre of icon pixel p of a 48 x 48 icon (8 canvas pixels per pixel).
inline double At48(int p) { return p * 8 + 4; }

// One one-pixel Pencil stroke on a 48 x 48 icon: press, move and release on cell
// (p, 47 − p), committed as one step.
inline void PencilStroke(FrmBrindlex& form, int p) {
  form.PicMain_MouseDown(kLeftButton, 0, At48(p), At48(47 - p));
  form.PicMain_MouseMove(kLeftButton, 0, At48(p), At48(47 - p));
  form.PicMain_MouseUp(kLeftButton, 0, At48(p), At48(47 - p));
}

// Seconds per call of step, over enough calls to outlast the clock's grain.
template <typename Step>
double SecondsPerCall(Step step) {
  using Clock = std::chrono::steady_clock;
  constexpr int kCalls = 2000;
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < kCalls; ++i) step(i);
  return std::chrono::duration<double>(Clock::now() - start).count() / kCalls;
}

}  // namespace brindlex::bench
