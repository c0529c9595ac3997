// The File menu's commands that bring an icon file in or write it back: open (through the
// dialog, a recent-file entry, the command line or a drop), save and save as.
#include <filesystem>

#include "app/app_messages.h"
#include "app/file_reports.h"
#include "app/frm_brindlex.h"
#include "files/color_depth.h"
#include "files/file_bytes.h"
#include "files/icon_reader.h"
#include "files/icon_writer.h"
#include "files/normalize_loaded_planes.h"
#include "forms/file_dialog.h"
#include "forms/frm_multi_icon_dialog.h"
#include "shell/recent_files.h"

namespace brindlex {
namespace {

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

bool FrmBrindlex::ReadyToReplaceDocument() {
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  return !Document.IconChanged || AskSaveChanges();
}

void FrmBrindlex::ReenableCanvas() { TmrEnableRunning = true; }

bool FrmBrindlex::MnuOpen_Click() {
  if (!ReadyToReplaceDocument()) return false;
  PicMainEnabled = false;
  const FileDialogResult chosen =
      ShowFileDialog(FileDialogMode::kOpenIcon, ui_, ExtractFilterIndex);
  if (!chosen.Accepted) {
    ReenableCanvas();
    return false;
  }
  return OpenIconFile(chosen.FileName, chosen.FileTitle);
}

bool FrmBrindlex::OpenIconFile(const std::string& path, const std::string& title, bool ask_first) {
  PicMainEnabled = false;
  DecodedIcon icon;
  const DecodeOutcome outcome = DecodeIconFile(path, title, icon);
  if (outcome == DecodeOutcome::kDecoded && (!ask_first || ReadyToReplaceDocument())) {
    ShowOpenedIcon(icon, path, title);
    return true;
  }
  ReenableCanvas();
  // A cancelled pick leaves the document as it was, yet the file was taken.
  return outcome == DecodeOutcome::kPickCancelled;
}

FrmBrindlex::DecodeOutcome FrmBrindlex::DecodeIconFile(const std::string& path,
                                                       const std::string& title,
                                                       DecodedIcon& icon) {
  auto refuse = [&](const std::string& text) {
    ui_.ShowMessage(text, app_text::kFileErrorTitle, MessageIcon::kExclamation,
                    MessageButtons::kOk);
    return DecodeOutcome::kRefused;
  };
  // The file is read once; the check, the count, the list and the decoding all take these
  // bytes. A file that cannot be read is no icon file.
  std::vector<std::uint8_t> file;
  const bool read = ReadFileBytes(path, kMaxIconFileBytes, file);
  const IconFileBytes bytes(file);
  if (!read || !IsValidIconFile(bytes)) return refuse(title + app_text::kNotAnIconEnd);
  const int count = GetIconImageCount(bytes);
  if (count == 0) return refuse(app_text::kNoImagesStart + title);
  if (count == 1)
    return DecodeSingleImage(bytes, icon) ? DecodeOutcome::kDecoded : DecodeOutcome::kRefused;
  IconImageList rows;
  if (!ListIconImages(bytes, count, rows)) return refuse(app_text::kListFailedStart + title);
  if (!ChooseImage(rows)) return DecodeOutcome::kPickCancelled;
  return DecodeChosenImage(bytes, icon) ? DecodeOutcome::kDecoded : DecodeOutcome::kRefused;
}

bool FrmBrindlex::DecodeSingleImage(IconFileBytes bytes, DecodedIcon& icon) {
  const IconLoadResult loaded = LoadSingleIcon(bytes, icon.mask, icon.color, AlphaRule::kKeep);
  if (!loaded.Loaded()) {
    ReportSingleIconFailure(ui_, loaded);
    return false;
  }
  ReportSoftAlpha(ui_, loaded);
  return true;
}

bool FrmBrindlex::ChooseImage(const IconImageList& rows) {
  FrmMultiIconDialog dialog;
  dialog.Form_Load();
  dialog.LstIcons = rows;
  ui_.DoEvents();
  ui_.ShowMultiIconDialog(dialog);
  ui_.DoEvents();
  if (dialog.ChosenRow < 0) return false;
  RecordPick(MultiImage, dialog.ChosenRow, rows.rows[dialog.ChosenRow]);
  return true;
}

bool FrmBrindlex::DecodeChosenImage(IconFileBytes bytes, DecodedIcon& icon) {
  DecodeSurfaces decoded;
  const IconLoadResult result =
      DecodeIconImage(bytes, MultiImage.ChosenIndex, decoded, AlphaRule::kKeep);
  if (!result.Loaded()) {
    ReportDecodeFailure(ui_, result);
    return false;
  }
  ReportSoftAlpha(ui_, result);
  icon.mask = std::move(decoded.MaskSurface);
  icon.color = std::move(decoded.ColorSurface);
  icon.from_multi_image_file = true;
  return true;
}

void FrmBrindlex::ShowOpenedIcon(const DecodedIcon& icon, const std::string& path,
                                 const std::string& title) {
  if (icon.from_multi_image_file) KeepPickAsSource(MultiImage);
  StartDocument(IconSizeIndexOf(icon.mask.Width()), true);
  const int edge = Document.Edge();
  Document.PicMask.BitBlt(0, 0, edge, edge, icon.mask, 0, 0);
  Document.PicImage.BitBlt(0, 0, edge, edge, icon.color, 0, 0);
  MultiImage.FromMultiIconFile = icon.from_multi_image_file;
  ShowLoadedIcon();
  Caption = app_text::kOpenedCaptionStart + title;
  CurrentFilePath = path;
  CurrentFileTitle = title;
  RecentMenu recent = RecentMenu::Of(Menus);
  AddRecentFile(CurrentFilePath, recent);
  ReenableCanvas();
}

void FrmBrindlex::MnuRecent_Click(int index) {
  if (index < 1 || index > 4) return;
  // The path is taken before the save prompt: saving under a new name there moves the
  // entries, and the slot clicked would then name another file.
  RecentMenu recent = RecentMenu::Of(Menus);
  const std::string path = recent.slots[index]->tag;
  if (path.empty() || !ReadyToReplaceDocument()) return;
  const std::string title = FileTitleOf(path);
  if (FileExists(path)) {
    if (OpenIconFile(path, title)) return;
  } else {
    ui_.ShowMessage(app_text::kRecentMissingStart + title, app_text::kFileErrorTitle,
                    MessageIcon::kExclamation, MessageButtons::kOk);
  }
  // The entry of that file is dropped, wherever the prompt's save has moved it.
  for (int i = 1; i <= 4; ++i)
    if (recent.slots[i]->tag == path) recent.slots[i]->tag.clear();
  CompactRecentFiles(recent);
}

void FrmBrindlex::OpenDroppedFile(const std::vector<std::string>& files) {
  if (files.empty()) return;
  // The file is checked before the save prompt: a file that is refused asks nothing.
  OpenIconFile(files.front(), FileTitleOf(files.front()), true);
}

void FrmBrindlex::OpenCommandLineFile() {
  const std::string& cmd = paths_.CommandLine;
  if (cmd.empty()) return;
  auto fail = [&](const char* text, const char* title) {
    ui_.ShowMessage(text, title, MessageIcon::kExclamation, MessageButtons::kOk);
  };
  // The shell's display name of a file is, here, the file's own name.
  if (!FileExists(cmd)) return fail(app_text::kOpenFailedText, app_text::kOpenFailedTitle);
  std::string extension = cmd.size() >= 4 ? cmd.substr(cmd.size() - 4) : cmd;
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension != ".ico") return fail(app_text::kBadExtensionText, app_text::kBadExtensionTitle);
  // A bare name means a file of the current folder.
  const std::string absolute = std::filesystem::absolute(cmd).string();
  const std::size_t slash = absolute.rfind('/');
  if (slash == std::string::npos) return fail(app_text::kNoFolderText, app_text::kNoFolderTitle);
  const std::string title = FileTitleOf(absolute);
  OpenIconFile(absolute.substr(0, slash + 1) + title, title);
}

bool FrmBrindlex::SavesIntoSourceFile() {
  if (!MultiImage.FromMultiIconFile) return false;
  if (FileExists(CurrentFilePath)) return true;
  // Nothing is left to keep: the image is saved alone from now on.
  MultiImage.FromMultiIconFile = false;
  ui_.ShowMessage(app_text::kSourceGoneStart + CurrentFileTitle + app_text::kSourceGoneEnd,
                  app_text::kSourceGoneTitle, MessageIcon::kExclamation, MessageButtons::kOk);
  return false;
}

ReplaceError FrmBrindlex::ReplaceInSourceFile(int depth, const std::string& destination) {
  ui_.SetBusyPointer(BusyPointer::kHourglass);
  const ReplaceResult result = ReplaceIconInFile(Document.PicMask, Document.PicImage, depth,
                                                 CurrentFilePath, destination, MultiImage);
  ui_.SetBusyPointer(BusyPointer::kNormal);
  if (!result.Saved() && result.error != ReplaceError::kSourceDamaged)
    ReportReplaceFailure(ui_, result);
  return result.error;
}

bool FrmBrindlex::AgreeToSaveAlone(bool save_as) {
  const std::string start = app_text::kSourceDamagedStart + CurrentFileTitle;
  if (save_as) {
    ui_.ShowMessage(start + app_text::kSourceDamagedAloneEnd, app_text::kSourceGoneTitle,
                    MessageIcon::kExclamation, MessageButtons::kOk);
    return true;
  }
  return ui_.ShowMessage(start + app_text::kSourceDamagedAskEnd, app_text::kSourceGoneTitle,
                         MessageIcon::kExclamation, MessageButtons::kYesNo) == MessageAnswer::kYes;
}

bool FrmBrindlex::MnuSave_Click() {
  if (CurrentFilePath.empty()) return MnuSaveAs_Click();
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  return WriteIcon("", CurrentFileTitle);
}

bool FrmBrindlex::MnuSaveAs_Click() {
  const FileDialogResult chosen =
      ShowFileDialog(FileDialogMode::kSaveIcon, ui_, ExtractFilterIndex);
  if (!chosen.Accepted) return false;
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  if (!WriteIcon(chosen.FileName, chosen.FileTitle)) return false;
  CurrentFilePath = chosen.FileName;
  CurrentFileTitle = chosen.FileTitle;
  Caption = (MultiImage.FromMultiIconFile ? app_text::kSavedAsMultiCaptionStart
                                          : app_text::kSavedAsSingleCaptionStart) +
            CurrentFileTitle;
  RecentMenu recent = RecentMenu::Of(Menus);
  AddRecentFile(CurrentFilePath, recent);
  return true;
}

bool FrmBrindlex::WriteIcon(const std::string& target, const std::string& target_title) {
  const bool save_as = !target.empty();
  const int depth = ChooseColorDepth(Document.PicImage, true);
  bool multi = SavesIntoSourceFile();
  bool saved = false;
  if (multi) {
    const ReplaceError error = ReplaceInSourceFile(depth, target);
    saved = error == ReplaceError::kNone;
    // A damaged source cannot give its other images; the image alone is saved, if the user
    // agrees where the source itself would be replaced.
    if (error == ReplaceError::kSourceDamaged) {
      if (!AgreeToSaveAlone(save_as)) return false;
      multi = false;
    }
  }
  if (!multi) {
    ui_.SetBusyPointer(BusyPointer::kHourglass);
    saved = WriteIconFile(Document.PicMask, Document.PicImage, depth,
                          save_as ? target : CurrentFilePath);
    ui_.SetBusyPointer(BusyPointer::kNormal);
    // Saved alone, the image is a one-image document from now on.
    if (saved) MultiImage.FromMultiIconFile = false;
  }
  if (!saved) {
    const std::string start =
        save_as ? (multi ? app_text::kSaveAsMultiFailedStart : app_text::kSaveAsSingleFailedStart)
                : (multi ? app_text::kSaveMultiFailedStart : app_text::kSaveSingleFailedStart);
    ui_.ShowMessage(start + target_title,
                    save_as ? app_text::kSaveAsErrorTitle : app_text::kFileErrorTitle,
                    MessageIcon::kExclamation, MessageButtons::kOk);
    return false;
  }
  // The edited image is now the file's first image: later saves replace that one.
  if (multi) MultiImage.SourceIndex = 0;
  Document.IconChanged = false;
  return true;
}

}  // namespace brindlex
