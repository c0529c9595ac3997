#pragma once

// Texts the main window shows: captions, prompts and start-up messages.
namespace brindlex::app_text {

inline constexpr char kStoredCaption[] = "EdItOr De iKOnoS   v2.0  Quorvane";
inline constexpr char kUntitledCaption[] = "Quorvane 2001 - Untitled";
inline constexpr char kExitCaption[] = "sAlIR\tAlt+F4";

inline constexpr char kColorDepthTitle[] = "Quorvane 2001  - Error";
inline constexpr char kColorDepthText[] =
    "Quorvane 2001  rekiere mas kolor para esta opcion\r\n\r\nporfavor ajusta el kolor";

inline constexpr char kSavePromptTitle[] = "Quorvane - Salvar kambios?";
inline constexpr char kSavePromptNamedStart[] = "Salvar komo ";
inline constexpr char kSavePromptNamedEnd[] = "?";
inline constexpr char kSavePromptUntitled[] = "salvar kambios??";

inline constexpr char kOpenFailedText[] = "fALLO AL ABRIR EL ARCHIVO";
inline constexpr char kOpenFailedTitle[] = "Quorvane eRROr";
inline constexpr char kBadExtensionText[] = "EXTENSION NO VALIDA";
inline constexpr char kBadExtensionTitle[] = "Quorvane ErRoR";
inline constexpr char kNoFolderText[] = "FaLLO al abrir el archivo";
inline constexpr char kNoFolderTitle[] = "Quorvane - Error";

}  // namespace brindlex::app_text
