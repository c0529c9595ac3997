#pragma once

#include <string>

namespace brindlex {

// The icon shown in a message box.
enum class MessageIcon { kNone, kCritical, kQuestion, kExclamation, kInformation };
// The buttons of a message box.
enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
// The button the user chose; kCancel also when the box was closed another way.
enum class MessageAnswer { kOk, kCancel, kYes, kNo };

// The modes of the file dialog.
enum class FileDialogMode {
  kOpenIcon = 1,
  kSaveIcon = 2,
  kSaveBitmap = 3,
  kSaveCursor = 4,
  kExtractIcons = 5,
};

// What the file dialog hands back: the full path, its file-name part, and whether the
// user accepted (False when cancelled).
struct FileDialogResult {
  std::string FileName;
  std::string FileTitle;
  bool Accepted = false;
};

// Everything the core asks of the window toolkit. The Qt layer implements it on real
// widgets; tests script it.
class Ui {
 public:
  virtual ~Ui() = default;

  // A modal message box; texts use CR LF for line breaks.
  virtual MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                    MessageIcon icon, MessageButtons buttons) = 0;
  // Lets pending window events run.
  virtual void DoEvents() {}
};

}  // namespace brindlex
