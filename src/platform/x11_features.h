#pragma once

// The features that need an X display, and what the editor says when the display it runs on
// cannot give them (a Wayland session without XWayland): the pointer can be neither kept
// inside a control nor moved, and the screen cannot be read.

#include <array>
#include <string>

#include "platform/ui.h"

namespace brindlex {

enum class X11Feature {
  kPointerConfinement,  // keeping the pointer inside a palette while a colour is picked
  kScreenCapture,       // reading the screen's pixels
};

// Title of the notices.
constexpr char kX11NoticeTitle[] = "Brindlex - Aviso";

// The notice for a feature, lines broken with CR LF.
std::string X11FeatureNotice(X11Feature feature);

// Which features failed on this run and which notices were shown. Each notice is shown once
// per run, and only after the action that needed the feature is over (a message box in the
// middle of a drag would take the mouse away from it).
class X11FeatureNotices {
 public:
  explicit X11FeatureNotices(bool x11_available = true) : available_(x11_available) {}

  bool Available() const { return available_; }
  void SetAvailable(bool available) { available_ = available; }

  // Records that the feature was needed now. True when the display gives it (the caller goes
  // on); False when it does not, in which case its notice is due.
  bool Need(X11Feature feature);
  // Shows through `ui` every notice that is due and was not shown before on this run.
  void ShowDue(Ui& ui);

 private:
  static constexpr std::size_t kFeatureCount = 2;
  bool available_;
  std::array<bool, kFeatureCount> due_{};
  std::array<bool, kFeatureCount> shown_{};
};

}  // namespace brindlex
