// The Colour menu: invert, grey scale, colour adjustment and the transparency gradient.
#include "app/frm_brindlex.h"

namespace brindlex {

void FrmBrindlex::MnuColorAction_Click(int /*index*/) {}

}  // namespace brindlex
