#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "forms/form_ui.h"
#include "forms/frm_col_adj.h"
#include "forms/frm_grad.h"
#include "forms/frm_hot_spot.h"
#include "forms/frm_multi_icon_dialog.h"
#include "forms/frm_paste.h"
#include "scripted_ui_on.h"

namespace brindlex::testing {

// The scripted Ui with the dialog forms: each form runs what the test scripted for it.
class ScriptedUi : public ScriptedUiOn<FormUi> {
 public:
  // The multi-image choice: picks the scripted row (Ok), or cancels for −1.
  void ShowMultiIconDialog(FrmMultiIconDialog& dialog) override {
    shown_rows = dialog.LstIcons.rows;
    const int row = pick_rows.empty() ? -1 : pick_rows.front();
    if (!pick_rows.empty()) pick_rows.pop_front();
    if (row < 0) return dialog.CmdCancel_Click();
    dialog.LstIcons.selected = row;
    dialog.CmdOk_Click();
  }

  // The colour adjustment and gradient dialogs run their script (nothing: left as loaded).
  void ShowColorAdjustDialog(FrmColAdj& dialog) override {
    if (color_adjust_script) color_adjust_script(dialog);
  }
  void ShowGradientDialog(FrmGrad& dialog) override {
    if (gradient_script) gradient_script(dialog);
  }
  // The paste options: answers the scripted option (0 or 1, Ok) or cancels for −1 and when
  // the script has run out.
  void ShowPasteDialog(FrmPaste& dialog) override {
    ++paste_dialogs;
    paste_dialog_option_on_open = dialog.SelectedOption;
    const int option = paste_options.empty() ? -1 : paste_options.front();
    if (!paste_options.empty()) paste_options.pop_front();
    if (option < 0) return dialog.CmdCancel_Click();
    dialog.OptPaste_Click(option);
    dialog.CmdOk_Click();
  }
  // The icon extraction: runs the scripted user's actions on the form; without a script the
  // window is left as it opened, which reads as cancelled.
  void ShowExtractDialog(FrmIcons& dialog) override {
    ++extract_dialogs;
    if (extract_script) extract_script(dialog);
  }
  std::function<void(FrmIcons&)> extract_script;
  int extract_dialogs = 0;
  // The hot spot dialog: keeps the canvas copy it shows, then runs the scripted user's
  // actions; without a script it reads as cancelled.
  void ShowHotSpotDialog(FrmHotSpot& dialog) override {
    ++hot_spot_dialogs;
    hot_spot_canvas = dialog.PicCursor;
    if (hot_spot_script) hot_spot_script(dialog);
  }
  std::function<void(FrmHotSpot&)> hot_spot_script;
  int hot_spot_dialogs = 0;
  Surface hot_spot_canvas;

  std::deque<int> pick_rows;
  std::vector<IconListRow> shown_rows;
  std::function<void(FrmColAdj&)> color_adjust_script;
  std::function<void(FrmGrad&)> gradient_script;
  std::deque<int> paste_options;
  int paste_dialogs = 0;
  int paste_dialog_option_on_open = -1;
};

}  // namespace brindlex::testing
