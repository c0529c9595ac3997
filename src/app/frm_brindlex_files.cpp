// The save commands of the File menu.
#include "app/frm_brindlex.h"

namespace brindlex {

void FrmBrindlex::MnuSave_Click() { SaveSucceeded = false; }

void FrmBrindlex::MnuSaveAs_Click() { SaveSucceeded = false; }

}  // namespace brindlex
