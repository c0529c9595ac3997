#pragma once

// Every text the icon reader and writer show the user, kept in one place.

#include <string>
#include <string_view>

namespace brindlex {

// Line break inside message texts.
inline constexpr std::string_view kMessageLineBreak = "\r\n";

// Titles.
inline constexpr std::string_view kErrorTitle = "Quorvane 2001 - Error";
// The single-image load error has two blanks before the dash.
inline constexpr std::string_view kLoadErrorTitle = "Quorvane 2001  - Error";

// Opening one image: size check and unreadable file.
inline constexpr std::string_view kSingleIconSizeText =
    "las dimenciones de este ikono no son iguales ke el Quorvane ";
inline constexpr std::string_view kSingleIconLoadErrorText = "error inesperado al kargar ikono";

// Decoding the image picked from a multi-image file.
inline constexpr std::string_view kDecodeSizeText = "Quorvane 2001 no kompatibilidad de ikonos";
inline constexpr std::string_view kDecodeErrorText = "Quorvane 2001 error al kargar";

// Opening an image whose alpha fades: its partly transparent pixels became opaque (alpha of
// 128 or more) or transparent, and the file saved later keeps only that.
inline constexpr std::string_view kSoftAlphaTitle = "Quorvane 2001 - Aviso";
inline constexpr std::string_view kSoftAlphaText =
    "este ikono tiene pixels semitransparentes: los ke tienen 128 o mas de opacidad kedan "
    "opakos y los demas transparentes.";

// Row texts of the image list: width, " x ", height, then the depth suffix.
inline constexpr std::string_view kListTimes = " x ";
inline constexpr std::string_view kListMonochrome = " ... Monochrome";
inline constexpr std::string_view kList16Color = " ... 16 Color";
inline constexpr std::string_view kList256Color = " ... 256 Color";
inline constexpr std::string_view kListTrueColor = " ... True Color";

// Saving back into a multi-image file when the source cannot be copied faithfully (these
// stand beside the system's own error descriptions shown for failed file operations); each
// is shown under kErrorTitle.
inline constexpr std::string_view kSourceDamagedText =
    "The icon file to save into is damaged: its directory or an image lies outside the file.";
inline constexpr std::string_view kSourceImageMissingText =
    "el archivo ya no tiene la imagen ke se esta editando";
inline constexpr std::string_view kPlaneSizeMismatchText =
    "The image being edited does not have the size of the image it replaces.";
inline constexpr std::string_view kUnsupportedDepthText =
    "The image has colours that the chosen colour depth cannot hold.";

// The size message: text, two line breaks, "W x H pixels.".
inline std::string SizeMessage(std::string_view text, long long width, long long height) {
  std::string message(text);
  message += kMessageLineBreak;
  message += kMessageLineBreak;
  message += std::to_string(width);
  message += kListTimes;
  message += std::to_string(height);
  message += " pixels.";
  return message;
}

}  // namespace brindlex
