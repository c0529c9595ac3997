#pragma once

#include <string>
#include <vector>

namespace brindlex {

// The user's home folder: $HOME when it is an absolute path, else the home folder of the
// user's account, else "/".
std::string HomeFolder();
// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else
// HomeFolder() + "/.config".
std::string ConfigHomeFolder();
// The user's data folder: $XDG_DATA_HOME when it is an absolute path, else
// HomeFolder() + "/.local/share".
std::string DataHomeFolder();
// The system's data folders, most important first: the absolute paths listed in
// $XDG_DATA_DIRS (separated by ":"), else "/usr/local/share" and "/usr/share".
std::vector<std::string> DataFolders();

}  // namespace brindlex
