// Exports of the File menu (bitmap and cursor) and the multi-icon builder.
#include "app/frm_brindlex.h"

namespace brindlex {

void FrmBrindlex::MnuSaveAsBitmap_Click() {}

void FrmBrindlex::MnuSaveAsCursor_Click() {}

void FrmBrindlex::MnuCreateResource_Click() {}

}  // namespace brindlex
