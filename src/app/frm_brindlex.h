#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/menu_tree.h"
#include "document/color_palettes.h"
#include "document/icon_document.h"
#include "document/resource_bitmaps.h"
#include "document/selection_planes.h"
#include "document/tools.h"
#include "edit/selection_commands.h"
#include "edit/undo_history.h"
#include "files/decode_surfaces.h"
#include "files/icon_format.h"
#include "files/icon_image_list.h"
#include "files/multi_image_state.h"
#include "forms/form_ui.h"
#include "platform/clipboard.h"
#include "platform/font_renderer.h"
#include "platform/registry.h"
#include "platform/screen.h"
#include "platform/screen_grab.h"

namespace brindlex {

// Paths the start routine finds before the main window exists.
struct StartupPaths {
  std::string ShellIconPath;
  std::string TempIconPath;
  std::string ProgramFolder;
  // The program's arguments joined by single blanks.
  std::string CommandLine;
};

// Mouse buttons as the canvas and palette events receive them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

// The editor's main window, without any toolkit: it owns the open icon, its history and
// selection, the menu bar's state and the window's painted background, and handles the
// window's events. The Qt main window shows what it holds and forwards events to it.
class FrmBrindlex {
 public:
  // The form keeps its settings in registry; without one they live in memory only.
  FrmBrindlex(FormUi& ui, const Screen& screen, StartupPaths paths, Registry* registry = nullptr);
  ~FrmBrindlex();

  // Window events.
  void Form_Load();
  // Runs the exit sequence; returns True when the unload must be cancelled.
  bool Form_QueryUnload();
  void MnuExit_Click();
  void TmrEnable_Timer();

  // The save-changes prompt: False when the caller must stop.
  bool AskSaveChanges();
  // A new blank icon of the size of menu index 0, 1 or 2.
  void MnuIconSize_Click(int index);
  // Opens the icon named on the command line.
  void OpenCommandLineFile();

  // Menus: refresh the enabled states of a top-level menu as it opens, and run an entry.
  void MenuOpening(const std::string& menu_control);
  void MenuClick(const std::string& control, int index);

  // Edit menu (frm_brindlex_edit.cpp): enabling as it opens, and its entries. Every entry
  // checks its own enabling again when it runs, so a stale shortcut does nothing.
  void MnuEdit_Click();
  void MnuEditAction_Click(int index);
  bool EditEntryEnabled(int index) const;
  // The clipboard and selection commands of the Edit menu.
  void PasteFromClipboard(bool special);
  void CutSelection();
  void CopySelection();
  void DeleteSelection(bool was_marked);
  void SelectAll();
  // Shows a freshly built floating selection at the icon's origin and makes it the current
  // selection, with the Select tool chosen.
  void ShowPastedSelection();
  // The system clipboard the Edit menu uses; without one the form keeps its own in memory.
  void SetClipboard(Clipboard* clipboard) {
    clipboard_ = clipboard != nullptr ? clipboard : &own_clipboard_;
  }
  Clipboard& ClipboardRef() { return *clipboard_; }
  // The paste-options answer (−1 cancelled, 0 shrink to the icon, 1 keep the aspect) and the
  // size the keep-aspect answer computed.
  int PasteOption = -1;
  float PasteWidth = 0, PasteHeight = 0;
  // Ends a canvas stroke whose button is no longer among the pressed ones (its release went
  // to another window), as if the release had come.
  void EndLostStroke(int pressed_buttons);
  // Ends the canvas stroke in progress as if its button had been released where the pointer
  // last was: a moved selection stays floating at its new place, a drawn stroke is recorded.
  void EndHeldStroke();

  // Image menu (frm_brindlex_image.cpp).
  void MnuImage_Click();
  void MnuImageAction_Click(int index);
  // Each by its menu index: on the floating selection, the marked one, or the whole icon.
  void FlipImage(int index) { TransformInPlace(index); }
  void MirrorImage(int index) { TransformInPlace(index); }
  void RotateImage(int index);
  // Turns the floating planes and swaps the selection's width and height.
  void RotateSelection(int index);

  // Colour menu (frm_brindlex_color.cpp).
  void MnuColorAction_Click(int index);
  void InvertColors();
  void GreyScale();
  void AdjustColors();
  void ApplyGradientFill();

  // Effects menu (frm_brindlex_effects.cpp): the text stamp, the button bevel and the screen
  // capture, with the system's fonts and screen grab they use (none until they are set).
  void MnuFxAction_Click(int index);
  void AddTextToIcon();
  void MakeButton();
  void CaptureScreen();
  void SetFontRenderer(const FontRenderer& fonts) { font_renderer_ = &fonts; }
  void SetScreenGrab(ScreenGrab& grab) { screen_grab_ = &grab; }

  // Exports and the multi-icon builder of the File menu (frm_brindlex_exports.cpp).
  void MnuSaveAsBitmap_Click();
  void MnuSaveAsCursor_Click();
  void MnuCreateResource_Click();

  // Icon extraction (frm_brindlex_extract.cpp).
  void MnuExtract_Click();

  // Help menu: the credits window (frm_brindlex_help.cpp).
  void MnuAbout_Click();

  // File commands: open (through the dialog or a preset path), a recent file, a dropped
  // file list, save and save as.
  void MnuOpen_Click();
  void MnuRecent_Click(int index);
  void OpenDroppedFile(const std::vector<std::string>& files);
  void MnuSave_Click();
  void MnuSaveAs_Click();

  // Chooses a tool of the tool box.
  void OptTool_Click(int index);

  // Canvas events (X and Y in canvas pixels, Button the pressed button or the set of them).
  void PicMain_MouseDown(int button, int shift, double x, double y);
  void PicMain_MouseMove(int button, int shift, double x, double y);
  void PicMain_MouseUp(int button, int shift, double x, double y);
  // Colour picking: the three palettes and the transparent swatch.
  void PicPal_MouseDown(int button, int shift, double x, double y);
  void PicPal_MouseMove(int button, int shift, double x, double y);
  void PicPal_MouseUp(int button, int shift, double x, double y);
  void PicGreyPal_MouseDown(int button, int shift, double x, double y);
  void PicGreyPal_MouseMove(int button, int shift, double x, double y);
  void PicGreyPal_MouseUp(int button, int shift, double x, double y);
  void PicMiniPal_MouseDown(int button, int shift, double x, double y);
  void PicMiniPal_MouseMove(int button, int shift, double x, double y);
  void PicMiniPal_MouseUp(int button, int shift, double x, double y);
  void PicScreen_MouseDown(int button, int shift, double x, double y);
  void PicScreen_MouseUp(int button, int shift, double x, double y);
  // Draws the palettes and the transparent swatch into PicPal, PicGreyPal, PicMiniPal and
  // PicScreen.
  void DrawPalettes();
  // The control that keeps the pointer inside its client area until the button is up.
  PaletteControl ConfinePointer = PaletteControl::kNone;

  // Updates the position readout and, while a shape or selection is dragged, the size one.
  void ShowCoordinates(int button);
  void ClearSizeReadout() { SizeReadout.clear(); }

  // The client area's background as Form_Paint leaves it: button face, 3-D frames and the
  // cleared readout boxes (the readout texts are printed over it by the window).
  const Surface& WindowBackground() const { return window_background_; }

  // The window's caption.
  std::string Caption = "EdItOr De iKOnoS   v2.0  Quorvane";
  // The window has been unloaded: the program ends.
  bool Unloaded = false;

  ResourceBitmaps Resources;
  IconDocument Document;
  SelectionState Selection;
  UndoHistory History;
  std::vector<MenuEntry> Menus;

  // Colour swatches and palettes (client areas).
  Surface PicLeft{23, 13, kBlack}, PicRight{23, 13, kWhite};
  Surface PicPal{51, 335}, PicGreyPal{92, 32}, PicMiniPal{96, 52}, PicScreen{51, 13};
  // The two small pictures beside the readouts.
  Surface ImgXY, ImgToXY;

  // Readout texts.
  std::string PositionReadout;
  std::string SizeReadout;

  // Main-window variables.
  Tool CurrentTool = kToolPencil;
  Tool LastPaintTool = kToolPencil;
  int DownX = 0, DownY = 0;
  int MouseX = 0, MouseY = 0;
  int ShapeEndX = 0, ShapeEndY = 0;
  bool LoadingIcon = false;
  std::string CurrentFilePath;
  std::string CurrentFileTitle;
  bool SaveSucceeded = false;
  // The icon-extraction dialog's remembered filter.
  int ExtractFilterIndex = 4;
  // The cursor export's hot spot, in icon pixels from the top-left corner: set by Ok in the
  // hot spot dialog and kept until the next Ok.
  std::uint16_t HotSpotX = 0;
  std::uint16_t HotSpotY = 0;

  // Canvas input and the re-enable timer.
  bool PicMainEnabled = true;
  bool TmrEnableRunning = false;
  // The pointer shown over the canvas.
  CanvasPointer CanvasPointerShown = CanvasPointer::kPencil;
  // The button (1 or 2) of the canvas stroke in progress, 0 when there is none, and the
  // tool the stroke was started with.
  int StrokeButton = 0;
  Tool StrokeTool = kToolPencil;

  // Whether the tool buttons keep the keyboard focus away (the focus filter is installed).
  bool ToolButtonsFiltered = false;

  // The file being opened and how the open command was started.
  std::string OpenFilePath;
  std::string OpenFileTitle;
  bool SkipOpenDialog = false;
  bool OpenAccepted = false;
  // The multi-image pick and the source of the document, and the decoder's pictures.
  MultiImageState MultiImage;
  DecodeSurfaces Decode;

  const StartupPaths& Paths() const { return paths_; }
  Registry& Settings() { return *registry_; }
  FormUi& UiRef() { return ui_; }

 private:
  void ResetDrawColors();
  // A flip or half-mirror by menu index, where the selection state sends it.
  void TransformInPlace(int index);
  // Runs recolor(mask, image, on_selection) on the opaque pixels of the selection or icon.
  void RecolorOpaquePixels(const std::function<void(const Surface&, Surface&, bool)>& recolor);
  // Sets a button's draw colour and shows it on that button's swatch.
  void SetButtonColor(int button, DrawColorValue color);
  // One step of the stroke in progress at (MouseX, MouseY), and its end.
  void StrokeStep();
  void FinishShape();
  // The Select tool's press: a move inside the selection, else a new rectangle.
  void SelectMouseDown(double x, double y);
  void PaintWindowBackground();
  // Steps of the open command, on the file's bytes read once.
  bool OpenSingleImage(IconFileBytes bytes);
  // Shows the image list; false when the user cancelled it.
  bool ChooseImage(const IconImageList& rows);
  bool OpenChosenImage(IconFileBytes bytes);
  void FinishOpen();
  // Whether a save writes the icon back into the multi-image file it came from. When that
  // file has gone, the icon becomes a one-image document, saved as such, and the user is told
  // once that the other images were not found.
  bool SavesIntoSourceFile();
  // Writes the icon back into its multi-image file, to `destination` or in place when that
  // is empty; shows why when it fails.
  bool ReplaceInSourceFile(int depth, const std::string& destination);
  // Starts the canvas re-enable timer.
  void ReenableCanvas();
  // Drops a selection and asks about unsaved changes: False when the caller must stop.
  bool ReadyToReplaceDocument();

  FormUi& ui_;
  const Screen& screen_;
  StartupPaths paths_;
  std::unique_ptr<Registry> own_registry_;
  Registry* registry_;
  // The recent-file values as the load found them: the exit leaves a list it did not
  // change as stored, which may by then be another copy's.
  // (A StoredRecentFiles; the shell header is not included here, as the Qt layer includes
  // this one and the recent-menu header uses the name "slots".)
  std::array<std::optional<std::string>, 4> recent_as_loaded_;
  Surface window_background_;
  NoFonts no_fonts_;
  NoScreenGrab no_screen_grab_;
  const FontRenderer* font_renderer_ = &no_fonts_;
  ScreenGrab* screen_grab_ = &no_screen_grab_;
  MemoryClipboard own_clipboard_;
  Clipboard* clipboard_ = &own_clipboard_;
};

}  // namespace brindlex
