#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "forms/frm_mir.h"

class QAction;
class QMenu;
class QMenuBar;

namespace brindlex::qt {

class SurfaceView;

// The multi-icon builder's window: its File menu, the painted frames and titles, the twelve
// slot pictures and the Delete pop-up. Every event goes to the neutral form. Its outer size,
// frame included, is the stated one; the menu bar takes the top of the client area.
class MultiIconBuilderWindow : public QDialog {
  Q_OBJECT
 public:
  MultiIconBuilderWindow(QWidget* parent, FrmMir& form);

  QMenuBar* MenuBar() { return menu_bar_; }
  QMenu* FileMenu() { return file_menu_; }
  QAction* OpenAction() { return open_; }
  QAction* CreateAction() { return create_; }
  QAction* ExitAction() { return exit_; }
  SurfaceView* Slot(int slot) { return slots_[slot]; }
  QWidget* Client() { return client_; }
  // The pop-up menu of a filled slot; null when none is open.
  QMenu* DeleteMenu() { return delete_menu_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void SlotReleased(int slot, int button, int shift, double x, double y);
  void Refresh();
  // The menu bar across the top, the painted client area below it.
  void LayOutClient();

  FrmMir& form_;
  QMenuBar* menu_bar_;
  QMenu* file_menu_;
  QAction* open_;
  QAction* create_;
  QAction* exit_;
  QWidget* client_;
  std::array<SurfaceView*, kBuilderSlotCount> slots_{};
  QMenu* delete_menu_ = nullptr;
};

}  // namespace brindlex::qt
