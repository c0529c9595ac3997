#include "shell/desktop_registration.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files/icon_test_files.h"

namespace brindlex {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteText(const std::string& path, const std::string& text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

class DesktopRegistration : public ::testing::Test {
 protected:
  DesktopRegistration()
      : desktop{folder.File("data"),
                folder.File("config"),
                {folder.File("local-share"), folder.File("share")}} {}
  std::string OwnEntry() const { return desktop.data_home + "/applications/brindlex.desktop"; }
  std::string MimeApps() const { return desktop.config_home + "/mimeapps.list"; }

  TempFolder folder;
  DesktopFolders desktop;
};

TEST_F(DesktopRegistration, ALargeMimeAppsListAndTheUsersOwnDefaultAreKeptAcrossStarts) {
  std::string big = "[Added Associations]\n";
  for (int i = 0; big.size() < (3u << 19); ++i)  // 1.5 MiB of associations
    big += "application/x-type-" + std::to_string(i) + "=app" + std::to_string(i) + ".desktop;\n";
  big += "\n[Default Applications]\nimage/x-icon=gimp.desktop\n";
  WriteText(MimeApps(), big);
  RegisterDesktopEntry("/opt/b/brindlex", desktop);
  const std::string expected = big + "image/vnd.microsoft.icon=brindlex.desktop\n";
  EXPECT_EQ(ReadText(MimeApps()), expected);
  RegisterDesktopEntry("/opt/b/brindlex", desktop);  // the next start changes nothing
  EXPECT_EQ(ReadText(MimeApps()), expected);
  // A list with a line that is not understood is left exactly as it is.
  const std::string odd = big + "<<< merge conflict\n";
  WriteText(MimeApps(), odd);
  RegisterDesktopEntry("/opt/b/brindlex", desktop);
  EXPECT_EQ(ReadText(MimeApps()), odd);
  // So is one too large to read whole.
  fs::resize_file(MimeApps(), (64u << 20) + 1);
  RegisterDesktopEntry("/opt/b/brindlex", desktop);
  EXPECT_EQ(fs::file_size(MimeApps()), (64u << 20) + 1);
  EXPECT_EQ(ReadText(MimeApps()).substr(0, odd.size()), odd);
}

TEST_F(DesktopRegistration, AListKeptElsewhereThroughALinkIsUpdatedThere) {
  WriteText(folder.File("dotfiles/mimeapps.list"),
            "[Default Applications]\nimage/png=eog.desktop\n");
  fs::create_directories(desktop.config_home);
  fs::create_symlink(folder.File("dotfiles/mimeapps.list"), MimeApps());
  RegisterDesktopEntry("/opt/b/brindlex", desktop);
  EXPECT_TRUE(fs::is_symlink(MimeApps()));
  EXPECT_EQ(ReadText(folder.File("dotfiles/mimeapps.list")),
            "[Default Applications]\nimage/png=eog.desktop\n"
            "image/vnd.microsoft.icon=brindlex.desktop\nimage/x-icon=brindlex.desktop\n");
}

TEST_F(DesktopRegistration, TheOwnEntryStartsTheRunningProgramUnlessTheEditorIsInstalled) {
  RegisterDesktopEntry("/home/ana/src/brindlex/build/brindlex", desktop);
  EXPECT_EQ(ReadText(OwnEntry()),
            "[Desktop Entry]\nType=Application\nName=Brindlex\nComment=Editor de ikonos\n"
            "Exec=\"/home/ana/src/brindlex/build/brindlex\" %f\nTerminal=false\n"
            "Categories=Graphics;2DGraphics;RasterGraphics;\n"
            "MimeType=image/vnd.microsoft.icon;image/x-icon;\n"
            "X-Brindlex-Registered=true\n");
  // Run from elsewhere, the entry follows.
  RegisterDesktopEntry("/opt/b/brindlex", desktop);
  EXPECT_EQ(ReadText(OwnEntry()), DesktopEntryText("/opt/b/brindlex"));
  // The user's folder listed among the system folders is still the user's.
  desktop.data_dirs.push_back(desktop.data_home);
  EXPECT_EQ(InstalledDesktopEntry(desktop), "");
  // Installed: no entry of its own, and the one written before goes, so that it does not
  // hide the installed one.
  WriteText(folder.File("share/applications/brindlex.desktop"), "[Desktop Entry]\n");
  EXPECT_EQ(InstalledDesktopEntry(desktop), folder.File("share/applications/brindlex.desktop"));
  RegisterDesktopEntry("/usr/bin/brindlex", desktop);
  EXPECT_FALSE(fs::exists(OwnEntry()));
  RegisterDesktopEntry("/usr/bin/brindlex", desktop);
  EXPECT_FALSE(fs::exists(OwnEntry()));
  EXPECT_EQ(ReadText(MimeApps()),
            "[Default Applications]\nimage/vnd.microsoft.icon=brindlex.desktop\n"
            "image/x-icon=brindlex.desktop\n");
  // An entry of the same name that the user wrote is theirs: never replaced or removed.
  const std::string users = "[Desktop Entry]\nType=Application\nName=Mi editor\nExec=b %f\n";
  WriteText(OwnEntry(), users);
  RegisterDesktopEntry("/usr/bin/brindlex", desktop);
  fs::remove(folder.File("share/applications/brindlex.desktop"));
  RegisterDesktopEntry("/opt/b/brindlex", desktop);
  EXPECT_EQ(ReadText(OwnEntry()), users);
}

TEST(DesktopEntry, OddProgramPathsAreQuotedForTheExecLine) {
  const std::string text = DesktopEntryText("/mis cosas/100%/a\"b$c`d\\e/brindlex");
  EXPECT_NE(text.find("\nExec=\"/mis cosas/100%%/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e/brindlex\" %f\n"),
            std::string::npos)
      << text;
  std::error_code error;
  EXPECT_EQ(RunningProgramPath("/nada"), fs::read_symlink("/proc/self/exe", error).string());
}

}  // namespace
}  // namespace brindlex
