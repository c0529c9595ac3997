#include "forms/file_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/icon_test_files.h"
#include "scripted_ui.h"

namespace brindlex {
namespace {

TEST(FileDialog, ModesCarryTheirTitlesFiltersAndRules) {
  const FileDialogSetup open = FileDialogSetupFor(FileDialogMode::kOpenIcon, 4);
  EXPECT_EQ(open.title, "Quorvane 2001  editor - Abrir");
  EXPECT_FALSE(open.save);
  EXPECT_EQ(open.default_extension, "");
  const FileDialogSetup bitmap = FileDialogSetupFor(FileDialogMode::kSaveBitmap, 4);
  EXPECT_EQ(bitmap.title, "Quorvane 2001 editor - Salvar komo Bitmap");
  EXPECT_EQ(
      bitmap.filters,
      (std::vector<std::pair<std::string, std::string>>{{"Windows Bitmap (*.bmp)", "*.bmp"}}));
  EXPECT_TRUE(bitmap.save);
  const FileDialogSetup cursor = FileDialogSetupFor(FileDialogMode::kSaveCursor, 4);
  EXPECT_EQ(cursor.title, "Quorvane 2001 editor - Salvar komo Cursor");
  EXPECT_EQ(cursor.default_extension, "cur");
  const FileDialogSetup extract = FileDialogSetupFor(FileDialogMode::kExtractIcons, 4);
  EXPECT_EQ(extract.title, "Quorvane 2001  - Extraer Icono");
  ASSERT_EQ(extract.filters.size(), 6u);
  EXPECT_EQ(extract.filters[3].first, "Executable (*.exe)");
  EXPECT_EQ(extract.filters[5].second, "*.*");
  EXPECT_EQ(extract.filter_index, 4);
}

TEST(FileDialog, AcceptingMakesTheFolderCurrentAndTheExtractFilterIsKept) {
  const auto start = std::filesystem::current_path();
  testing::TempFolder folder;
  testing::ScriptedUi ui;
  int extract_filter = 4;
  ui.chosen_filter_index = 2;
  ui.file_answers = {testing::ScriptedUi::Chosen(folder.File("cursor.ani"))};
  const FileDialogResult chosen = ShowFileDialog(FileDialogMode::kExtractIcons, ui, extract_filter);
  EXPECT_TRUE(chosen.Accepted);
  EXPECT_EQ(chosen.FileTitle, "cursor.ani");
  EXPECT_EQ(extract_filter, 2);
  EXPECT_EQ(ui.dialogs[0].filter_index, 4);
  EXPECT_EQ(std::filesystem::current_path(), folder.Path());
  // Other modes and cancelled dialogs leave the remembered filter alone.
  ui.file_answers = {testing::ScriptedUi::Chosen(folder.File("a.ico"))};
  ui.chosen_filter_index = 1;
  ShowFileDialog(FileDialogMode::kOpenIcon, ui, extract_filter);
  EXPECT_FALSE(ShowFileDialog(FileDialogMode::kExtractIcons, ui, extract_filter).Accepted);
  EXPECT_EQ(extract_filter, 2);
  std::filesystem::current_path(start);
}

}  // namespace
}  // namespace brindlex
