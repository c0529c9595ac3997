#include "shell/settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/menu_tree.h"
#include "files/icon_test_files.h"
#include "shell/recent_files.h"
#include "shell/settings_file.h"

namespace brindlex {
namespace {

using testing::TempFolder;
constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SettingsFile, KeepsKeysAndValuesAcrossRunsInARegistryLikeText) {
  TempFolder folder;
  const std::string path = folder.File("cfg/brindlex/registry.reg");
  {
    SettingsFile store(path);
    EXPECT_FALSE(store.WriteValue(kUser, "Software\\A", "x", "y"));  // no key yet
    ASSERT_TRUE(store.CreateKey(kUser, "Software\\A"));
    EXPECT_TRUE(store.WriteValue(kUser, "Software\\A", "1.", "/tmp/a \"b\"\\c.ico"));
    EXPECT_TRUE(store.CreateKey(RegistryRoot::kClassesRoot, ".ico"));
    EXPECT_TRUE(store.WriteValue(RegistryRoot::kClassesRoot, ".ico", "", "icofile"));
  }
  EXPECT_EQ(ReadText(path),
            "Windows Registry Editor Version 5.00\r\n"
            "\r\n[HKEY_CLASSES_ROOT\\.ico]\r\n@=\"icofile\"\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n\"1.\"=\"/tmp/a \\\"b\\\"\\\\c.ico\"\r\n");
  SettingsFile again(path);
  EXPECT_TRUE(again.KeyExists(kUser, "software\\a"));  // letter case of keys is ignored
  EXPECT_EQ(again.ReadValue(kUser, "Software\\A", "1."), "/tmp/a \"b\"\\c.ico");
  again.DeleteValue(kUser, "Software\\A", "1.");
  EXPECT_FALSE(SettingsFile(path).ReadValue(kUser, "Software\\A", "1.").has_value());
  EXPECT_TRUE(SettingsFile(path).KeyExists(kUser, "Software\\A"));
}

TEST(SettingsFile, DamagedFilesGiveWhatCanBeReadAndNothingElse) {
  TempFolder folder;
  const std::string path = folder.File("registry.reg");
  testing::WriteBytes(path, testing::Bytes{'[', 0, 0xFF, ']', '\n', '"', 'a', '=', '\n'});
  {
    std::ofstream out(path, std::ios::app);
    out << "[HKEY_CURRENT_USER\\Software\\Marrowfield\\Brindlex\\Recent Files]\n"
        << "\"1.\"=\"/ok.ico\"\n\"2.\"=\"unterminated\n\"3.\"=42\ngarbage line\n"
        << "[HKEY_LOCAL_MACHINE\\Other]\n\"1.\"=\"elsewhere\"\n";
  }
  SettingsFile store(path);
  EXPECT_EQ(store.ReadValue(kUser, kRecentFilesKey, "1."), "/ok.ico");
  EXPECT_FALSE(store.ReadValue(kUser, kRecentFilesKey, "2.").has_value());
  EXPECT_FALSE(store.ReadValue(kUser, kRecentFilesKey, "3.").has_value());
  // A file far too large to be the editor's is ignored whole.
  std::filesystem::resize_file(path, 5 << 20);
  EXPECT_FALSE(SettingsFile(path).KeyExists(kUser, kRecentFilesKey));
}

class RecentMenuTest : public ::testing::Test {
 protected:
  RecentMenuTest() : menus(BuildMenuTree()), menu(RecentMenu::Of(menus)) {}
  std::vector<std::string> Listed() const {
    std::vector<std::string> out;
    for (int i = 1; i <= 4; ++i)
      if (menu.slots[i]->visible) out.push_back(menu.slots[i]->tag);
    return out;
  }
  std::vector<MenuEntry> menus;
  RecentMenu menu;
};

TEST_F(RecentMenuTest, AddingMovesToTheTopAndKeepsTheFirstSpelling) {
  for (const char* path : {"/i/A.ico", "/i/B.ico", "/i/C.ico", "/i/D.ico"})
    AddRecentFile(path, menu);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"/i/D.ico", "/i/C.ico", "/i/B.ico", "/i/A.ico"}));
  AddRecentFile("/i/E.ico", menu);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"/i/E.ico", "/i/D.ico", "/i/C.ico", "/i/B.ico"}));
  AddRecentFile("/I/c.ICO", menu);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"/i/C.ico", "/i/E.ico", "/i/D.ico", "/i/B.ico"}));
  EXPECT_EQ(menu.slots[1]->caption, "&1 C.ico");
  EXPECT_EQ(menu.slots[4]->caption, "&4 B.ico");
  AddRecentFile("/i/C.ico", menu);
  EXPECT_EQ(menu.slots[2]->caption, "&2 E.ico");
  EXPECT_EQ(FileTitleOf("/i/carpeta/"), "");
  EXPECT_EQ(FileTitleOf("suelto.ico"), "suelto.ico");
}

TEST_F(RecentMenuTest, CompactingClosesGapsAndHidesTheRest) {
  for (const char* path : {"/C", "/B", "/A"}) AddRecentFile(path, menu);
  menu.slots[2]->tag.clear();
  CompactRecentFiles(menu);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"/A", "/C"}));
  EXPECT_EQ(menu.slots[2]->caption, "&2 C");
  EXPECT_TRUE(menu.slots[0]->visible);
  menu.slots[1]->tag.clear();
  menu.slots[2]->tag.clear();
  CompactRecentFiles(menu);
  EXPECT_TRUE(Listed().empty());
  EXPECT_FALSE(menu.slots[0]->visible);
}

TEST_F(RecentMenuTest, LoadingFillsSlotsWithoutGapsAndSavingWritesThemBack) {
  SettingsFile store;
  LoadRecentFiles(store, menu);  // no key: nothing shown, nothing created
  EXPECT_FALSE(menu.slots[0]->visible);
  EXPECT_FALSE(store.KeyExists(kUser, kRecentFilesKey));
  store.CreateKey(kUser, kRecentFilesKey);
  store.WriteValue(kUser, kRecentFilesKey, "1.", "/uno.ico");
  store.WriteValue(kUser, kRecentFilesKey, "3.", "/tres.ico");
  store.WriteValue(kUser, kRecentFilesKey, "2.", "/a\nb.ico");                  // absurd
  store.WriteValue(kUser, kRecentFilesKey, "4.", "/" + std::string(259, 'x'));  // too long
  LoadRecentFiles(store, menu);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"/uno.ico", "/tres.ico"}));
  EXPECT_EQ(menu.slots[2]->caption, "&2 tres.ico");
  EXPECT_TRUE(menu.slots[0]->visible);
  for (const char* name : {"1.", "2.", "3.", "4."})
    EXPECT_FALSE(store.ReadValue(kUser, kRecentFilesKey, name).has_value());
  SaveRecentFiles(store, menu);
  EXPECT_EQ(store.ReadValue(kUser, kRecentFilesKey, "2."), "/tres.ico");
  EXPECT_FALSE(store.ReadValue(kUser, kRecentFilesKey, "3.").has_value());
}

TEST(SettingsStore, TheFolderIsRestoredOnlyWhenItStillExists) {
  TempFolder folder;
  const auto before = std::filesystem::current_path();
  SettingsFile store;
  std::filesystem::create_directories(folder.File("ultima"));
  std::filesystem::current_path(folder.File("ultima"));
  SaveRecentFolder(store);
  EXPECT_EQ(store.ReadValue(kUser, kRecentFolderKey, "Folder"), folder.File("ultima"));
  RestoreRecentFolder(store, folder.Path());
  EXPECT_EQ(std::filesystem::current_path(), folder.File("ultima"));
  EXPECT_FALSE(store.ReadValue(kUser, kRecentFolderKey, "Folder").has_value());
  store.WriteValue(kUser, kRecentFolderKey, "Folder", folder.File("borrada"));
  RestoreRecentFolder(store, folder.Path());
  EXPECT_EQ(std::filesystem::current_path(), folder.Path());
  EXPECT_FALSE(store.ReadValue(kUser, kRecentFolderKey, "Folder").has_value());
  std::filesystem::current_path(before);
}

TEST(SettingsStore, RegisteringWritesTheAssociationTheDesktopEntryAndTheDefaults) {
  TempFolder folder;
  SettingsFile store;
  const std::string data = folder.File("data"), config = folder.File("config");
  std::filesystem::create_directories(config);
  std::ofstream(config + "/mimeapps.list")
      << "[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n"
         "image/x-icon=gimp.desktop\nimage/png=eog.desktop\n";
  RegisterIconFileType(store, "/opt/brindlex", data, config);
  constexpr RegistryRoot kClasses = RegistryRoot::kClassesRoot;
  EXPECT_EQ(store.ReadValue(kClasses, ".ico", ""), "icofile");
  EXPECT_EQ(store.ReadValue(kClasses, "icofile", ""), "Windows Icon");
  EXPECT_EQ(store.ReadValue(kClasses, "icofile\\DefaultIcon", ""), "%1");
  EXPECT_EQ(store.ReadValue(kClasses, "icofile\\Shell\\Open\\Command", ""),
            "/opt/brindlex/brindlex %1");
  EXPECT_EQ(IconOpenCommand("/"), "/brindlex %1");
  EXPECT_EQ(ReadText(data + "/applications/brindlex.desktop"),
            "[Desktop Entry]\nType=Application\nName=Brindlex\nComment=Editor de ikonos\n"
            "Exec=\"/opt/brindlex/brindlex\" %f\nTerminal=false\n"
            "Categories=Graphics;2DGraphics;\n"
            "MimeType=image/vnd.microsoft.icon;image/x-icon;\n");
  const std::string expected_list =
      "[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n"
      "image/vnd.microsoft.icon=brindlex.desktop\nimage/x-icon=brindlex.desktop\n"
      "image/png=eog.desktop\n";
  EXPECT_EQ(ReadText(config + "/mimeapps.list"), expected_list);
  RegisterIconFileType(store, "/opt/brindlex", data, config);  // every start: same result
  EXPECT_EQ(ReadText(config + "/mimeapps.list"), expected_list);
}

}  // namespace
}  // namespace brindlex
