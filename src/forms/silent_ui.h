#pragma once

#include "forms/form_ui.h"

namespace brindlex {

// A Ui for runs without anybody to answer (benchmarks, fuzzing): messages are only
// counted, and every question gets the cautious answer (Cancel, or OK when that is the
// only button).
class SilentUi : public FormUi {
 public:
  MessageAnswer ShowMessage(const std::string&, const std::string&, MessageIcon,
                            MessageButtons buttons) override {
    ++messages;
    return buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kCancel;
  }
  int messages = 0;
};

}  // namespace brindlex
