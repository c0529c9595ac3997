#include "app/start_program.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/app_messages.h"
#include "shell/settings_store.h"

namespace brindlex {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// The actual name of the file called shell32.dll in any letter case inside folder, or "".
std::string FindShell32In(const std::string& folder) {
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  if (error) return {};
  for (const auto& entry : it) {
    const std::string name = entry.path().filename().string();
    if (Lower(name) == "shell32.dll" && entry.is_regular_file(error)) return name;
  }
  return {};
}

}  // namespace

bool CheckColorDepth(const Screen& screen, Ui& ui) {
  if (screen.BitsPerPixel() > 8) return true;
  ui.ShowMessage(app_text::kColorDepthText, app_text::kColorDepthTitle, MessageIcon::kCritical,
                 MessageButtons::kOk);
  return false;
}

std::vector<std::string> ShellIconFolders() {
  std::vector<std::string> folders;
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix)
    folders.push_back(std::string(prefix) + "/drive_c/windows/system32");
  if (const char* home = std::getenv("HOME"); home && *home)
    folders.push_back(std::string(home) + "/.wine/drive_c/windows/system32");
  for (const char* folder : {"/usr/lib/x86_64-linux-gnu/wine/x86_64-windows",
                             "/usr/lib/x86_64-linux-gnu/wine/i386-windows",
                             "/usr/lib/wine/x86_64-windows", "/usr/lib/wine/i386-windows"})
    folders.push_back(folder);
  return folders;
}

std::string FindShellIconPath(const std::string& program_folder) {
  for (const std::string& folder : ShellIconFolders()) {
    const std::string name = FindShell32In(folder);
    if (!name.empty()) return folder + "/" + name;
  }
  return program_folder + "/Shell32.dll";
}

std::string JoinCommandLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    line += argument;
  }
  return line;
}

std::string ResolveCommandLinePath(const std::string& command_line,
                                   const std::string& start_folder) {
  if (command_line.empty() || command_line.front() == '/' || start_folder.empty())
    return command_line;
  std::filesystem::path resolved = start_folder;
  for (const auto& step : std::filesystem::path(command_line)) {
    if (step != ".") resolved /= step;
  }
  return resolved.string();
}

bool StartProgram(const Screen& screen, Ui& ui, StartupPaths& paths, Registry& registry) {
  if (!CheckColorDepth(screen, ui)) return false;
  paths.ShellIconPath = FindShellIconPath(paths.ProgramFolder);
  RegisterIconFileType(registry, paths.ProgramFolder, RunningProgramPath(paths.ProgramFolder),
                       DesktopFolders::OfUser());
  return true;
}

}  // namespace brindlex
