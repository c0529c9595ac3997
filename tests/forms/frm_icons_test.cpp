// The icon-extraction dialog's form: the grid, its scrolling and drawing as rows come into
// view, the selection, browsing for another file, and its endings.
#include "forms/frm_icons.h"

#include <gtest/gtest.h>

#include "extraction/library_test_files.h"
#include "picture.h"
#include "scripted_ui.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::ScriptedUi;

// Icon k's colour: distinct for every k below 256.
Color ColorOf(int k) { return 0x000040u + static_cast<Color>(k) * 0x010100u; }

class FrmIconsTest : public ::testing::Test {
 protected:
  // The file dialog makes the chosen file's folder current: go back before it is removed.
  ~FrmIconsTest() override { std::filesystem::current_path(start_folder_); }
  std::string Library(const std::string& name, int icons) {
    const std::string path = folder.File(name);
    testing::WriteBytes(path, testing::NumberedPeLibrary(icons, ColorOf, icons % 2 == 0));
    return path;
  }
  // A form over a shell library of `icons` icons, loaded.
  FrmIcons& Loaded(int icons) {
    form = std::make_unique<FrmIcons>(ui, Library("shell32.dll", icons), filter_index);
    form->Form_Load();
    return *form;
  }
  // The colour at the middle of cell n's icon, in the grid as drawn now.
  Color CellColor(int n) const {
    return form->GridPixel(3 + 38 * (n % 10) + 16, 3 + 38 * (n / 10) + 16);
  }

  const std::filesystem::path start_folder_ = std::filesystem::current_path();
  testing::TempFolder folder;
  ScriptedUi ui;
  int filter_index = 4;
  std::unique_ptr<FrmIcons> form;
};

TEST_F(FrmIconsTest, LoadShowsTheShellLibraryWithTheFirstCellSelected) {
  FrmIcons& f = Loaded(3);
  EXPECT_EQ(f.Caption, "Vor - Shell32.dll - 3 Icons");
  EXPECT_EQ(f.IconFileTitle, "Shell32.dll");
  EXPECT_EQ(f.IconFile, folder.File("shell32.dll"));
  EXPECT_EQ(f.LblInfo, "Icon No 1 Selected.");
  EXPECT_FALSE(f.IsAnimated);
  EXPECT_TRUE(f.DialogCancelled);
  EXPECT_EQ(f.SelectedIcon, 0);
  EXPECT_FALSE(f.Vsb.Enabled);
  // The whole grid: three icons on white and the black box around cell 0.
  Surface expected(380, 190, kWhite);
  for (int n = 0; n < 3; ++n) expected.Box(3 + 38 * n, 3, 34 + 38 * n, 34, true, ColorOf(n));
  expected.Box(1, 1, 37, 37, false, kBlack);
  EXPECT_TRUE(testing::SamePixels(expected, f.PicIcons));
}

TEST_F(FrmIconsTest, RowsBeyondFiveScrollAndAreDrawnAsTheyComeIntoView) {
  EXPECT_EQ(Loaded(50).GridHeight(), 190);
  EXPECT_FALSE(form->Vsb.Enabled);
  FrmIcons& f = Loaded(51);
  EXPECT_EQ(f.GridHeight(), 228);
  EXPECT_TRUE(f.Vsb.Enabled);
  EXPECT_EQ(f.Vsb.Max, 38);
  EXPECT_EQ(f.Vsb.SmallChange, 38);

  FrmIcons& big = Loaded(180);
  EXPECT_EQ(big.GridHeight(), 684);
  EXPECT_EQ(big.Vsb.Max, 494);
  EXPECT_EQ(big.Caption, "Vor - Shell32.dll - 180 Icons");
  EXPECT_TRUE(big.RowDrawn(4));
  EXPECT_FALSE(big.RowDrawn(5));
  EXPECT_EQ(CellColor(49), ColorOf(49));
  EXPECT_EQ(CellColor(50), kWhite);  // not drawn yet
  big.Vsb_Change(38);
  EXPECT_EQ(big.PicIconsTop, -38);
  EXPECT_TRUE(big.RowDrawn(5));
  EXPECT_FALSE(big.RowDrawn(6));
  EXPECT_EQ(CellColor(59), ColorOf(59));
  big.Vsb_Scroll(5000);  // past the end: the bar stops at its maximum
  EXPECT_EQ(big.Vsb.Value, 494);
  EXPECT_EQ(big.PicIconsTop, -494);
  EXPECT_TRUE(big.RowDrawn(17));
  EXPECT_FALSE(big.RowDrawn(10));
  EXPECT_EQ(CellColor(179), ColorOf(179));
  big.DrawAllRows();
  for (int n = 0; n < 180; ++n) ASSERT_EQ(CellColor(n), ColorOf(n)) << n;
}

TEST_F(FrmIconsTest, TheWheelScrollsOneRowPerNotch) {
  Loaded(50).PicIcons_MouseWheel(-1);
  EXPECT_EQ(form->Vsb.Value, 0);  // the bar is disabled: nothing to scroll
  FrmIcons& f = Loaded(180);
  f.PicIcons_MouseWheel(-3);  // towards the user: down
  EXPECT_EQ(f.Vsb.Value, 114);
  EXPECT_EQ(CellColor(79), ColorOf(79));
  f.PicIcons_MouseWheel(10);  // past the top: the bar stops at 0
  EXPECT_EQ(f.Vsb.Value, 0);
  f.PicIcons_MouseWheel(-1000000000);
  EXPECT_EQ(f.PicIconsTop, -494);
}

TEST_F(FrmIconsTest, ALibraryClaimingEveryPossibleGroupKeepsFewRows) {
  // One real group, then a group directory of 65535 named and 65535 numbered entries that
  // all lead to it, at the end of the section.
  testing::PeBuild build =
      testing::PeLibrary({{"", 1, {testing::SolidImage(32, ColorOf(7))}}}, true);
  Bytes& b = build.bytes;
  const std::uint32_t language = b[build.group_type + 20] | (b[build.group_type + 21] << 8) |
                                 (b[build.group_type + 22] << 16) |
                                 (b[build.group_type + 23] << 24);
  const std::size_t directory = b.size() - 0x200;
  b.resize(b.size() + 16, 0);
  testing::PutAt(b, b.size() - 4, 0xFFFFFFFFu, 4);
  for (std::uint32_t i = 0; i < 131070; ++i) {
    testing::PutU32(b, i < 65535 ? 0x80000000u | 0x10 : i);
    testing::PutU32(b, language);
  }
  testing::PutAt(b, build.section_table + 8, static_cast<std::uint32_t>(b.size() - 0x200), 4);
  testing::PutAt(b, build.section_table + 16, static_cast<std::uint32_t>(b.size() - 0x200), 4);
  testing::PutAt(b, build.root + 28, 0x80000000u | static_cast<std::uint32_t>(directory), 4);
  const std::string path = folder.File("huge.dll");
  testing::WriteBytes(path, b);

  form = std::make_unique<FrmIcons>(ui, path, filter_index);
  form->Form_Load();
  EXPECT_EQ(form->IconCount, 131070);
  EXPECT_EQ(form->GridHeight(), 13107 * 38);
  for (int value = 0; value <= form->Vsb.Max; value += 38 * 97) form->Vsb_Change(value);
  form->Vsb_Change(form->Vsb.Max);
  EXPECT_LE(form->RowsKept(), FrmIcons::kKeptRows);
  EXPECT_TRUE(form->RowDrawn(13106));
  EXPECT_FALSE(form->RowDrawn(0));
  EXPECT_EQ(CellColor(131069), ColorOf(7));
  form->PicIcons_MouseUp(1, 0, 379, 13107 * 38 - 1);
  EXPECT_EQ(form->LblInfo, "Icon No 131070 Selected.");
}

TEST_F(FrmIconsTest, ReleasesSelectACellWithItsBoxAndMessage) {
  FrmIcons& f = Loaded(13);             // two rows: 10 and 3 cells
  f.PicIcons_MouseUp(1, 0, 5.0, 37.6);  // 37.6 rounds to 38: row 1, column 0
  EXPECT_EQ(f.SelectedIcon, 10);
  f.PicIcons_MouseUp(1, 0, 39.0, 39.0);
  EXPECT_EQ(f.SelectedIcon, 11);
  EXPECT_EQ(f.LblInfo, "Icon No 12 Selected.");
  EXPECT_EQ(f.SelBoxX, 39);
  EXPECT_EQ(f.SelBoxY, 39);
  EXPECT_EQ(f.PicIcons.GetPixel(1, 1), kWhite);  // the old box is erased
  EXPECT_EQ(f.PicIcons.GetPixel(39, 39), kBlack);
  EXPECT_EQ(f.PicIcons.GetPixel(75, 75), kBlack);
  EXPECT_EQ(f.PicIcons.GetPixel(40, 40), kWhite);
  EXPECT_EQ(CellColor(11), ColorOf(11));  // the icon itself is untouched

  // Below the last icon of the partly filled row, outside the grid, another button: nothing.
  const Surface before = f.PicIcons;
  f.PicIcons_MouseUp(1, 0, 38 * 5 + 5, 45);
  f.PicIcons_MouseUp(1, 0, 379.6, 5);  // rounds to 380
  f.PicIcons_MouseUp(1, 0, 5, -0.6);
  f.PicIcons_MouseUp(1, 0, 5, 190);
  f.PicIcons_MouseUp(2, 0, 5, 5);
  f.Browsing = true;
  f.PicIcons_MouseUp(1, 0, 5, 5);
  f.Browsing = false;
  EXPECT_EQ(f.SelectedIcon, 11);
  EXPECT_EQ(f.LblInfo, "Icon No 12 Selected.");
  EXPECT_TRUE(testing::SamePixels(before, f.PicIcons));
  f.PicIcons_MouseUp(1, 0, 379.4, 5);
  EXPECT_EQ(f.SelectedIcon, 9);
}

TEST_F(FrmIconsTest, BrowsingCommitsOnlyAFileWithIconsAndLetsNoQueuedInputRun) {
  const std::string other = Library("other.dll", 2);
  const std::string text = folder.File("notes.txt");
  testing::WriteBytes(text, Bytes{'n', 'o'});
  FrmIcons f(ui, Library("shell32.dll", 12), filter_index);
  f.Form_Load();
  EXPECT_EQ(ui.window_repaints, 1);
  f.PicIcons_MouseUp(1, 0, 5, 45);  // icon 10
  ui.file_answers = {ScriptedUi::Chosen(other)};
  ui.chosen_filter_index = 3;
  f.CmdBrowse_Click();
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "Quorvane 2001  - Extraer Icono");
  EXPECT_EQ(ui.dialogs[0].filters.size(), 6u);
  EXPECT_EQ(ui.dialogs[0].filter_index, 4);
  EXPECT_EQ(filter_index, 3);
  EXPECT_EQ(f.IconFile, other);
  EXPECT_EQ(f.IconFileTitle, "other.dll");
  EXPECT_EQ(f.IconCount, 2);
  EXPECT_EQ(f.Caption, "Vor - other.dll - 2 Icons");
  EXPECT_EQ(f.LblInfo, "Icon No 1 Selected.");
  EXPECT_EQ(f.SelectedIcon, 0);
  EXPECT_FALSE(f.Browsing);
  EXPECT_EQ(f.GridPixel(3 + 38 + 16, 3 + 16), ColorOf(1));
  // The windows were shown again as the new grid was cleared and drawn, and no pending
  // event (a click, a key) was let run at any point.
  EXPECT_EQ(ui.window_repaints, 3);
  EXPECT_EQ(ui.pumps, 0);

  // A file without icons: the message, and everything stays as it was.
  ui.file_answers = {ScriptedUi::Chosen(text)};
  f.CmdBrowse_Click();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "notes.txt no hay ikonos.");
  EXPECT_EQ(ui.messages[0].title, "Brindlex");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kInformation);
  EXPECT_EQ(f.IconFile, other);
  EXPECT_EQ(f.Caption, "Vor - other.dll - 2 Icons");
  EXPECT_FALSE(f.Browsing);
  // Cancelling the file dialog changes nothing at all.
  f.CmdBrowse_Click();
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(f.IconFile, other);
  f.CmdOk_Click();
  EXPECT_FALSE(f.DialogCancelled);
  EXPECT_EQ(f.ExtractPath, other);
  EXPECT_EQ(f.ExtractIndex, 0);
}

TEST_F(FrmIconsTest, OkTakesTheSelectionCancelAndEmptyLibrariesDoNot) {
  FrmIcons& f = Loaded(30);
  f.PicIcons_MouseUp(1, 0, 100, 80);  // row 2, column 2: icon 22
  f.CmdOk_Click();
  EXPECT_TRUE(f.Closed);
  EXPECT_FALSE(f.DialogCancelled);
  EXPECT_EQ(f.ExtractPath, folder.File("shell32.dll"));
  EXPECT_EQ(f.ExtractIndex, 22);

  FrmIcons& cancelled = Loaded(3);
  cancelled.CmdCancel_Click();
  EXPECT_TRUE(cancelled.Closed);
  EXPECT_TRUE(cancelled.DialogCancelled);

  // No shell library at all: zero icons, and Ok is the same as Cancel.
  FrmIcons empty(ui, folder.File("missing/Shell32.dll"), filter_index);
  empty.Form_Load();
  EXPECT_EQ(empty.Caption, "Vor - Shell32.dll - 0 Icons");
  EXPECT_EQ(empty.GridHeight(), 190);
  empty.CmdOk_Click();
  EXPECT_TRUE(empty.Closed);
  EXPECT_TRUE(empty.DialogCancelled);
}

TEST_F(FrmIconsTest, AnimatedCursorsShowTheirFramesWhateverTheirName) {
  std::vector<Bytes> frames;
  for (int k = 0; k < 8; ++k)
    frames.push_back(testing::IconFile({testing::SolidImage(32, ColorOf(k))}, 2));
  // Ten steps through the eight frames, backwards: the cells are the frames, in file order.
  const Bytes ani = testing::AniFile(frames, {7, 6, 5, 4, 3, 2, 1, 0, 7, 6}, 8);
  testing::WriteBytes(folder.File("walk.ANI"), ani);
  testing::WriteBytes(folder.File("walk.cur"), ani);
  testing::WriteBytes(folder.File("still.ani"), frames[3]);

  for (const char* name : {"walk.ANI", "walk.cur"}) {
    form = std::make_unique<FrmIcons>(ui, folder.File(name), filter_index);
    form->Form_Load();
    EXPECT_TRUE(form->IsAnimated) << name;
    EXPECT_EQ(form->IconCount, 8) << name;
    for (int n = 0; n < 8; ++n) EXPECT_EQ(CellColor(n), ColorOf(n)) << name << " " << n;
  }
  // A cursor file named .ani is one cursor.
  form = std::make_unique<FrmIcons>(ui, folder.File("still.ani"), filter_index);
  form->Form_Load();
  EXPECT_FALSE(form->IsAnimated);
  EXPECT_EQ(form->IconCount, 1);
  EXPECT_EQ(CellColor(0), ColorOf(3));

  Surface mask, color;
  std::optional<CursorHotSpot> hot_spot;
  for (const char* name : {"walk.ANI", "walk.cur"}) {
    ASSERT_TRUE(ExtractIcon(folder.File(name), 4, mask, color, hot_spot)) << name;
    EXPECT_EQ(color.GetPixel(0, 0), ColorOf(4));
    // The frames are cursors whose hot spot fields hold 1 and 24 (IconFile's planes and depth).
    EXPECT_EQ(hot_spot, (CursorHotSpot{1, 24}));
    EXPECT_FALSE(ExtractIcon(folder.File(name), 8, mask, color, hot_spot)) << name;
  }
  EXPECT_FALSE(ExtractIcon(folder.File("none.dll"), 0, mask, color, hot_spot));
  ASSERT_TRUE(ExtractIcon(Library("icons.dll", 2), 1, mask, color, hot_spot));
  EXPECT_EQ(hot_spot, std::nullopt);
}

TEST_F(FrmIconsTest, PartlyTransparentPixelsAreDrawnBlendedOverTheGrid) {
  Bytes colors;
  for (int i = 0; i < 32 * 32; ++i) colors.insert(colors.end(), {0x00, 0x00, 0xFF, 64});
  const testing::StoredImage soft = testing::BitmapImage(32, 32, {}, colors, {});
  testing::WriteBytes(folder.File("shell32.dll"),
                      testing::PeLibrary({{"", 1, {soft}}}, true).bytes);
  form = std::make_unique<FrmIcons>(ui, folder.File("shell32.dll"), filter_index);
  form->Form_Load();
  // Red at alpha 64 over white: (255 · 64 + 255 · 191 + 127) / 255 = 255 red,
  // (0 · 64 + 255 · 191 + 127) / 255 = 191 green and blue.
  EXPECT_EQ(CellColor(0), 0xBFBFFFu);
}

}  // namespace
}  // namespace brindlex
