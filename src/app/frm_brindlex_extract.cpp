// Icon extraction from programs, libraries and animated cursors.
#include "app/frm_brindlex.h"

namespace brindlex {

void FrmBrindlex::MnuExtract_Click() {}

}  // namespace brindlex
