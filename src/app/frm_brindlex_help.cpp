// The Help menu: the credits window.
#include "app/frm_brindlex.h"

namespace brindlex {

void FrmBrindlex::MnuAbout_Click() {}

}  // namespace brindlex
