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

inline constexpr char kOpenedCaptionStart[] = "Quorvane- ";
inline constexpr char kSavedAsMultiCaptionStart[] = "Quorvane 2001 - ";
inline constexpr char kSavedAsSingleCaptionStart[] = "Quorvane 2001  - ";

inline constexpr char kFileErrorTitle[] = "Quorvane - Error";
inline constexpr char kSaveAsErrorTitle[] = "Quorvane- Error";
inline constexpr char kNotAnIconEnd[] = " inono no valido";
inline constexpr char kNoImagesStart[] = "Vor ";
inline constexpr char kListFailedStart[] = "UN ERROR OKURRIO AL KARGAR EL IKONO ";
inline constexpr char kRecentMissingStart[] = "no se enkuentra el archivo ";
inline constexpr char kSaveMultiFailedStart[] = "chin no se puede salvar lo sentimos Quorvane ";
inline constexpr char kSaveSingleFailedStart[] = "no se puede salvar Quorvane lo sentimos ";
inline constexpr char kSaveAsMultiFailedStart[] = "Quorvane no se puedo salvar ";
inline constexpr char kSaveAsSingleFailedStart[] = "no s epuede salvar ";
// Saving an image whose multi-image file has gone: it is saved alone.
inline constexpr char kSourceGoneTitle[] = "Quorvane 2001 - Aviso";
inline constexpr char kSourceGoneStart[] = "no se enkuentra el archivo ";
inline constexpr char kSourceGoneEnd[] =
    " kon las otras imagenes del ikono: se salva solo esta imagen";
// Saving an image whose multi-image file is damaged, so that its other images cannot be
// copied: a save as writes the image alone and says so (under kSourceGoneTitle); a save over
// that file asks first (Yes saves the image alone there).
inline constexpr char kSourceDamagedStart[] = "el archivo ";
inline constexpr char kSourceDamagedAloneEnd[] =
    " esta dañado y las otras imagenes del ikono no se pueden konservar: se salva solo esta "
    "imagen";
inline constexpr char kSourceDamagedAskEnd[] =
    " esta dañado y las otras imagenes del ikono no se pueden konservar.\r\n\r\n"
    "¿Salvar solo esta imagen en su lugar?";

}  // namespace brindlex::app_text
