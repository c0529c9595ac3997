// The main form's settings across runs: the recent files and the folder it starts in, with
// two copies of the editor sharing one settings file, and a copy that is killed.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/frm_brindlex.h"
#include "files/icon_test_files.h"
#include "scripted_ui.h"
#include "shell/recent_files.h"
#include "shell/settings_file.h"
#include "shell/settings_store.h"

namespace brindlex {
namespace {

namespace fs = std::filesystem;
using testing::FixedScreen;
using testing::ScriptedUi;
using testing::TempFolder;
constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;

// One run of the editor: its own view of the settings file, and its main form.
struct Copy {
  explicit Copy(const std::string& settings_path)
      : settings(settings_path), form(ui, screen, StartupPaths{}, &settings) {
    form.Form_Load();
  }
  std::vector<std::string> Recent() {
    std::vector<std::string> tags;
    RecentMenu menu = RecentMenu::Of(form.Menus);
    for (int i = 1; i <= 4; ++i)
      if (menu.slots[i]->visible) tags.push_back(menu.slots[i]->tag);
    return tags;
  }
  ScriptedUi ui;
  FixedScreen screen;
  SettingsFile settings;
  FrmBrindlex form;
};

class SettingsLifecycle : public ::testing::Test {
 protected:
  ~SettingsLifecycle() override { fs::current_path(start_folder_); }
  std::string Icon(const std::string& name) {
    const std::string path = folder.File(name);
    testing::WriteBytes(path, testing::IconFile({testing::UniformImage(16, 4, 0x9C, 0)}));
    return path;
  }
  std::optional<std::string> Stored(const std::string& name) {
    return SettingsFile(settings_path).ReadValue(kUser, kRecentFilesKey, name);
  }

  const fs::path start_folder_ = fs::current_path();
  TempFolder folder;
  const std::string settings_path = folder.File("config/brindlex/registry.reg");
};

TEST_F(SettingsLifecycle, AKilledEditorLeavesTheRecentFilesAsTheyWere) {
  const std::string a = Icon("a.ico"), b = Icon("b.ico"), c = Icon("c.ico");
  {
    Copy first(settings_path);
    first.form.OpenDroppedFile({a});
    first.form.OpenDroppedFile({b});
    EXPECT_FALSE(first.form.Form_QueryUnload());
  }
  EXPECT_EQ(Stored("1."), b);
  EXPECT_EQ(Stored("2."), a);
  {
    Copy killed(settings_path);
    EXPECT_EQ(killed.Recent(), (std::vector<std::string>{b, a}));
    killed.form.OpenDroppedFile({c});
  }  // gone without its exit sequence
  EXPECT_EQ(Stored("1."), b);
  EXPECT_EQ(Stored("2."), a);
  Copy next(settings_path);
  EXPECT_EQ(next.Recent(), (std::vector<std::string>{b, a}));
  // A normal exit stores what the list holds, and nothing beyond it.
  RecentMenu menu = RecentMenu::Of(next.form.Menus);
  menu.slots[1]->tag.clear();
  CompactRecentFiles(menu);
  EXPECT_FALSE(next.form.Form_QueryUnload());
  EXPECT_EQ(Stored("1."), a);
  EXPECT_FALSE(Stored("2.").has_value());
}

TEST_F(SettingsLifecycle, TwoCopiesExitingInTurnKeepWhatTheOtherStored) {
  const std::string a = Icon("a.ico"), b = Icon("b.ico");
  fs::create_directories(folder.File("uno"));
  fs::create_directories(folder.File("dos"));
  Copy first(settings_path), second(settings_path);
  second.settings.CreateKey(kUser, "Software\\Marrowfield\\Brindlex\\Otra");
  second.settings.WriteValue(kUser, "Software\\Marrowfield\\Brindlex\\Otra", "v", "segunda");
  second.form.OpenDroppedFile({b});
  fs::current_path(folder.File("dos"));
  EXPECT_FALSE(second.form.Form_QueryUnload());
  // The first copy changed no recent file: the second's list stays; its folder is stored.
  fs::current_path(folder.File("uno"));
  EXPECT_FALSE(first.form.Form_QueryUnload());
  SettingsFile after(settings_path);
  EXPECT_EQ(after.ReadValue(kUser, kRecentFilesKey, "1."), b);
  EXPECT_EQ(after.ReadValue(kUser, kRecentFolderKey, "Folder"), folder.File("uno"));
  EXPECT_EQ(after.ReadValue(kUser, "Software\\Marrowfield\\Brindlex\\Otra", "v"), "segunda");

  // Both change the list: the later exit's list comes first; the other values stay.
  Copy third(settings_path), fourth(settings_path);
  third.form.OpenDroppedFile({a});
  fourth.form.OpenDroppedFile({a});
  fourth.form.OpenDroppedFile({b});
  EXPECT_FALSE(fourth.form.Form_QueryUnload());
  EXPECT_FALSE(third.form.Form_QueryUnload());
  EXPECT_EQ(Stored("1."), a);
  EXPECT_EQ(Stored("2."), b);
  EXPECT_EQ(
      SettingsFile(settings_path).ReadValue(kUser, "Software\\Marrowfield\\Brindlex\\Otra", "v"),
      "segunda");
}

TEST_F(SettingsLifecycle, CopiesExitingInTurnListTheFilesOfBoth) {
  const std::string a = Icon("a.ico"), b = Icon("b.ico"), c = Icon("c.ico"), d = Icon("d.ico"),
                    e = Icon("e.ico");
  {
    Copy first(settings_path), second(settings_path);
    first.form.OpenDroppedFile({a});
    second.form.OpenDroppedFile({b});
    EXPECT_FALSE(second.form.Form_QueryUnload());
    EXPECT_FALSE(first.form.Form_QueryUnload());
  }
  Copy next(settings_path);
  EXPECT_EQ(next.Recent(), (std::vector<std::string>{a, b}));
  {
    Copy other(settings_path);
    other.form.OpenDroppedFile({c});
    other.form.OpenDroppedFile({d});
    EXPECT_FALSE(other.form.Form_QueryUnload());
  }
  EXPECT_EQ(Stored("1."), d);
  // This copy's own files first, then the other's newest, four in all.
  next.form.OpenDroppedFile({e});
  EXPECT_FALSE(next.form.Form_QueryUnload());
  EXPECT_EQ(Copy(settings_path).Recent(), (std::vector<std::string>{e, a, b, d}));
}

TEST_F(SettingsLifecycle, TheFirstFolderIsTheHomeFolderUnlessOneIsStored) {
  const std::string home = folder.File("casa");
  fs::create_directories(home);
  const char* old_home = std::getenv("HOME");
  const std::string saved_home = old_home ? old_home : "";
  ::setenv("HOME", home.c_str(), 1);
  {
    Copy fresh(settings_path);
    EXPECT_EQ(fs::current_path(), home);
    fs::create_directories(folder.File("iconos"));
    fs::current_path(folder.File("iconos"));
    EXPECT_FALSE(fresh.form.Form_QueryUnload());
  }
  {
    Copy again(settings_path);
    EXPECT_EQ(fs::current_path(), folder.File("iconos"));
  }
  ::setenv("HOME", saved_home.c_str(), 1);
}

}  // namespace
}  // namespace brindlex
