#pragma once

// What the benchmarks of the main form share: a plain display and a loaded form with a
// blank icon.

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

}  // namespace brindlex::bench
