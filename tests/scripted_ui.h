#pragma once

#include <deque>
#include <string>
#include <vector>

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
    if (answers.empty()) return buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kCancel;
    MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<Message> messages;
  std::deque<MessageAnswer> answers;
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
