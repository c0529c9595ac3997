#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

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

// What a file dialog shows and how it behaves. Open dialogs require an existing file;
// save dialogs require an existing folder and ask before overwriting a file. Every dialog
// starts in the current folder.
struct FileDialogSetup {
  std::string title;
  std::vector<std::pair<std::string, std::string>> filters;  // display text, pattern
  std::string default_extension;                             // "ico", or "" for none
  bool save = false;
  int filter_index = 1;  // 1-based
};

// The pointer shown while the editor works.
enum class BusyPointer { kNormal, kHourglass };

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
  // Puts what the canvas and the preview now hold on the screen at once, without letting
  // any other window event run (so no user input can start another command halfway through
  // a move). Used where a long operation or a loop (a move, the bevel) shows its progress.
  virtual void RepaintCanvas() {}
  // Puts what every open window now holds on the screen at once, likewise without letting
  // any other window event run: a dialog that counts or draws for a while shows its state,
  // and no queued click or key can end it or start another command meanwhile.
  virtual void RepaintWindows() {}
  // A modal file dialog; filter_index receives the filter the user ended with.
  virtual FileDialogResult ShowFileDialog(const FileDialogSetup& /*setup*/, int& /*filter_index*/) {
    return {};
  }
  // Places the main window centred on the screen at its size and shows it.
  virtual void ShowMainWindow() {}
  // Sets the pointer of the main window.
  virtual void SetBusyPointer(BusyPointer /*pointer*/) {}

  // The colour dialog, opened with its custom-colour part and without alpha, starting on
  // initial (0x00BBGGRR). The 16 custom colours are shown and read back whatever the
  // answer. Answers whether the user accepted and the colour chosen.
  struct ColorChoice {
    bool Accepted = false;
    std::uint32_t Color = 0;
  };
  virtual ColorChoice ChooseColor(std::uint32_t initial,
                                  std::array<std::uint32_t, 16>& /*custom_colors*/) {
    return {false, initial};
  }
  // Hides or shows the main window again where it was.
  virtual void SetMainWindowVisible(bool /*visible*/) {}
};

}  // namespace brindlex
