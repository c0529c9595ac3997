// "&Extraer" on the main form: the dialog's result becomes a new 32 x 32 document with a
// fresh history, and nothing changes when the dialog is cancelled or the icon cannot be read.
#include <gtest/gtest.h>

#include "app/frm_brindlex.h"
#include "extraction/library_test_files.h"
#include "forms/frm_icons.h"
#include "picture.h"
#include "scripted_ui.h"
#include "shell/settings_file.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::FixedScreen;
using testing::ScriptedUi;

constexpr Color kRed = 0x0000FF, kGreen = 0x00FF00;

class ExtractCommandTest : public ::testing::Test {
 protected:
  ExtractCommandTest() : form(ui, screen, Paths(), &settings) {
    form.Form_Load();
    form.MnuIconSize_Click(2);  // a 48 x 48 document to begin with
    form.Caption = "Quorvane- antes.ico";
  }
  // The file dialogs make the chosen file's folder current: go back before it is removed.
  ~ExtractCommandTest() override { std::filesystem::current_path(start_folder_); }
  StartupPaths Paths() {
    // The shell library: icon 0 red, icon 1 green with a white-on-white (inverting white)
    // pixel at its top-left and a transparent one beside it.
    testing::StoredImage second = testing::SolidImage(32, kGreen);
    const std::size_t top = 40 + 31 * 96, top_mask = 40 + 32 * 96 + 31 * 4;
    second.resource[top] = second.resource[top + 1] = second.resource[top + 2] = 0xFF;
    second.resource[top + 3] = second.resource[top + 4] = second.resource[top + 5] = 0;
    second.resource[top_mask] = 0xC0;
    testing::WriteBytes(shell, testing::PeLibrary({{"", 1, {testing::SolidImage(32, kRed)}},
                                                   {"", 2, {testing::SolidImage(16, 0), second}}},
                                                  true)
                                   .bytes);
    StartupPaths paths;
    paths.ShellIconPath = shell;
    return paths;
  }
  // The scripted user picks the cell at (x, y) and confirms.
  void PickAndConfirm(double x, double y) {
    ui.extract_script = [x, y](FrmIcons& dialog) {
      dialog.PicIcons_MouseUp(1, 0, x, y);
      dialog.CmdOk_Click();
    };
  }

  const std::filesystem::path start_folder_ = std::filesystem::current_path();
  testing::TempFolder folder;
  const std::string shell = folder.File("shell32.dll");
  ScriptedUi ui;
  FixedScreen screen;
  SettingsFile settings;
  FrmBrindlex form;
};

TEST_F(ExtractCommandTest, TheChosenIconBecomesANew32By32DocumentWithAFreshHistory) {
  form.Document.PicImage.SetPixel(0, 0, kRed);
  form.Document.DisplayResults();
  form.History.RecordSnapshot(form.Document);
  form.Document.IconChanged = false;
  PickAndConfirm(40, 10);  // icon 1
  form.MnuExtract_Click();
  EXPECT_EQ(ui.extract_dialogs, 1);
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_EQ(form.Document.Edge(), 32);
  // The inverting white pixel became opaque black; the transparent one stayed.
  Surface mask(32, 32, kBlack), color(32, 32, kGreen);
  color.SetPixel(0, 0, kBlack);
  mask.SetPixel(1, 0, kWhite);
  color.SetPixel(1, 0, kBlack);
  EXPECT_TRUE(testing::SamePixels(mask, form.Document.PicMask));
  EXPECT_TRUE(testing::SamePixels(color, form.Document.PicImage));
  // The canvas shows it: cell (2, 0) green, cell (0, 0) opaque black.
  EXPECT_EQ(form.Document.PicMainCopy.GetPixel(2 * 12 + 5, 5), kGreen);
  EXPECT_EQ(form.Document.PicMainCopy.GetPixel(5, 5), kBlack);
  EXPECT_FALSE(form.Document.IconChanged);
  EXPECT_FALSE(form.History.CanUndo());
  EXPECT_EQ(form.History.UndoList.size(), 1u);
  EXPECT_EQ(form.Caption, "Quorvane- antes.ico");
  EXPECT_TRUE(form.CurrentFilePath.empty());
}

TEST_F(ExtractCommandTest, CancelUnsavedChangesAndUnreadableIconsLeaveTheDocument) {
  const Surface before = form.Document.PicImage;
  // Closing the window without Ok.
  form.MnuExtract_Click();
  EXPECT_EQ(ui.extract_dialogs, 1);
  EXPECT_EQ(form.Document.Edge(), 48);

  // Unsaved changes: the prompt comes first; its Cancel stops before the window.
  form.Document.IconChanged = true;
  ui.answers = {MessageAnswer::kCancel};
  PickAndConfirm(5, 5);
  form.MnuExtract_Click();
  EXPECT_EQ(ui.extract_dialogs, 1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "salvar kambios??");
  EXPECT_EQ(form.Document.Edge(), 48);
  form.Document.IconChanged = false;

  // The library is damaged after the window counted it: read first, so nothing changes.
  ui.extract_script = [&](FrmIcons& dialog) {
    testing::WriteBytes(shell, Bytes{'M', 'Z'});
    dialog.CmdOk_Click();
  };
  form.MnuExtract_Click();
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, "error inesperado al kargar ikono");
  EXPECT_EQ(ui.messages[1].title, "Quorvane 2001  - Error");
  EXPECT_EQ(ui.messages[1].icon, MessageIcon::kExclamation);
  EXPECT_EQ(form.Document.Edge(), 48);
  EXPECT_TRUE(testing::SamePixels(before, form.Document.PicImage));

  // Now the library holds no icons: Ok acts as Cancel.
  PickAndConfirm(5, 5);
  form.MnuExtract_Click();
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(form.Document.Edge(), 48);
}

TEST_F(ExtractCommandTest, AnAnimatedCursorGivesTheChosenFrame) {
  std::vector<Bytes> frames;
  for (Color c : {0x111111u, 0x222222u, 0x333333u, 0x444444u, 0x555555u})
    frames.push_back(testing::IconFile({testing::SolidImage(32, c)}, 2));
  const std::string ani = folder.File("paso.Ani");
  testing::WriteBytes(ani, testing::AniFile(frames, {0, 1, 2, 3, 4, 4, 2, 0}, 5));
  ui.file_answers = {ScriptedUi::Chosen(ani)};
  ui.extract_script = [](FrmIcons& dialog) {
    dialog.CmdBrowse_Click();
    EXPECT_EQ(dialog.IconCount, 5);                // the frames, not the eight steps
    dialog.PicIcons_MouseUp(1, 0, 38 * 2 + 5, 5);  // the third cell: frame 2
    dialog.CmdOk_Click();
  };
  form.MnuExtract_Click();
  ASSERT_EQ(form.Document.Edge(), 32);
  EXPECT_TRUE(testing::SamePixels(Surface(32, 32, 0x333333u), form.Document.PicImage));
  EXPECT_EQ(form.ExtractFilterIndex, 1);  // the scripted dialog ends on the first filter
}

}  // namespace
}  // namespace brindlex
