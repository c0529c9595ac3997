#pragma once

#include <string>

namespace brindlex {

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else
// $HOME/.config.
std::string ConfigHomeFolder();
// The user's data folder: $XDG_DATA_HOME when it is an absolute path, else
// $HOME/.local/share.
std::string DataHomeFolder();

}  // namespace brindlex
