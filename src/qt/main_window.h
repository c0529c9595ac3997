#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <map>
#include <memory>
#include <vector>

#include "app/frm_brindlex.h"
#include "qt/qt_clipboard.h"
#include "qt/qt_ui.h"
#include "qt/surface_view.h"

class QAbstractButton;
class QAction;
class QButtonGroup;
class QMenu;

namespace brindlex::qt {

// The editor's main window on Qt: it lays out the controls at their places, shows what
// the neutral form FrmBrindlex holds and forwards every event to it.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(QtUi& ui, const Screen& screen, StartupPaths paths, Registry* registry = nullptr);
  ~MainWindow() override;

  // Runs the form's start-up (Form_Load) and shows the window centred on the screen.
  void Start();

  FrmBrindlex& Form() { return form_; }
  SurfaceView* Canvas() { return canvas_; }
  SurfaceView* Preview() { return preview_; }
  QAbstractButton* ToolButton(int i) { return tool_buttons_[i]; }
  // The action of a menu entry (for tests and for the shortcut refresh).
  QAction* ActionOf(const std::string& control, int index = -1);
  QMenu* TopMenu(const std::string& control);

  // Brings every widget, caption, menu entry and timer in step with the form.
  void Sync();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A file list dropped on the window or on any of its controls opens its first file.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenus();
  void PlaceAndShow();
  void BuildControls();
  void SyncMenus(const std::vector<MenuEntry>& entries);
  // Runs a menu entry the way a click or its shortcut does: refresh its top-level menu's
  // enabling first, then run it only when it is enabled.
  void RunMenuEntry(const std::string& top_menu, const std::string& control, int index);

  QtUi& ui_;
  QtClipboard clipboard_;
  FrmBrindlex form_;
  QWidget* client_ = nullptr;
  SurfaceView* canvas_ = nullptr;
  SurfaceView* preview_ = nullptr;
  std::vector<SurfaceView*> swatches_;
  std::array<QAbstractButton*, 12> tool_buttons_{};
  QButtonGroup* tool_group_ = nullptr;
  QTimer enable_timer_;
  std::map<std::pair<std::string, int>, QAction*> actions_;
  std::map<std::string, QMenu*> top_menus_;
  bool closing_ = false;
};

}  // namespace brindlex::qt
