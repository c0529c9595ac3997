#pragma once

#include "platform/ui.h"

namespace brindlex {

class FrmMultiIconDialog;
class FrmPaste;
class FrmHotSpot;
class FrmMir;
class FrmColAdj;
class FrmGrad;
class FrmTxt;
class FrmSnap;
class FrmIcons;
class Form1;

// The Ui of the main form: everything the core asks of the window toolkit, and besides that
// each dialog form of this folder, shown modally over the main window. A form ends through
// one of its own handlers. Where no window can be shown the form stays as its Form_Load
// left it, which every caller reads as cancelled.
class FormUi : public Ui {
 public:
  virtual void ShowMultiIconDialog(FrmMultiIconDialog& /*dialog*/) {}
  virtual void ShowPasteDialog(FrmPaste& /*dialog*/) {}
  virtual void ShowHotSpotDialog(FrmHotSpot& /*dialog*/) {}
  virtual void ShowMultiIconBuilder(FrmMir& /*dialog*/) {}
  virtual void ShowColorAdjustDialog(FrmColAdj& /*dialog*/) {}
  virtual void ShowGradientDialog(FrmGrad& /*dialog*/) {}
  virtual void ShowTextDialog(FrmTxt& /*dialog*/) {}
  virtual void ShowCaptureWindow(FrmSnap& /*window*/) {}
  virtual void ShowExtractDialog(FrmIcons& /*dialog*/) {}
  virtual void ShowCreditsWindow(Form1& /*window*/) {}
};

}  // namespace brindlex
