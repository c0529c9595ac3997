#pragma once

// brindlex-tool extract --group and --all: icons written out as the file stores them (see
// IconLibrary::ReadGroupFile), one or every one of each file.

#include <ostream>
#include <string>
#include <vector>

#include "extraction/icon_library.h"

namespace brindlex {

// Writes icon `index` of the opened library to `output` as stored. An image the group names
// but the file lacks is left out with a warning; an icon that cannot be read at all is a
// failure. Returns an exit status.
int WriteIconGroup(IconLibrary& library, const std::string& input, int index,
                   const std::string& output, std::ostream& err);

// The name part of the files --all writes for each input, in the order given: the input's
// base name with its extension ("shell32.dll"), "stdin" for "-". A name that an earlier
// input already took, or that is the base name of another input, gets the first free "_2",
// "_3", ... after it, so that no two inputs write to the same files.
std::vector<std::string> OutputStems(const std::vector<std::string>& files);

}  // namespace brindlex
