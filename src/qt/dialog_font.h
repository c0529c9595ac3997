#pragma once

#include <QFont>
#include <vector>

#include "forms/printed_text.h"

namespace brindlex::qt {

// The small sans-serif face of classic dialogs, 11 pixels high (Arial, or its metric twin
// where Arial itself is missing), in which the stated texts fit their stated places.
QFont ClassicDialogFont();

// `font` made smaller a pixel at a time, down to 8 pixels, until every printed text with a
// room fits it.
QFont FontFitting(QFont font, const std::vector<PrintedText>& printed);

}  // namespace brindlex::qt
