#include "shell/settings_store.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "files/icon_test_files.h"
#include "platform/menu_entry.h"
#include "platform/utf8_text.h"
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

// A file menu ending as the editor's does: the separator above the recent files and the four
// recent-file entries, all hidden until there is a file to list.
std::vector<MenuEntry> FileMenuWithRecentSlots() {
  MenuEntry file;
  file.control = "MnuFile";
  file.caption = "&Archivo";
  for (int i = 0; i <= 4; ++i) {
    MenuEntry recent;
    recent.control = "MnuRecent";
    recent.index = i;
    if (i == 0) recent.caption.push_back('-');  // the separator
    recent.visible = false;
    file.children.push_back(recent);
  }
  return {file};
}

class RecentMenuTest : public ::testing::Test {
 protected:
  RecentMenuTest() : menus(FileMenuWithRecentSlots()), menu(RecentMenu::Of(menus)) {}
  std::vector<std::string> Listed() const {
    std::vector<std::string> out;
    for (int i = 1; i <= 4; ++i)
      if (menu.slots[i]->visible) out.push_back(menu.slots[i]->tag);
    return out;
  }
  std::vector<MenuEntry> menus;
  RecentMenu menu;
};

TEST_F(RecentMenuTest, AddingMovesToTheTopAndTellsLetterCaseApart) {
  for (const char* path : {"/i/A.ico", "/i/B.ico", "/i/C.ico", "/i/D.ico"})
    AddRecentFile(path, menu);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"/i/D.ico", "/i/C.ico", "/i/B.ico", "/i/A.ico"}));
  AddRecentFile("/i/E.ico", menu);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"/i/E.ico", "/i/D.ico", "/i/C.ico", "/i/B.ico"}));
  // Another file whose name differs only in letter case is an entry of its own.
  AddRecentFile("/i/c.ico", menu);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"/i/c.ico", "/i/E.ico", "/i/D.ico", "/i/C.ico"}));
  AddRecentFile("/i/C.ico", menu);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"/i/C.ico", "/i/c.ico", "/i/E.ico", "/i/D.ico"}));
  EXPECT_EQ(menu.slots[1]->caption, "&1 C.ico");
  EXPECT_EQ(menu.slots[2]->caption, "&2 c.ico");
  EXPECT_EQ(menu.slots[4]->caption, "&4 D.ico");
  AddRecentFile("/i/C.ico", menu);
  EXPECT_EQ(menu.slots[2]->caption, "&2 c.ico");
  EXPECT_EQ(FileTitleOf("/i/carpeta/"), "");
  EXPECT_EQ(FileTitleOf("suelto.ico"), "suelto.ico");
}

TEST_F(RecentMenuTest, LongTitlesAreShortenedInTheMiddleAndTheFullPathIsTheTooltip) {
  const std::string long_name = std::string(30, 'a') + std::string(30, 'z') + ".ico";  // 64
  const std::string accented = std::string(40, 'x') + "\xC3\xB1\xC3\xB1" + std::string(20, 'y') +
                               ".ico";  // 66 characters, 68 bytes
  const std::string fifty = std::string(46, 'f') + ".ico";
  AddRecentFile("/uno/" + fifty, menu);
  AddRecentFile("/dos/" + accented, menu);
  AddRecentFile("/tres/" + long_name, menu);
  AddRecentFile("/cuatro/a&b.ico", menu);
  EXPECT_EQ(menu.slots[1]->caption, "&1 a&&b.ico");  // the title's "&" is no access key
  EXPECT_EQ(menu.slots[2]->caption,
            "&2 " + std::string(24, 'a') + "\xE2\x80\xA6" + std::string(21, 'z') + ".ico");
  // 24 characters, "…", 25 characters: the cut falls between the two "ñ", never inside one.
  EXPECT_EQ(menu.slots[3]->caption,
            "&3 " + std::string(24, 'x') + "\xE2\x80\xA6\xC3\xB1" + std::string(20, 'y') + ".ico");
  EXPECT_EQ(CharacterCount(ShortRecentTitle(accented)), kRecentTitleLimit);
  EXPECT_EQ(menu.slots[4]->caption, "&4 " + fifty);  // 50 characters: as it is
  EXPECT_EQ(menu.slots[1]->tag, "/cuatro/a&b.ico");
  EXPECT_EQ(menu.slots[2]->tooltip, "/tres/" + long_name);
  EXPECT_EQ(menu.slots[3]->tooltip, "/dos/" + accented);
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

TEST_F(RecentMenuTest, LoadingFillsSlotsWithoutGapsAndKeepsTheValuesUntilTheExit) {
  SettingsFile store;
  LoadRecentFiles(store, menu);  // no key: nothing shown, nothing created
  EXPECT_FALSE(menu.slots[0]->visible);
  EXPECT_FALSE(store.KeyExists(kUser, kRecentFilesKey));
  store.CreateKey(kUser, kRecentFilesKey);
  store.WriteValue(kUser, kRecentFilesKey, "1.", "/uno.ico");
  store.WriteValue(kUser, kRecentFilesKey, "3.", "/tres.ico");
  store.WriteValue(kUser, kRecentFilesKey, "2.", "/a\nb.ico");                  // absurd
  store.WriteValue(kUser, kRecentFilesKey, "4.", "/" + std::string(259, 'x'));  // too long
  const StoredRecentFiles loaded = LoadRecentFiles(store, menu);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"/uno.ico", "/tres.ico"}));
  EXPECT_EQ(menu.slots[2]->caption, "&2 tres.ico");
  EXPECT_TRUE(menu.slots[0]->visible);
  // Loading deletes nothing: an editor killed now leaves the list as it found it.
  EXPECT_EQ(store.ReadValue(kUser, kRecentFilesKey, "3."), "/tres.ico");
  EXPECT_EQ(loaded[1], "/a\nb.ico");
  // The exit stores the list held, numbered from 1, and deletes the other numbers.
  SaveRecentFiles(store, menu, &loaded);
  EXPECT_EQ(store.ReadValue(kUser, kRecentFilesKey, "1."), "/uno.ico");
  EXPECT_EQ(store.ReadValue(kUser, kRecentFilesKey, "2."), "/tres.ico");
  EXPECT_FALSE(store.ReadValue(kUser, kRecentFilesKey, "3.").has_value());
  EXPECT_FALSE(store.ReadValue(kUser, kRecentFilesKey, "4.").has_value());
  // A list left as loaded is not written again: what another copy stored meanwhile stays.
  const StoredRecentFiles now = {"/uno.ico", "/tres.ico", std::nullopt, std::nullopt};
  store.WriteValue(kUser, kRecentFilesKey, "1.", "/otra.ico");
  SaveRecentFiles(store, menu, &now);
  EXPECT_EQ(store.ReadValue(kUser, kRecentFilesKey, "1."), "/otra.ico");
  SaveRecentFiles(store, menu);  // without the loaded values: always written
  EXPECT_EQ(store.ReadValue(kUser, kRecentFilesKey, "1."), "/uno.ico");
  EXPECT_EQ(store.ReadValue(kUser, kRecentFilesKey, "2."), "/tres.ico");
  EXPECT_EQ(store.ReadValue(kUser, kRecentFilesKey, "3."), "/otra.ico");  // after its own
}

TEST_F(RecentMenuTest, TheLengthLimitCountsCharactersNotBytes) {
  SettingsFile store;
  store.CreateKey(kUser, kRecentFilesKey);
  std::string accented = "/";
  for (int i = 0; i < 64; ++i) accented += "\xC3\xB1\xC3\xA1";  // "ñá": 2 characters, 4 bytes
  accented += "/icono.ico";  // 1 + 128 + 10 = 139 characters in 267 bytes
  std::string at_limit = "/";
  for (int i = 0; i < 259; ++i) at_limit += "\xC3\xA9";  // 260 characters
  std::string just_under = at_limit.substr(0, at_limit.size() - 2);
  store.WriteValue(kUser, kRecentFilesKey, "1.", accented);
  store.WriteValue(kUser, kRecentFilesKey, "2.", at_limit);
  store.WriteValue(kUser, kRecentFilesKey, "3.", just_under);
  LoadRecentFiles(store, menu);
  EXPECT_EQ(Listed(), (std::vector<std::string>{accented, just_under}));
  EXPECT_EQ(CharacterCount(accented), 139u);
  EXPECT_EQ(CharacterCount("a\xE2\x82\xAC\xF0\x9F\x98\x80z"), 4u);  // a € 😀 z
  // Bytes that are not UTF-8 count one each.
  EXPECT_EQ(CharacterCount("\xE9t\xE9\xC3"), 4u);
  EXPECT_EQ(CharacterCount("\xC0\x80\xED\xA0\x80"), 5u);  // overlong, surrogate
}

TEST(SettingsStore, TheFolderIsRestoredOnlyWhenItStillExists) {
  TempFolder folder;
  const auto before = std::filesystem::current_path();
  SettingsFile store;
  std::filesystem::create_directories(folder.File("ultima"));
  std::filesystem::create_directories(folder.File("casa"));
  std::filesystem::current_path(folder.File("ultima"));
  SaveRecentFolder(store);
  EXPECT_EQ(store.ReadValue(kUser, kRecentFolderKey, "Folder"), folder.File("ultima"));
  RestoreRecentFolder(store, folder.File("casa"));
  EXPECT_EQ(std::filesystem::current_path(), folder.File("ultima"));
  EXPECT_FALSE(store.ReadValue(kUser, kRecentFolderKey, "Folder").has_value());
  store.WriteValue(kUser, kRecentFolderKey, "Folder", folder.File("borrada"));
  RestoreRecentFolder(store, folder.File("casa"));
  EXPECT_EQ(std::filesystem::current_path(), folder.File("casa"));
  EXPECT_FALSE(store.ReadValue(kUser, kRecentFolderKey, "Folder").has_value());
  std::filesystem::current_path(before);
}

TEST(SettingsStore, RegisteringWritesTheAssociationAndTheDesktopEntry) {
  TempFolder folder;
  SettingsFile store;
  DesktopFolders desktop{folder.File("data"), folder.File("config"), {folder.File("system")}};
  RegisterIconFileType(store, "/opt/brindlex", "/opt/brindlex/brindlex", desktop);
  constexpr RegistryRoot kClasses = RegistryRoot::kClassesRoot;
  EXPECT_EQ(store.ReadValue(kClasses, ".ico", ""), "icofile");
  EXPECT_EQ(store.ReadValue(kClasses, "icofile", ""), "Windows Icon");
  EXPECT_EQ(store.ReadValue(kClasses, "icofile\\DefaultIcon", ""), "%1");
  EXPECT_EQ(store.ReadValue(kClasses, "icofile\\Shell\\Open\\Command", ""),
            "/opt/brindlex/brindlex %1");
  EXPECT_EQ(IconOpenCommand("/"), "/brindlex %1");
  EXPECT_EQ(ReadText(desktop.data_home + "/applications/brindlex.desktop"),
            DesktopEntryText("/opt/brindlex/brindlex"));
  EXPECT_EQ(ReadText(desktop.config_home + "/mimeapps.list"),
            "[Default Applications]\nimage/vnd.microsoft.icon=brindlex.desktop\n"
            "image/x-icon=brindlex.desktop\n");
}

TEST(SettingsFile, TwoCopiesOnOneFileKeepEachOthersValues) {
  TempFolder folder;
  const std::string path = folder.File("cfg/registry.reg");
  SettingsFile first(path), second(path);
  ASSERT_TRUE(first.CreateKey(kUser, "Software\\A"));
  first.WriteValue(kUser, "Software\\A", "uno", "1");
  first.WriteValue(kUser, "Software\\A", "dos", "2");
  // The second copy read the file before the first wrote: it knows no key yet.
  EXPECT_FALSE(second.KeyExists(kUser, "Software\\A"));
  ASSERT_TRUE(second.CreateKey(kUser, "Software\\A"));
  second.WriteValue(kUser, "Software\\A", "tres", "3");
  second.DeleteValue(kUser, "Software\\A", "dos");  // not in its view: deleted from the file
  EXPECT_EQ(second.ReadValue(kUser, "Software\\A", "uno"), "1");  // read back with the write
  first.WriteValue(kUser, "Software\\A", "uno", "1");             // same text here, yet written
  SettingsFile third(path);
  EXPECT_EQ(third.ReadValue(kUser, "Software\\A", "uno"), "1");
  EXPECT_FALSE(third.ReadValue(kUser, "Software\\A", "dos").has_value());
  EXPECT_EQ(third.ReadValue(kUser, "Software\\A", "tres"), "3");
  // The second copy changes "uno"; the first, writing something else afterwards, leaves it.
  second.WriteValue(kUser, "Software\\A", "uno", "one");
  first.CreateKey(kUser, "Software\\B");
  EXPECT_EQ(SettingsFile(path).ReadValue(kUser, "Software\\A", "uno"), "one");
  EXPECT_EQ(SettingsFile(path).ReadValue(kUser, "Software\\A", "tres"), "3");
  EXPECT_TRUE(std::filesystem::exists(path + ".lock"));
}

TEST(SettingsFile, AnUpdateReadsWhatOthersStoredAndWritesOnceUnderTheLock) {
  TempFolder folder;
  const std::string path = folder.File("cfg/registry.reg");
  SettingsFile mine(path), other(path);
  ASSERT_TRUE(other.CreateKey(kUser, "Software\\A"));
  other.WriteValue(kUser, "Software\\A", "n", "1");
  const std::string before = ReadText(path);
  bool others_kept_out = false;
  std::string during;
  mine.Update([&](Registry& store) {
    const int fd = ::open((path + ".lock").c_str(), O_RDWR | O_CLOEXEC);
    others_kept_out = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (fd >= 0) ::close(fd);
    const std::string n = store.ReadValue(kUser, "Software\\A", "n").value_or("0");
    store.WriteValue(kUser, "Software\\A", "n", n + "+1");
    store.WriteValue(kUser, "Software\\A", "m", "x");
    during = ReadText(path);
  });
  EXPECT_TRUE(others_kept_out);
  EXPECT_EQ(during, before);  // the step's changes wait for its one write
  SettingsFile after(path);
  EXPECT_EQ(after.ReadValue(kUser, "Software\\A", "n"), "1+1");
  EXPECT_EQ(after.ReadValue(kUser, "Software\\A", "m"), "x");
}

TEST(SettingsFile, AFileThatCannotBeReadWholeIsNeverReplaced) {
  TempFolder folder;
  const std::string path = folder.File("registry.reg");
  std::ofstream(path) << std::string((1 << 20) + 1, '#');
  SettingsFile store(path);
  ASSERT_TRUE(store.CreateKey(kUser, "Software\\A"));
  EXPECT_TRUE(store.WriteValue(kUser, "Software\\A", "x", "y"));
  EXPECT_EQ(store.ReadValue(kUser, "Software\\A", "x"), "y");  // kept in memory
  EXPECT_EQ(std::filesystem::file_size(path), (1u << 20) + 1);
  // Changes that could not be written go with the next write that can.
  std::filesystem::remove(path);
  store.WriteValue(kUser, "Software\\A", "z", "w");
  SettingsFile again(path);
  EXPECT_EQ(again.ReadValue(kUser, "Software\\A", "x"), "y");
  EXPECT_EQ(again.ReadValue(kUser, "Software\\A", "z"), "w");
}

}  // namespace
}  // namespace brindlex
