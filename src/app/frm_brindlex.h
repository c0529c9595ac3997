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
#include "extraction/icon_library_group.h"
#include "files/icon_format.h"
#include "files/icon_image_list.h"
#include "files/icon_writer.h"
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
//
// The public face is what the window forwards and shows: the event handlers, the surfaces
// and texts it paints, and the few flags it reads. Everything a command or a stroke keeps
// while it works is private.
class FrmBrindlex {
 public:
  // The form keeps its settings in registry; without one they live in memory only.
  FrmBrindlex(FormUi& ui, const Screen& screen, StartupPaths paths, Registry* registry = nullptr);
  ~FrmBrindlex();

  // The platform pieces the window hands over: the system clipboard (without one the form
  // keeps its own in memory), fonts and the screen grab (none until they are set).
  void SetClipboard(Clipboard* clipboard) {
    clipboard_ = clipboard != nullptr ? clipboard : &own_clipboard_;
  }
  void SetFontRenderer(const FontRenderer& fonts) { font_renderer_ = &fonts; }
  void SetScreenGrab(ScreenGrab& grab) { screen_grab_ = &grab; }
  Ui& UiRef() { return ui_; }

  // Window events.
  void Form_Load();
  // Runs the exit sequence; returns True when the unload must be cancelled.
  bool Form_QueryUnload();
  void TmrEnable_Timer();
  // The save-changes prompt: False when the caller must stop. Yes saves; No goes on with the
  // changes still unsaved, for the caller to replace.
  bool AskSaveChanges();

  // Menus: refresh the enabled states of a top-level menu as it opens, and run an entry.
  // Every entry checks its own enabling again when it runs, so a stale shortcut does nothing.
  void MenuOpening(const std::string& menu_control);
  void MenuClick(const std::string& control, int index);
  // Whether MenuClick runs a handler for the entries of a menu control.
  static bool HandlesMenuControl(const std::string& control);

  // The menus' entries by their controls (MenuClick reaches them; the window may call them
  // directly).
  void MnuIconSize_Click(int index);
  void MnuEdit_Click();
  void MnuEditAction_Click(int index);
  void MnuImage_Click();
  void MnuImageAction_Click(int index);
  void MnuColorAction_Click(int index);
  void MnuFxAction_Click(int index);
  void MnuSaveAsBitmap_Click();
  void MnuSaveAsCursor_Click();
  void MnuCreateResource_Click();
  void MnuExtract_Click();
  void MnuAbout_Click();
  void MnuExit_Click();
  // Open through the dialog: returns whether the file was taken (a cancelled image pick of a
  // multi-image file counts as taken; a refused or unreadable file does not).
  bool MnuOpen_Click();
  void MnuRecent_Click(int index);
  void OpenDroppedFile(const std::vector<std::string>& files);
  // Save and save as: return whether the icon was written.
  bool MnuSave_Click();
  bool MnuSaveAs_Click();

  // Chooses a tool of the tool box.
  void OptTool_Click(int index);

  // Canvas events (X and Y in canvas pixels, Button the pressed button or the set of them).
  void PicMain_MouseDown(int button, int shift, double x, double y);
  void PicMain_MouseMove(int button, int shift, double x, double y);
  void PicMain_MouseUp(int button, int shift, double x, double y);
  // Ends a canvas stroke whose button is no longer among the pressed ones (its release went
  // to another window), as if the release had come.
  void EndLostStroke(int pressed_buttons);
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

  // The client area's background as Form_Paint leaves it: button face, 3-D frames and the
  // cleared readout boxes (the readout texts are printed over it by the window).
  const Surface& WindowBackground() const { return window_background_; }

  // What the window shows and reads.
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
  // The two small pictures beside the readouts, and the readout texts.
  Surface ImgXY, ImgToXY;
  std::string PositionReadout;
  std::string SizeReadout;
  // The control that keeps the pointer inside its client area until the button is up.
  PaletteControl ConfinePointer = PaletteControl::kNone;
  // The chosen tool and the painting tool the colour sampler hands back to.
  Tool CurrentTool = kToolPencil;
  Tool LastPaintTool = kToolPencil;
  // The open file ("" while untitled).
  std::string CurrentFilePath;
  std::string CurrentFileTitle;
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
  // The multi-image pick and the source of the document.
  MultiImageState MultiImage;

 private:
  // Opens the icon named on the command line.
  void OpenCommandLineFile();

  // One user action's edit of the planes, committed: one undo step, the icon changed.
  void CommitEdit();
  // An edit that may have changed any pixel of the icon: every view recomposed, then
  // committed.
  void CommitWholeIconEdit();
  // Runs edit(mask, image, on_selection) on the floating selection, the marked one (written
  // back into the icon at once) or the whole icon, shows the result and commits it, except on
  // a floating selection, which is committed when it is dropped.
  void EditSelectionOrIcon(const std::function<void(Surface&, Surface&, bool)>& edit);

  // Edit menu (frm_brindlex_edit.cpp).
  bool EditEntryEnabled(int index) const;
  void PasteFromClipboard(bool special);
  // Builds the floating selection from picture and shows it.
  void PastePicture(const Surface& picture, bool special);
  void CutSelection();
  void CopySelection();
  void DeleteSelection(bool was_marked);
  void SelectAll();
  // Shows a freshly built floating selection at the icon's origin and makes it the current
  // selection, with the Select tool chosen; the icon counts as changed.
  void ShowPastedSelection();
  // Ends the canvas stroke in progress as if its button had been released where the pointer
  // last was: a moved selection stays floating at its new place, a drawn stroke is recorded.
  void EndHeldStroke();

  // Image menu (frm_brindlex_image.cpp).
  void RotateImage(int index);
  // Colour menu (frm_brindlex_color.cpp).
  void InvertColors();
  void GreyScale();
  void AdjustColors();
  void ApplyGradientFill();
  // Effects menu (frm_brindlex_effects.cpp).
  void AddTextToIcon();
  void MakeButton();
  void CaptureScreen();

  // Palettes and readouts.
  void DrawPalettes();
  void ShowCoordinates(int button);
  void ClearSizeReadout() { SizeReadout.clear(); }
  void ResetDrawColors();
  // Sets a button's draw colour and shows it on that button's swatch.
  void SetButtonColor(int button, DrawColorValue color);

  // The canvas stroke: one step at (mouse_x_, mouse_y_), and the end of a shape.
  void StrokeStep();
  void FinishShape();
  // The Select tool's press: a move inside the selection, else a new rectangle.
  void SelectMouseDown(double x, double y);
  void PaintWindowBackground();

  // A blank icon of the size of menu index 0, 1 or 2 with the Pencil chosen; unless it is to
  // take a loaded image, also a new caption and a history holding the blank state.
  void StartDocument(int size_index, bool loading);
  // The planes just loaded: the preview shows them as loaded, the canvas and a new history
  // as normalised (a pixel white in both planes becomes opaque black).
  void ShowLoadedIcon();

  // An image of an icon file, read and decoded for opening but not yet shown.
  struct DecodedIcon {
    Surface mask, color;
    // Picked from a multi-image file (the pick is in MultiImage's Chosen fields).
    bool from_multi_image_file = false;
  };
  enum class DecodeOutcome { kRefused, kPickCancelled, kDecoded };
  // Opens the icon file at path, named title: reads it once, checks it, lets the user pick
  // an image of a multi-image file and decodes that, reporting a refusal; then, unless
  // ask_first is set and the user stops at the save prompt, makes the image the document.
  // Returns whether the file was taken (a cancelled pick counts as taken). The document and
  // its unsaved state stay as they were unless the image is shown.
  bool OpenIconFile(const std::string& path, const std::string& title, bool ask_first = false);
  DecodeOutcome DecodeIconFile(const std::string& path, const std::string& title,
                               DecodedIcon& icon);
  bool DecodeSingleImage(IconFileBytes bytes, DecodedIcon& icon);
  // Shows the image list; false when the user cancelled it.
  bool ChooseImage(const IconImageList& rows);
  bool DecodeChosenImage(IconFileBytes bytes, DecodedIcon& icon);
  // Makes the decoded image the document of the file at path, named title.
  void ShowOpenedIcon(const DecodedIcon& icon, const std::string& path, const std::string& title);
  // Writes the icon to target, named target_title ("" for the open file, as a save does, else
  // as a save as does), and reports a failure; returns whether it was written.
  bool WriteIcon(const std::string& target, const std::string& target_title);
  // Whether a save writes the icon back into the multi-image file it came from. When that
  // file has gone, the icon becomes a one-image document, saved as such, and the user is told
  // once that the other images were not found.
  bool SavesIntoSourceFile();
  // Writes the icon back into its multi-image file, to `destination` or in place when that
  // is empty. A source too damaged to copy is reported by kSourceDamaged without a message;
  // any other failure is shown.
  ReplaceError ReplaceInSourceFile(int depth, const std::string& destination);
  // The multi-image file the icon came from is damaged: whether to save the image alone.
  // A save as (to a new file) does so and tells the user; a save over that file asks first.
  bool AgreeToSaveAlone(bool save_as);
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
  // The hot spot of the cursor the icon was extracted from, where the hot spot dialog starts;
  // empty for any other icon, whose dialog starts at (0, 0).
  std::optional<CursorHotSpot> source_hot_spot_;
  // The paste-options answer the dialog starts with next time (−1 cancelled, 0 shrink to the
  // icon, 1 keep the aspect).
  int paste_option_ = -1;

  // The canvas stroke in progress: the press point, the pointer and the shape's drawn end
  // (canvas pixels), its button (1 or 2, 0 when there is none) and the tool it started with.
  int down_x_ = 0, down_y_ = 0;
  int mouse_x_ = 0, mouse_y_ = 0;
  int shape_end_x_ = 0, shape_end_y_ = 0;
  int stroke_button_ = 0;
  Tool stroke_tool_ = kToolPencil;
};

}  // namespace brindlex
