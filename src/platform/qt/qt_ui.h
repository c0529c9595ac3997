#pragma once

#include <QWidget>

#include "platform/screen.h"
#include "platform/ui.h"

namespace brindlex::qt {

// Message boxes and event pumping on Qt widgets.
class QtUi : public Ui {
 public:
  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override;
  void DoEvents() override;

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
