#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "app/app_messages.h"
#include "app/centre_form.h"
#include "app/frm_brindlex.h"
#include "app/start_program.h"
#include "scripted_ui.h"
#include "shell/settings_file.h"

namespace brindlex {
namespace {

using testing::FixedScreen;
using testing::ScriptedUi;

class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() : form(ui, screen, StartupPaths{}) { form.Form_Load(); }
  // Paints one opaque pixel as an edit would.
  void Edit() {
    form.Document.PicMask.SetPixel(0, 0, kBlack);
    form.Document.PicImage.SetPixel(0, 0, 0x0000FF);
    form.Document.DisplayResults();
    form.History.CommitEdit(form.Document);
  }
  ScriptedUi ui;
  FixedScreen screen;
  FrmBrindlex form;
};

TEST_F(MainFormTest, StartsWithABlank32PixelIconAndTheExitCaption) {
  EXPECT_EQ(form.Caption, "Quorvane 2001 - Untitled");
  EXPECT_EQ(form.Document.Edge(), 32);
  EXPECT_FALSE(form.Document.IconChanged);
  EXPECT_EQ(form.History.UndoList.size(), 1u);
  EXPECT_EQ(FindMenuEntry(form.Menus, "MnuExit")->caption, "sAlIR\tAlt+F4");
  EXPECT_EQ(form.ExtractFilterIndex, 4);
  EXPECT_EQ(form.PicLeft.GetPixel(0, 0), kBlack);
  EXPECT_EQ(form.PicRight.GetPixel(0, 0), kWhite);
  EXPECT_TRUE(ui.messages.empty());
  // The recent-file entries are hidden.
  for (int i = 0; i <= 4; ++i) EXPECT_FALSE(FindMenuEntry(form.Menus, "MnuRecent", i)->visible);
}

TEST_F(MainFormTest, NewIconAsksFirstAndCancelKeepsEverything) {
  Edit();
  ui.answers = {MessageAnswer::kCancel};
  form.MenuClick("MnuIconSize", 2);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "salvar kambios??");
  EXPECT_EQ(ui.messages[0].title, "Quorvane - Salvar kambios?");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kQuestion);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::kYesNoCancel);
  EXPECT_EQ(form.Document.Edge(), 32);
  EXPECT_EQ(form.History.UndoList.size(), 2u);
  EXPECT_TRUE(form.Document.IconChanged);

  ui.answers = {MessageAnswer::kNo};
  form.MenuClick("MnuIconSize", 2);
  EXPECT_EQ(form.Document.Edge(), 48);
  EXPECT_EQ(form.History.UndoList.size(), 1u);
  EXPECT_FALSE(form.Document.IconChanged);
  EXPECT_EQ(form.Document.PicMain.GetPixel(8, 100), kBlack);  // grid line at 8

  // The same size again, unchanged: no question, still a new document.
  form.CurrentTool = kToolEllipse;
  form.MenuClick("MnuIconSize", 2);
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(form.CurrentTool, 1);
  EXPECT_EQ(form.LastPaintTool, 1);
}

TEST_F(MainFormTest, SavePromptNamesTheFileAndAFailedSaveStopsTheCaller) {
  Edit();
  form.CurrentFilePath = "/tmp/a/flag.ico";
  form.CurrentFileTitle = "flag.ico";
  ui.answers = {MessageAnswer::kYes};
  // The save goes into a folder that does not exist: it fails and the caller stops.
  EXPECT_FALSE(form.AskSaveChanges());
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Salvar komo flag.ico?");
  EXPECT_EQ(ui.messages[1].text, "no se puede salvar Quorvane lo sentimos flag.ico");
  EXPECT_EQ(ui.messages[1].title, "Quorvane - Error");
  EXPECT_TRUE(form.Document.IconChanged);
}

TEST_F(MainFormTest, ClosingAsksAndCanBeRefused) {
  Edit();
  ui.answers = {MessageAnswer::kCancel};
  EXPECT_TRUE(form.Form_QueryUnload());
  EXPECT_FALSE(form.Unloaded);
  EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(form.History.UndoList.size(), 2u);
  ui.answers = {MessageAnswer::kNo};
  form.MenuClick("MnuExit", -1);
  EXPECT_TRUE(form.Unloaded);
  EXPECT_TRUE(form.History.UndoList.empty());
  EXPECT_FALSE(form.Resources.Loaded());
}

TEST_F(MainFormTest, ClosingMergesAFloatingSelectionBeforeAsking) {
  SelectionState& s = form.Selection;
  s.SelLeft = 0, s.SelTop = 0, s.SelRight = 12, s.SelBottom = 12;
  form.Document.PicSelImage.Resize(1, 1);
  form.Document.PicSelMask.Resize(1, 1);
  form.Document.PicSelImage.SetPixel(0, 0, 0x00FF00);
  form.Document.PicSelMask.SetPixel(0, 0, kBlack);
  s.SelectionFloating = true;
  ShowFloatingSelection(form.Document, s);
  ui.answers = {MessageAnswer::kCancel};
  EXPECT_TRUE(form.Form_QueryUnload());
  EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), 0x00FF00u);
  EXPECT_FALSE(s.Exists());
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(MainFormTest, UndoAndRedoAreEnabledByTheHistoryWhenTheMenuOpens) {
  auto enabled = [&](int i) { return FindMenuEntry(form.Menus, "MnuEditAction", i)->enabled; };
  form.MenuOpening("MnuEdit");
  EXPECT_FALSE(enabled(0));
  EXPECT_FALSE(enabled(1));
  Edit();
  // A disabled entry does nothing until the menu is refreshed.
  form.MenuClick("MnuEditAction", 0);
  EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), 0x0000FFu);
  form.MenuOpening("MnuEdit");
  EXPECT_TRUE(enabled(0));
  form.MenuClick("MnuEditAction", 0);
  EXPECT_EQ(form.Document.PicMask.GetPixel(0, 0), kWhite);
  form.MenuOpening("MnuEdit");
  EXPECT_FALSE(enabled(0));
  EXPECT_TRUE(enabled(1));
  form.MenuClick("MnuEditAction", 1);
  EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), 0x0000FFu);
}

TEST_F(MainFormTest, ReadoutsShowThePointerCellAndDragSizes) {
  form.MenuClick("MnuIconSize", 0);  // zoom 24
  form.PicMain_MouseMove(0, 0, 0, 0);
  EXPECT_EQ(form.PositionReadout, "00, 00");
  form.PicMain_MouseMove(0, 0, 500.4, 170.5);  // 170.5 rounds to 170 (ties to even)
  EXPECT_EQ(form.PositionReadout, "15, 07");
  EXPECT_EQ(form.SizeReadout, "");
  form.OptTool_Click(kToolLine);
  form.PicMain_MouseDown(1, 0, 3 * 24 + 5, 3 * 24);
  form.PicMain_MouseMove(1, 0, 3 * 24 + 20, 3 * 24 + 1);
  EXPECT_EQ(form.SizeReadout, "01 x 01");
  form.PicMain_MouseMove(1, 0, -30, 1000);
  EXPECT_EQ(form.SizeReadout, "04 x 13");
  form.PicMain_MouseUp(1, 0, -30, 1000);
  form.OptTool_Click(kToolSelect);
  form.PicMain_MouseDown(2, 0, 3 * 24, 3 * 24);
  form.PicMain_MouseMove(2, 0, 3 * 24, 3 * 24);
  EXPECT_EQ(form.SizeReadout, "00 x 00");
  form.PicMain_MouseUp(2, 0, 3 * 24, 3 * 24);
  ui.answers = {MessageAnswer::kNo};
  form.MenuClick("MnuIconSize", 1);  // zoom 12
  form.OptTool_Click(kToolSelect);
  form.PicMain_MouseDown(1, 0, 5 * 12, 0);
  form.PicMain_MouseMove(1, 0, 400, 24);
  EXPECT_EQ(form.SizeReadout, "27 x 02");
}

// Every entry of the menu tree that is not a separator nor opens a submenu.
void CollectCommands(const std::vector<MenuEntry>& tree, std::vector<const MenuEntry*>& commands) {
  for (const MenuEntry& entry : tree) {
    if (entry.IsSeparator()) continue;
    if (entry.children.empty()) {
      commands.push_back(&entry);
    } else {
      CollectCommands(entry.children, commands);
    }
  }
}

TEST(MenuDispatch, EveryCommandOfTheMenuTreeReachesAHandler) {
  const std::vector<MenuEntry> tree = BuildMenuTree();
  std::vector<const MenuEntry*> commands;
  CollectCommands(tree, commands);
  ASSERT_GT(commands.size(), 30u);
  for (const MenuEntry* entry : commands)
    EXPECT_TRUE(FrmBrindlex::HandlesMenuControl(entry->control)) << entry->control;
  for (const MenuEntry& top : tree)
    EXPECT_FALSE(FrmBrindlex::HandlesMenuControl(top.control)) << top.control;
  EXPECT_FALSE(FrmBrindlex::HandlesMenuControl("MnuNothing"));
  // Each enabled entry clicked on a fresh form whose dialogs are all cancelled: only Exit
  // ends the program, and only the size entries give a new blank icon of another size.
  for (const MenuEntry* entry : commands) {
    SCOPED_TRACE(entry->control + " " + std::to_string(entry->index));
    ScriptedUi ui;
    FixedScreen screen;
    FrmBrindlex form(ui, screen, StartupPaths{});
    form.Form_Load();
    for (const MenuEntry& top : form.Menus) form.MenuOpening(top.control);
    const MenuEntry* fresh = FindMenuEntry(form.Menus, entry->control, entry->index);
    if (!fresh->enabled || !fresh->visible) continue;
    form.MenuClick(entry->control, entry->index);
    EXPECT_EQ(form.Unloaded, entry->control == "MnuExit");
    const int edge = entry->control == "MnuIconSize" ? kIconSizes[entry->index].edge : 32;
    EXPECT_EQ(form.Document.Edge(), edge);
  }
}

TEST(StartProgram, ColourDepthOfEightBitsOrLessEndsWithTheMessage) {
  ScriptedUi ui;
  FixedScreen eight(8), sixteen(16);
  StartupPaths paths;
  SettingsFile registry;
  EXPECT_FALSE(StartProgram(eight, ui, paths, registry));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].title, "Quorvane 2001  - Error");
  EXPECT_EQ(ui.messages[0].text,
            "Quorvane 2001  rekiere mas kolor para esta opcion\r\n\r\nporfavor ajusta el kolor");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kCritical);
  EXPECT_TRUE(paths.ShellIconPath.empty());
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::kClassesRoot, ".ico"));
  EXPECT_TRUE(StartProgram(sixteen, ui, paths, registry));
  EXPECT_EQ(registry.ReadValue(RegistryRoot::kClassesRoot, ".ico", ""), "icofile");
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST(StartProgram, PathsFollowTheWinePrefix) {
  namespace fs = std::filesystem;
  const fs::path root = fs::path(::testing::TempDir()) / "brindlex-start";
  fs::remove_all(root);
  fs::create_directories(root / "prefix/drive_c/windows/system32");
  std::ofstream(root / "prefix/drive_c/windows/system32/SHELL32.DLL") << "x";
  setenv("WINEPREFIX", (root / "prefix").c_str(), 1);
  EXPECT_EQ(FindShellIconPath("/opt/brindlex"),
            (root / "prefix/drive_c/windows/system32/SHELL32.DLL").string());
  setenv("WINEPREFIX", (root / "none").c_str(), 1);
  setenv("HOME", (root / "home").c_str(), 1);
  const std::string fallback = FindShellIconPath("/opt/brindlex");
  EXPECT_TRUE(fallback == "/opt/brindlex/Shell32.dll" || fallback.find("/usr/lib") == 0);
  unsetenv("WINEPREFIX");
  EXPECT_EQ(JoinCommandLine({"my", "icon.ico"}), "my icon.ico");
  EXPECT_EQ(JoinCommandLine({}), "");
  EXPECT_EQ(ResolveCommandLinePath("TEST.ICO", "/home/ana"), "/home/ana/TEST.ICO");
  EXPECT_EQ(ResolveCommandLinePath("./iconos/../a b.ico", "/home/ana/"),
            "/home/ana/iconos/../a b.ico");
  EXPECT_EQ(ResolveCommandLinePath("/srv/x.ico", "/home/ana"), "/srv/x.ico");
  EXPECT_EQ(ResolveCommandLinePath("", "/home/ana"), "");
  fs::remove_all(root);
}

TEST(CentreForm, CentresHorizontallyWithAThirdOfTheFreeHeightAbove) {
  const WindowPosition p = CentreForm(1024, 768, 582, 454);
  EXPECT_EQ(p.left, 221);
  EXPECT_EQ(p.top, 104);
}

}  // namespace
}  // namespace brindlex
