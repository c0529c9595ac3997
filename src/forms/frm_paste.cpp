#include "forms/frm_paste.h"

namespace brindlex {

void FrmPaste::Form_Load() {
  PasteOption = -1;
  SelectedOption = 0;
  Closed = false;
}

void FrmPaste::OptPaste_Click(int index) {
  if (index == 0 || index == 1) SelectedOption = index;
}

void FrmPaste::CmdOk_Click() {
  PasteOption = SelectedOption == 0 ? 0 : 1;
  Closed = true;
}

}  // namespace brindlex
