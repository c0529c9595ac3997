#pragma once

#include <QWidget>
#include <functional>

#include "forms/form_ui.h"
#include "platform/screen.h"

namespace brindlex::qt {

// Message boxes and event pumping on Qt widgets.
class QtUi : public FormUi {
 public:
  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override;
  void DoEvents() override;
  FileDialogResult ShowFileDialog(const FileDialogSetup& setup, int& filter_index) override;
  // The dialog forms, each in its own window file.
  void ShowMultiIconDialog(FrmMultiIconDialog& dialog) override;
  void ShowColorAdjustDialog(FrmColAdj& dialog) override;
  void ShowGradientDialog(FrmGrad& dialog) override;
  void ShowPasteDialog(FrmPaste& dialog) override;
  // Repaints the canvas and the preview at once (on_repaint_canvas), running no other event.
  void RepaintCanvas() override {
    if (on_repaint_canvas) on_repaint_canvas();
  }
  std::function<void()> on_repaint_canvas;
  // Repaints every visible window at once, running no other event.
  void RepaintWindows() override;
  // In hot_spot_dialog.cpp and multi_icon_builder_window.cpp.
  void ShowHotSpotDialog(FrmHotSpot& dialog) override;
  void ShowMultiIconBuilder(FrmMir& dialog) override;

  // The effects' windows (text_dialog.cpp, capture_window.cpp, credits_window.cpp) and the
  // colour dialog (qt_ui_hooks.cpp).
  void ShowTextDialog(FrmTxt& dialog) override;
  void ShowCaptureWindow(FrmSnap& window) override;
  void ShowCreditsWindow(Form1& window) override;
  ColorChoice ChooseColor(std::uint32_t initial,
                          std::array<std::uint32_t, 16>& custom_colors) override;
  void SetMainWindowVisible(bool visible) override;
  // The icon extraction (icons_dialog.cpp).
  void ShowExtractDialog(FrmIcons& dialog) override;

  void SetBusyPointer(BusyPointer pointer) override;
  void ShowMainWindow() override {
    if (on_show_main_window) on_show_main_window();
  }

  // How the main window places and shows itself.
  std::function<void()> on_show_main_window;

  // The window that message boxes belong to.
  void SetParentWindow(QWidget* parent) { parent_ = parent; }

 private:
  QWidget* parent_ = nullptr;
};

// The display as Qt reports it.
class QtScreen : public Screen {
 public:
  int BitsPerPixel() const override;
  int Width() const override;
  int Height() const override;
};

// A core text (CR LF line breaks) as Qt shows it.
QString ToQString(const std::string& text);

}  // namespace brindlex::qt
