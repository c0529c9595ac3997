#pragma once

// Texts of the File menu's exports.
namespace brindlex::app_text {

inline constexpr char kExportErrorTitle[] = "Quorvane - Error";
inline constexpr char kBitmapExportFailed[] = "Failla al salvar ikono komo bitmap.";
inline constexpr char kCursorExportFailed[] = "Faillo al salvar ikono komo kursor";

}  // namespace brindlex::app_text
