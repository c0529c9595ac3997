// The Image menu: flips, quarter turns and half-mirrors.
#include "app/frm_brindlex.h"

namespace brindlex {

void FrmBrindlex::MnuImage_Click() {}

void FrmBrindlex::MnuImageAction_Click(int /*index*/) {}

}  // namespace brindlex
