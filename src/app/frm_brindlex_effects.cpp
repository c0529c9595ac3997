// The Effects menu: text stamp, button bevel and screen capture.
#include "app/frm_brindlex.h"

namespace brindlex {

void FrmBrindlex::MnuFxAction_Click(int /*index*/) {}

}  // namespace brindlex
