#pragma once

#include <string>
#include <vector>

#include "pixels/surface.h"
#include "platform/ui.h"

namespace brindlex {

// What a message box drawn by the editor itself (where the window toolkit cannot run) is
// made of: its buttons, in the editor's language, and the sign of its message kind.

// One button of a message box: its label (UTF-8) and the answer it gives.
struct MessageButton {
  std::string label;
  MessageAnswer answer;
};

// The buttons of a set, left to right: "Aceptar", "Cancelar", "Sí", "No".
std::vector<MessageButton> MessageButtonsOf(MessageButtons buttons);

// The edge of a message sign, in pixels.
constexpr int kMessageSignEdge = 32;

// The sign of a message kind, kMessageSignEdge square over `background`: a red disc with a
// white cross (kCritical), a yellow triangle with a black exclamation mark (kExclamation), a
// blue disc with a white question mark (kQuestion) or a white "i" (kInformation). An empty
// surface for kNone.
Surface MessageSign(MessageIcon icon, Color background);

}  // namespace brindlex
