#pragma once

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pixels/surface.h"
#include "platform/screen.h"
#include "platform/ui.h"

namespace brindlex::testing {

// A Ui that records every message and answers from a script (Cancel when it runs out), on
// UiType: Ui for the folders below the dialog forms, FormUi for the forms and above.
template <class UiType>
class ScriptedUiOn : public UiType {
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

  void SetBusyPointer(BusyPointer pointer) override { pointers.push_back(pointer); }
  // The colour dialog: records what it was opened with, lets the script edit the custom
  // colours, and answers the next scripted colour (cancel when there is none).
  Ui::ColorChoice ChooseColor(std::uint32_t initial,
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
  void DoEvents() override { ++pumps; }
  void RepaintCanvas() override { ++repaints; }
  void RepaintWindows() override { ++window_repaints; }

  // The accepted answer of a file dialog for a path.
  static FileDialogResult Chosen(const std::string& path) {
    return {path, path.substr(path.rfind('/') + 1), true};
  }

  std::vector<Message> messages;
  std::deque<MessageAnswer> answers;
  std::vector<FileDialogSetup> dialogs;
  std::deque<FileDialogResult> file_answers;
  int chosen_filter_index = 1;
  std::vector<BusyPointer> pointers;
  struct ColorDialog {
    Color initial;
    std::array<Color, 16> custom_colors;
  };
  std::vector<ColorDialog> color_dialogs;
  std::function<void(std::array<Color, 16>&)> custom_color_edit;
  std::deque<std::optional<Color>> color_answers;
  int pumps = 0;
  int repaints = 0;
  int window_repaints = 0;
};

// The scripted Ui of the folders below the dialog forms.
using ScriptedPlatformUi = ScriptedUiOn<Ui>;

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
