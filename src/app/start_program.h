#pragma once

#include <string>
#include <vector>

#include "app/frm_brindlex.h"
#include "platform/registry.h"
#include "platform/screen.h"
#include "platform/ui.h"

namespace brindlex {

// True when the screen has more than 8 bits per pixel; otherwise shows the colour-depth
// error and returns False once the user has closed it.
bool CheckColorDepth(const Screen& screen, Ui& ui);

// The path of the shell's icon library: the first folder holding a file named shell32.dll
// (letter case ignored) among the Wine prefix's system folder and the Wine installation's
// folders of Windows libraries, else program_folder; then "/" and the file's actual name.
std::string FindShellIconPath(const std::string& program_folder);
// The candidate folders FindShellIconPath searches, in order.
std::vector<std::string> ShellIconFolders();

// The program's arguments (without the program's own name) joined by single blanks.
std::string JoinCommandLine(const std::vector<std::string>& arguments);

// The command-line path as a path from the root: empty stays empty, a path starting with "/"
// is kept, any other is taken inside start_folder (the folder the program started in, read
// before the start-up changes the current folder); "." steps are dropped.
std::string ResolveCommandLinePath(const std::string& command_line,
                                   const std::string& start_folder);

// The start routine up to the main window: checks the colour depth (False: the program
// must end at once), fills the standard palettes, finds the paths and registers the
// icon-file association. The caller then creates and shows the main window.
bool StartProgram(const Screen& screen, Ui& ui, StartupPaths& paths, Registry& registry);

}  // namespace brindlex
