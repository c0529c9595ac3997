#pragma once

// Texts the open, save and extraction commands show when reading or writing an icon file
// fails, and the title each goes under.

#include <string>

#include "files/icon_writer.h"

namespace brindlex::app_text {

// Titles.
inline constexpr char kIconErrorTitle[] = "Quorvane 2001 - Error";
// The single-image load error has two blanks before the dash.
inline constexpr char kIconLoadErrorTitle[] = "Quorvane 2001  - Error";

// Opening one image: size check and unreadable file. The size texts are followed by two line
// breaks and "W x H pixels.".
inline constexpr char kSingleIconSizeText[] =
    "las dimenciones de este ikono no son iguales ke el Quorvane ";
inline constexpr char kSingleIconLoadErrorText[] = "error inesperado al kargar ikono";

// Decoding the image picked from a multi-image file.
inline constexpr char kDecodeSizeText[] = "Quorvane 2001 no kompatibilidad de ikonos";
inline constexpr char kDecodeErrorText[] = "Quorvane 2001 error al kargar";

// Opening an image whose alpha fades: its partly transparent pixels became opaque (alpha of
// 128 or more) or transparent, and the file saved later keeps only that.
inline constexpr char kSoftAlphaTitle[] = "Quorvane 2001 - Aviso";
inline constexpr char kSoftAlphaText[] =
    "este ikono tiene pixels semitransparentes: los ke tienen 128 o mas de opacidad kedan "
    "opakos y los demas transparentes.";

// Saving back into a multi-image file when the source cannot be copied faithfully (these
// stand beside the system's own error descriptions shown for failed file operations); each
// is shown under kIconErrorTitle. The editor does not show kSourceDamagedText: it offers to
// save the image alone instead (app_messages.h); the tool prints it.
inline constexpr char kSourceDamagedText[] =
    "The icon file to save into is damaged: its directory or an image lies outside the file.";
inline constexpr char kSourceImageMissingText[] =
    "el archivo ya no tiene la imagen ke se esta editando";
inline constexpr char kPlaneSizeMismatchText[] =
    "The image being edited does not have the size of the image it replaces.";
inline constexpr char kUnsupportedDepthText[] =
    "The image has colours that the chosen colour depth cannot hold.";

}  // namespace brindlex::app_text

namespace brindlex {

// The size message: text, two line breaks, "W x H pixels.".
std::string SizeMessage(const std::string& text, long long width, long long height);

// Why saving back into a multi-image file failed: the system's description of a failed read
// or write, or the text of the fault found in the file.
std::string ReplaceFailureText(const ReplaceResult& result);

}  // namespace brindlex
