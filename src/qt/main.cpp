// The editor's entry: the start routine, then the main window on Qt.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/start_program.h"
#include "platform/display_platform.h"
#include "qt/main_window.h"
#include "qt/pointer_confinement.h"
#include "qt/qt_ui.h"
#include "qt/toolkit_translations.h"
#include "qt/x11_display.h"
#include "shell/settings_file.h"

namespace {

std::string ProgramFolder() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path(error).string() : exe.parent_path().string();
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Runs a Wayland session's editor on XWayland when there is one, since confining and moving
// the pointer need X11; the user's own QT_QPA_PLATFORM is kept. Must run before QApplication.
void ChooseDisplayPlatform() {
  const std::string platform = brindlex::ChooseQtPlatform(
      {Environment("WAYLAND_DISPLAY"), Environment("DISPLAY"), Environment("QT_QPA_PLATFORM")});
  if (!platform.empty()) ::setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
}

// True when Qt will show its windows on the X display.
bool UsesX11() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  return platform == nullptr || *platform == '\0' || std::string(platform).rfind("xcb", 0) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace brindlex;
  StartupPaths paths;
  // A relative path names a file of the folder the program started in: resolve it now,
  // before the start-up makes the stored recent folder current.
  std::error_code no_folder;
  paths.CommandLine =
      ResolveCommandLinePath(JoinCommandLine(std::vector<std::string>(argv + 1, argv + argc)),
                             std::filesystem::current_path(no_folder).string());
  paths.ProgramFolder = ProgramFolder();
  SettingsFile settings(SettingsFile::DefaultPath());
  ChooseDisplayPlatform();

  // Qt cannot paint on displays of 8 bits or fewer: there the start routine runs with plain
  // X message boxes, and it ends the program after its colour-depth message.
  if (UsesX11()) {
    const int depth = qt::X11DisplayDepth();
    if (depth > 0 && depth <= 8) {
      qt::X11Screen screen;
      qt::X11MessageUi ui;
      if (!StartProgram(screen, ui, paths, settings)) return 0;
    }
  }

  // Qt sees only the program's name: every argument belongs to the command line.
  int qt_argc = 1;
  char* qt_argv[] = {argv[0], nullptr};
  QApplication app(qt_argc, qt_argv);
  qt::TakeDisplayPlatform();
  qt::InstallToolkitTranslations(app);
  qt::QtScreen screen;
  qt::QtUi ui;
  if (!StartProgram(screen, ui, paths, settings)) return 0;
  qt::MainWindow window(ui, screen, paths, &settings);
  window.Start();
  return app.exec();
}
