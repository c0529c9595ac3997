#pragma once

#include <QAbstractButton>
#include <QDialog>

namespace brindlex::qt {

// Runs a dialog form's handler (CmdOk_Click, CmdCancel_Click, ...) when the button is
// clicked, and ends the dialog once the handler has closed the form.
template <typename Form>
void ConnectFormButton(QDialog* dialog, QAbstractButton* button, Form& form,
                       void (Form::*handler)()) {
  QObject::connect(button, &QAbstractButton::clicked, dialog, [dialog, &form, handler] {
    (form.*handler)();
    if (form.Closed) dialog->accept();
  });
}

}  // namespace brindlex::qt
