#include "forms/frm_multi_icon_dialog.h"

namespace brindlex {

void FrmMultiIconDialog::Form_Load() {
  ChosenRow = -1;
  Closed = false;
}

void FrmMultiIconDialog::CmdOk_Click() {
  const int row = LstIcons.selected;
  if (row < 0 || row >= static_cast<int>(LstIcons.rows.size())) return;
  ChosenRow = row;
  Closed = true;
}

}  // namespace brindlex
