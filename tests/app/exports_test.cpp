// The File menu's exports and the builder's menu entry, driven through a scripted Ui.
#include <gtest/gtest.h>

#include <functional>

#include "app/frm_brindlex.h"
#include "files/icon_test_files.h"
#include "forms/frm_hot_spot.h"
#include "forms/frm_mir.h"
#include "scripted_ui.h"
#include "shell/recent_files.h"
#include "shell/settings_file.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::FixedScreen;
using testing::ScriptedUi;
using testing::TempFolder;

// A scripted Ui that also plays the builder window.
class ExportsUi : public ScriptedUi {
 public:
  void ShowMultiIconBuilder(FrmMir& dialog) override {
    ++builders_shown;
    builder_used_on_show = dialog.UsedCount();
    builder_background_width = dialog.Background.Width();
  }

  int builders_shown = 0;
  int builder_used_on_show = -1;
  int builder_background_width = 0;
};

class ExportsTest : public ::testing::Test {
 protected:
  ExportsTest() : form(ui, screen, StartupPaths{}, &settings) {
    form.Form_Load();
    // A 16 x 16 icon: opaque white with a black pixel at (0, 0), a transparent one at
    // (15, 15) and an inverting red one at (1, 0).
    form.MnuIconSize_Click(0);
    IconDocument& d = form.Document;
    d.PicMask.Box(0, 0, 15, 15, true, kBlack);
    d.PicImage.Box(0, 0, 15, 15, true, kWhite);
    d.PicImage.SetPixel(0, 0, kBlack);
    d.PicMask.SetPixel(15, 15, kWhite);
    d.PicImage.SetPixel(15, 15, kBlack);
    d.PicMask.SetPixel(1, 0, kWhite);
    d.PicImage.SetPixel(1, 0, 0x0000FF);
    d.DisplayResults();
    d.IconChanged = false;
    form.CurrentFilePath = "/somewhere/kept.ico";
    form.CurrentFileTitle = "kept.ico";
    form.Caption = "Quorvane- kept.ico";
  }
  ~ExportsTest() override { std::filesystem::current_path(start_folder_); }

  // Nothing the exports must not touch has changed.
  void ExpectDocumentStateKept() {
    EXPECT_EQ(form.CurrentFilePath, "/somewhere/kept.ico");
    EXPECT_EQ(form.CurrentFileTitle, "kept.ico");
    EXPECT_EQ(form.Caption, "Quorvane- kept.ico");
    EXPECT_FALSE(form.Document.IconChanged);
    RecentMenu menu = RecentMenu::Of(form.Menus);
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(menu.slots[i]->visible);
  }

  const std::filesystem::path start_folder_ = std::filesystem::current_path();
  TempFolder folder;
  ExportsUi ui;
  FixedScreen screen;
  SettingsFile settings;
  FrmBrindlex form;
};

TEST_F(ExportsTest, SaveAsBitmapWritesTheComposedPicture) {
  const std::string path = folder.File("dibujo.bmp");
  ui.file_answers = {ScriptedUi::Chosen(path)};
  form.MenuClick("MnuSaveAsBitmap", -1);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "Quorvane 2001 editor - Salvar komo Bitmap");
  EXPECT_EQ(ui.dialogs[0].filters[0].first, "Windows Bitmap (*.bmp)");
  EXPECT_EQ(ui.dialogs[0].default_extension, "bmp");
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.pointers, (std::vector<BusyPointer>{BusyPointer::kHourglass, BusyPointer::kNormal}));
  // Black, white and cyan (the inverse of red over white): 16 colours, 246 bytes.
  const Bytes file = testing::ReadBytes(path);
  ASSERT_EQ(file.size(), 246u);
  EXPECT_EQ(file[28], 4);
  const std::size_t top_line = 118 + 15 * 8;
  EXPECT_EQ(file[top_line], 0x0E);      // black (0), cyan (14)
  EXPECT_EQ(file[top_line + 1], 0xFF);  // white, white
  EXPECT_EQ(file[118 + 7], 0xFF);       // bottom line's last pair: white, transparent white
  EXPECT_EQ(form.Document.PicClip.GetPixel(1, 0), kWhite);  // the scratch picture is cleared
  ExpectDocumentStateKept();

  // Cancelled: nothing written, nothing shown.
  form.MenuClick("MnuSaveAsBitmap", -1);
  EXPECT_EQ(ui.pointers.size(), 2u);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"dibujo.bmp"});
}

TEST_F(ExportsTest, ABitmapThatCannotBeWrittenIsReported) {
  ui.file_answers = {ScriptedUi::Chosen(folder.File("falta/dibujo.bmp"))};
  form.MenuClick("MnuSaveAsBitmap", -1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Failla al salvar ikono komo bitmap.");
  EXPECT_EQ(ui.messages[0].title, "Quorvane - Error");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(ui.pointers.back(), BusyPointer::kNormal);
  ExpectDocumentStateKept();
}

TEST_F(ExportsTest, SaveAsCursorAsksForTheHotSpotThenTheFile) {
  ui.hot_spot_script = [](FrmHotSpot& dialog) {
    dialog.PicCursor_MouseDown(1, 0, 5 * 24 + 3, 12 * 24 + 20);
    dialog.CmdOk_Click();
  };
  const std::string path = folder.File("punta.cur");
  ui.file_answers = {ScriptedUi::Chosen(path)};
  form.MenuClick("MnuSaveAsCursor", -1);
  EXPECT_EQ(ui.hot_spot_dialogs, 1);
  EXPECT_TRUE(ui.hot_spot_canvas.SamePixels(form.Document.PicMain));  // the canvas copy
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "Quorvane 2001 editor - Salvar komo Cursor");
  EXPECT_EQ(ui.dialogs[0].filters[0].first, "Windows Cursor (*.cur)");
  EXPECT_EQ(form.HotSpotX, 5);
  EXPECT_EQ(form.HotSpotY, 12);
  const Bytes file = testing::ReadBytes(path);
  // Black, white and red: 4 bits; header, entry with the hot spot, offset 22.
  ASSERT_EQ(file.size(), 22u + 296u);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 14),
            (Bytes{0, 0, 2, 0, 1, 0, 16, 16, 0, 0, 5, 0, 12, 0}));
  EXPECT_EQ(file[18], 22);
  EXPECT_EQ(file[22 + 14], 4);
  // The inverting pixel keeps its colour (red, entry 9) and its white mask bit.
  EXPECT_EQ(file[22 + 40 + 64 + 15 * 8], 0x09);
  EXPECT_EQ(file[22 + 40 + 64 + 128 + 15 * 4], 0x40);
  EXPECT_TRUE(ui.messages.empty());
  ExpectDocumentStateKept();
}

TEST_F(ExportsTest, ACancelledHotSpotShowsNoFileDialogAndKeepsTheOldHotSpot) {
  form.HotSpotX = 7;
  form.HotSpotY = 3;
  ui.hot_spot_script = [](FrmHotSpot& dialog) {
    dialog.PicCursor_MouseDown(1, 0, 100, 100);
    dialog.CmdCancel_Click();
  };
  ui.file_answers = {ScriptedUi::Chosen(folder.File("no.cur"))};
  form.MenuClick("MnuSaveAsCursor", -1);
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_EQ(form.HotSpotX, 7);
  EXPECT_EQ(form.HotSpotY, 3);
  // A dialog that ends without any handler (closed) is a cancel too.
  ui.hot_spot_script = nullptr;
  form.MenuClick("MnuSaveAsCursor", -1);
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_TRUE(folder.Entries().empty());
  // Ok and then a cancelled file dialog: the hot spot is taken, nothing written.
  ui.hot_spot_script = [](FrmHotSpot& dialog) { dialog.CmdOk_Click(); };
  ui.file_answers.clear();
  form.MenuClick("MnuSaveAsCursor", -1);
  EXPECT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(form.HotSpotX, 0);
  EXPECT_TRUE(folder.Entries().empty());
  EXPECT_TRUE(ui.pointers.empty());
}

TEST_F(ExportsTest, ACursorThatCannotBeWrittenIsReported) {
  ui.hot_spot_script = [](FrmHotSpot& dialog) { dialog.CmdOk_Click(); };
  const std::string path = folder.File("solo.cur");
  testing::WriteBytes(path, {1, 2, 3});
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  ui.file_answers = {ScriptedUi::Chosen(path)};
  form.MenuClick("MnuSaveAsCursor", -1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Faillo al salvar ikono komo kursor");
  EXPECT_EQ(ui.messages[0].title, "Quorvane - Error");
  EXPECT_EQ(testing::ReadBytes(path), (Bytes{1, 2, 3}));
  ExpectDocumentStateKept();
}

TEST_F(ExportsTest, TheBuilderOpensEmptyEveryTime) {
  form.MenuClick("MnuCreateResource", -1);
  form.MenuClick("MnuCreateResource", -1);
  EXPECT_EQ(ui.builders_shown, 2);
  EXPECT_EQ(ui.builder_used_on_show, 0);
  EXPECT_EQ(ui.builder_background_width, 329);
  EXPECT_TRUE(ui.dialogs.empty());
  ExpectDocumentStateKept();
}

}  // namespace
}  // namespace brindlex
