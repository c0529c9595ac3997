#pragma once

// The messages the file commands show for what the icon readers and writers report: each
// result becomes its stated text, title and icon (warning, OK button).

#include "files/icon_reader.h"
#include "files/icon_writer.h"
#include "platform/ui.h"

namespace brindlex {

// A one-image file that did not load: the size message or the load error.
void ReportSingleIconFailure(Ui& ui, const IconLoadResult& result);
// An image picked from a multi-image file that did not decode: the incompatibility message
// or the load error.
void ReportDecodeFailure(Ui& ui, const IconLoadResult& result);
// An image that loaded: the soft-transparency warning when its alpha fades, else nothing.
void ReportSoftAlpha(Ui& ui, const IconLoadResult& result);

// Shows why saving back into a multi-image file failed (ReplaceFailureText) under the icon
// error title.
void ReportReplaceFailure(Ui& ui, const ReplaceResult& result);

}  // namespace brindlex
