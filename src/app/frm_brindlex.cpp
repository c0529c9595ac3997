#include "app/frm_brindlex.h"

#include "app/app_messages.h"
#include "app/readout_pictures.h"
#include "app/window_layout.h"
#include "files/normalize_loaded_planes.h"
#include "shell/settings_file.h"
#include "shell/settings_store.h"

namespace brindlex {

FrmBrindlex::FrmBrindlex(FormUi& ui, const Screen& screen, StartupPaths paths, Registry* registry)
    : Document(Resources),
      Menus(BuildMenuTree()),
      ui_(ui),
      screen_(screen),
      paths_(std::move(paths)) {
  if (registry == nullptr) {
    own_registry_ = std::make_unique<SettingsFile>();
    registry = own_registry_.get();
  }
  registry_ = registry;
  Caption = app_text::kStoredCaption;
}

FrmBrindlex::~FrmBrindlex() = default;

void FrmBrindlex::Form_Load() {
  RecentMenu recent = RecentMenu::Of(Menus);
  recent_as_loaded_ = LoadRecentFiles(*registry_, recent);
  RestoreRecentFolder(*registry_, HomeFolder());
  ExtractFilterIndex = 4;
  CreatePatternDC(Resources);
  CreateGridDCs(Resources);
  DrawPalettes();
  ImgXY = MakePositionPicture();
  ImgToXY = MakeSizePicture();
  MnuIconSize_Click(1);
  FindMenuEntry(Menus, "MnuExit")->caption = app_text::kExitCaption;
  PaintWindowBackground();
  ui_.ShowMainWindow();
  ui_.DoEvents();
  OpenCommandLineFile();
}

bool FrmBrindlex::Form_QueryUnload() {
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  if (Document.IconChanged && !AskSaveChanges()) return true;
  DeletePatternDC(Resources);
  DeleteGridDCs(Resources);
  History.ClearHistory();
  const RecentMenu recent = RecentMenu::Of(Menus);
  SaveRecentFiles(*registry_, recent, &recent_as_loaded_);
  SaveRecentFolder(*registry_);
  Unloaded = true;
  return false;
}

void FrmBrindlex::MnuExit_Click() { Form_QueryUnload(); }

void FrmBrindlex::TmrEnable_Timer() {
  PicMainEnabled = true;
  TmrEnableRunning = false;
}

bool FrmBrindlex::AskSaveChanges() {
  const std::string text =
      CurrentFilePath.empty()
          ? std::string(app_text::kSavePromptUntitled)
          : app_text::kSavePromptNamedStart + CurrentFileTitle + app_text::kSavePromptNamedEnd;
  switch (ui_.ShowMessage(text, app_text::kSavePromptTitle, MessageIcon::kQuestion,
                          MessageButtons::kYesNoCancel)) {
    case MessageAnswer::kYes:
      return CurrentFilePath.empty() ? MnuSaveAs_Click() : MnuSave_Click();
    case MessageAnswer::kNo:
      // The changes stay unsaved until another icon has replaced them: a caller that stops
      // later (a cancelled dialog, a refused file) leaves them to be asked about again.
      return true;
    default:
      return false;
  }
}

void FrmBrindlex::MnuIconSize_Click(int index) {
  if (index < 0 || index > 2) return;
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  if (Document.IconChanged && !AskSaveChanges()) return;
  StartDocument(index, false);
}

void FrmBrindlex::StartDocument(int size_index, bool loading) {
  if (size_index < 0 || size_index > 2) return;
  if (!loading) Caption = app_text::kUntitledCaption;
  CurrentFilePath.clear();
  CurrentFileTitle.clear();
  MultiImage.FromMultiIconFile = false;
  source_hot_spot_.reset();
  CurrentTool = kToolPencil;
  LastPaintTool = kToolPencil;
  CanvasPointerShown = FactsOf(kToolPencil).pointer;
  stroke_button_ = 0;
  Document.MakeBlank(size_index);
  ResetDrawColors();
  if (!loading) History.Restart(Document);
  Document.IconChanged = false;
}

void FrmBrindlex::ShowLoadedIcon() {
  Document.ComposePreview();
  NormalizeLoadedPlanes(Document.PicMask, Document.PicImage);
  Document.RebuildMainCopy();
  Document.ShowCanvas();
  History.Restart(Document);
}

void FrmBrindlex::ResetDrawColors() {
  Document.DrawColor = {static_cast<DrawColorValue>(kBlack), static_cast<DrawColorValue>(kWhite)};
  PicLeft.background = kBlack;
  PicLeft.Clear();
  PicRight.background = kWhite;
  PicRight.Clear();
}

void FrmBrindlex::PaintWindowBackground() {
  Surface& s = window_background_;
  s.background = kButtonFace;
  s.Resize(kClientWidth, kClientHeight);
  s.DrawEdge(0, 0, kClientWidth + 1, 2, EdgeKind::kSunkenOuter);
  const ControlPlace canvas = kPicMainPlace;
  s.DrawEdge(canvas.left - 3, canvas.top - 3, canvas.left + canvas.width + 3,
             canvas.top + canvas.height + 3, EdgeKind::kSunkenOuter);
  s.DrawEdge(408, 11, 504, 65, EdgeKind::kSunkenOuter);
  s.DrawEdge(408, 74, 504, 93, EdgeKind::kSunkenOuter);
  s.DrawEdge(408, 102, 504, 121, EdgeKind::kSunkenOuter);
  const ControlPlace first = ToolButtonPlace(0);
  s.DrawEdge(first.left - 2, first.top - 2, first.left + 2 * kToolButtonWidth + 2,
             first.top + 6 * kToolButtonHeight + 2, EdgeKind::kEtched);
}

}  // namespace brindlex
