// "&Extraer" on the main form: the dialog's result becomes a new 32 x 32 document with a
// fresh history, and nothing changes when the dialog is cancelled or the icon cannot be read.
#include <gtest/gtest.h>

#include "app/frm_brindlex.h"
#include "extraction/library_test_files.h"
#include "forms/frm_icons.h"
#include "picture.h"
#include "pixels/pixel_alpha.h"
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

  // No, then a closed window: the changes are still unsaved.
  ui.answers = {MessageAnswer::kNo};
  ui.extract_script = nullptr;
  form.MnuExtract_Click();
  EXPECT_EQ(ui.extract_dialogs, 2);
  EXPECT_TRUE(form.Document.IconChanged);

  // No, then an icon that cannot be read: the library is damaged after the window counted
  // it. It is read first, so nothing changes, and the changes stay unsaved.
  ui.answers = {MessageAnswer::kNo};
  ui.extract_script = [&](FrmIcons& dialog) {
    testing::WriteBytes(shell, Bytes{'M', 'Z'});
    dialog.CmdOk_Click();
  };
  form.MnuExtract_Click();
  ASSERT_EQ(ui.messages.size(), 4u);
  EXPECT_EQ(ui.messages[3].text, "error inesperado al kargar ikono");
  EXPECT_EQ(ui.messages[3].title, "Quorvane 2001  - Error");
  EXPECT_EQ(ui.messages[3].icon, MessageIcon::kExclamation);
  EXPECT_EQ(form.Document.Edge(), 48);
  EXPECT_TRUE(testing::SamePixels(before, form.Document.PicImage));
  EXPECT_TRUE(form.Document.IconChanged);

  // Now the library holds no icons: Ok acts as Cancel.
  form.Document.IconChanged = false;
  PickAndConfirm(5, 5);
  form.MnuExtract_Click();
  EXPECT_EQ(ui.messages.size(), 4u);
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

// A cursor container of one 32 x 32 image at 32 bits with every pixel (0x30, 0x20, 0x10,
// alpha) (blue, green, red, alpha), its hot spot at (x, y).
Bytes SoftCursor(std::uint8_t alpha, int x, int y) {
  Bytes colors;
  for (int i = 0; i < 32 * 32; ++i) colors.insert(colors.end(), {0x30, 0x20, 0x10, alpha});
  Bytes file = testing::IconFile({testing::BitmapImage(32, 32, {}, colors, {})}, 2);
  testing::PutAt(file, 6 + 4, x, 2);
  testing::PutAt(file, 6 + 6, y, 2);
  return file;
}

TEST_F(ExtractCommandTest, ACursorKeepsItsPartlyTransparentPixelsAndItsHotSpot) {
  // The second frame of an animated cursor: alpha 128 everywhere, hot spot (5, 9).
  const std::string ani = folder.File("reloj.ani");
  testing::WriteBytes(
      ani, testing::AniFile({SoftCursor(255, 0, 0), SoftCursor(128, 5, 9)}, {0, 0, 1}, 2));
  ui.file_answers = {ScriptedUi::Chosen(ani)};
  ui.extract_script = [](FrmIcons& dialog) {
    dialog.CmdBrowse_Click();
    dialog.PicIcons_MouseUp(1, 0, 38 * 1 + 5, 5);
    dialog.CmdOk_Click();
  };
  form.MnuExtract_Click();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(testing::SamePixels(Surface(32, 32, kBlack), form.Document.PicMask));
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      ASSERT_EQ(form.Document.PicImage.GetPixel(x, y), WithAlpha(0x302010, 128)) << x << ", " << y;
  // Saved as it came: 32 bits, the pixels' four bytes as stored.
  const std::string saved = folder.File("reloj.ico");
  ui.file_answers = {ScriptedUi::Chosen(saved)};
  ASSERT_TRUE(form.MnuSaveAs_Click());
  const Bytes file = testing::ReadBytes(saved);
  ASSERT_EQ(file.size(), 22u + 40u + 32u * 32u * 4u + 32u * 4u);
  EXPECT_EQ(file[6 + 6], 32);
  EXPECT_EQ(Bytes(file.begin() + 62, file.begin() + 66), (Bytes{0x30, 0x20, 0x10, 128}));
  EXPECT_TRUE(ui.messages.empty());

  // The cursor export starts at the cursor's own hot spot, and Ok keeps it.
  ui.hot_spot_script = [](FrmHotSpot& dialog) {
    EXPECT_EQ(dialog.LblHotX, "05");
    EXPECT_EQ(dialog.LblHotY, "09");
    dialog.CmdOk_Click();
  };
  const std::string cursor = folder.File("reloj.cur");
  ui.file_answers = {ScriptedUi::Chosen(cursor)};
  form.MenuClick("MnuSaveAsCursor", -1);
  EXPECT_EQ(ui.hot_spot_dialogs, 1);
  const Bytes cursor_file = testing::ReadBytes(cursor);
  ASSERT_GE(cursor_file.size(), 14u);
  EXPECT_EQ(Bytes(cursor_file.begin() + 6, cursor_file.begin() + 14),
            (Bytes{32, 32, 0, 0, 5, 0, 9, 0}));

  // An icon of its own, a new one here, starts at the corner.
  form.MenuClick("MnuIconSize", 1);
  ui.hot_spot_script = [](FrmHotSpot& dialog) {
    EXPECT_EQ(dialog.LblHotX, "00");
    EXPECT_EQ(dialog.LblHotY, "00");
  };
  form.MenuClick("MnuSaveAsCursor", -1);
  EXPECT_EQ(ui.hot_spot_dialogs, 2);
}

}  // namespace
}  // namespace brindlex
