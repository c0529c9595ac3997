#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/frm_col_adj.h"
#include "forms/frm_grad.h"
#include "forms/frm_multi_icon_dialog.h"
#include "forms/frm_paste.h"
#include "platform/screen.h"
#include "platform/ui.h"

namespace brindlex::testing {

// A Ui that records every message and answers from a script (Cancel when it runs out).
class ScriptedUi : public Ui {
 public:
  struct Message {
    std::string text, title;
    MessageIcon icon;
    MessageButtons buttons;
  };

  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override {
    messages.push_back({text, title, icon, buttons});
    if (answers.empty())
      return buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kCancel;
    MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  FileDialogResult ShowFileDialog(const FileDialogSetup& setup, int& filter_index) override {
    dialogs.push_back(setup);
    if (file_answers.empty()) return {};
    FileDialogResult result = file_answers.front();
    file_answers.pop_front();
    if (result.Accepted) filter_index = chosen_filter_index;
    return result;
  }

  // The multi-image choice: picks the scripted row (Ok), or cancels for −1.
  void ShowMultiIconDialog(FrmMultiIconDialog& dialog) override {
    shown_rows = dialog.LstIcons.rows;
    const int row = pick_rows.empty() ? -1 : pick_rows.front();
    if (!pick_rows.empty()) pick_rows.pop_front();
    if (row < 0) return dialog.CmdCancel_Click();
    dialog.LstIcons.selected = row;
    dialog.CmdOk_Click();
  }

  void SetBusyPointer(BusyPointer pointer) override { pointers.push_back(pointer); }

  // The colour adjustment and gradient dialogs run their script (nothing: left as loaded).
  void ShowColorAdjustDialog(FrmColAdj& dialog) override {
    if (color_adjust_script) color_adjust_script(dialog);
  }
  void ShowGradientDialog(FrmGrad& dialog) override {
    if (gradient_script) gradient_script(dialog);
  }
  // The colour dialog: records what it was opened with, lets the script edit the custom
  // colours, and answers the next scripted colour (cancel when there is none).
  ColorChoice ChooseColor(std::uint32_t initial,
                          std::array<std::uint32_t, 16>& custom_colors) override {
    color_dialogs.push_back({initial, custom_colors});
    if (custom_color_edit) custom_color_edit(custom_colors);
    if (color_answers.empty() || !color_answers.front()) {
      if (!color_answers.empty()) color_answers.pop_front();
      return {false, initial};
    }
    const Color answer = *color_answers.front();
    color_answers.pop_front();
    return {true, answer};
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
  void DoEvents() override { ++pumps; }
  void RepaintCanvas() override { ++repaints; }
  void RepaintWindows() override { ++window_repaints; }
  // The icon extraction: runs the scripted user's actions on the form; without a script the
  // window is left as it opened, which reads as cancelled.
  void ShowExtractDialog(FrmIcons& dialog) override {
    ++extract_dialogs;
    if (extract_script) extract_script(dialog);
  }
  std::function<void(FrmIcons&)> extract_script;
  int extract_dialogs = 0;

  // The accepted answer of a file dialog for a path.
  static FileDialogResult Chosen(const std::string& path) {
    return {path, path.substr(path.rfind('/') + 1), true};
  }

  std::vector<Message> messages;
  std::deque<MessageAnswer> answers;
  std::vector<FileDialogSetup> dialogs;
  std::deque<FileDialogResult> file_answers;
  int chosen_filter_index = 1;
  std::deque<int> pick_rows;
  std::vector<IconListRow> shown_rows;
  std::vector<BusyPointer> pointers;
  std::function<void(FrmColAdj&)> color_adjust_script;
  std::function<void(FrmGrad&)> gradient_script;
  struct ColorDialog {
    Color initial;
    std::array<Color, 16> custom_colors;
  };
  std::vector<ColorDialog> color_dialogs;
  std::function<void(std::array<Color, 16>&)> custom_color_edit;
  std::deque<std::optional<Color>> color_answers;
  std::deque<int> paste_options;
  int paste_dialogs = 0;
  int paste_dialog_option_on_open = -1;
  int pumps = 0;
  int repaints = 0;
  int window_repaints = 0;
};

// A display of a chosen depth and size.
class FixedScreen : public Screen {
 public:
  explicit FixedScreen(int bits = 24, int width = 1024, int height = 768)
      : bits_(bits), width_(width), height_(height) {}
  int BitsPerPixel() const override { return bits_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }

 private:
  int bits_, width_, height_;
};

}  // namespace brindlex::testing
