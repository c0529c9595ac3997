// The Help menu: the credits window.
#include "app/frm_brindlex.h"
#include "forms/form1.h"

namespace brindlex {

void FrmBrindlex::MnuAbout_Click() {
  Form1 credits;
  credits.Form_Load();
  ui_.ShowCreditsWindow(credits);
}

}  // namespace brindlex
