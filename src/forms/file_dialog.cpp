#include "forms/file_dialog.h"

#include <filesystem>

namespace brindlex {

FileDialogSetup FileDialogSetupFor(FileDialogMode mode, int extract_filter_index) {
  switch (mode) {
    case FileDialogMode::kOpenIcon:
      return {"Quorvane 2001  editor - Abrir", {{"Windows Icon (*.ico)", "*.ico"}}, "", false, 1};
    case FileDialogMode::kSaveIcon:
      return {"Quorvane 2001 editor - Salvar komo",
              {{"Windows Icon (*.ico)", "*.ico"}},
              "ico",
              true,
              1};
    case FileDialogMode::kSaveBitmap:
      return {"Quorvane 2001 editor - Salvar komo Bitmap",
              {{"Windows Bitmap (*.bmp)", "*.bmp"}},
              "bmp",
              true,
              1};
    case FileDialogMode::kSaveCursor:
      return {"Quorvane 2001 editor - Salvar komo Cursor",
              {{"Windows Cursor (*.cur)", "*.cur"}},
              "cur",
              true,
              1};
    case FileDialogMode::kExtractIcons:
      return {"Quorvane 2001  - Extraer Icono",
              {{"ActiveX Control (*.ocx)", "*.ocx"},
               {"Animated Cursor (*.ani)", "*.ani"},
               {"Dynamic Link Library (*.dll)", "*.dll"},
               {"Executable (*.exe)", "*.exe"},
               {"Icon Library (*.icl)", "*.icl"},
               {"All Files (*.*)", "*.*"}},
              "",
              false,
              extract_filter_index};
  }
  return {};
}

FileDialogResult ShowFileDialog(FileDialogMode mode, Ui& ui, int& extract_filter_index) {
  const FileDialogSetup setup = FileDialogSetupFor(mode, extract_filter_index);
  int filter_index = setup.filter_index;
  FileDialogResult result = ui.ShowFileDialog(setup, filter_index);
  if (!result.Accepted) return result;
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(result.FileName).parent_path();
  if (!folder.empty()) std::filesystem::current_path(folder, error);
  if (mode == FileDialogMode::kExtractIcons) extract_filter_index = filter_index;
  return result;
}

}  // namespace brindlex
