#pragma once

#include "platform/ui.h"

namespace brindlex {

// The file dialog of one mode: its title, filters, default extension and filter index.
FileDialogSetup FileDialogSetupFor(FileDialogMode mode, int extract_filter_index);

// Shows the file dialog of a mode. On acceptance the chosen file's folder becomes the
// current folder, and in the extract mode the filter the user ended with is kept in
// extract_filter_index.
FileDialogResult ShowFileDialog(FileDialogMode mode, Ui& ui, int& extract_filter_index);

}  // namespace brindlex
