// The multi-image choice hands back the index of the row picked, whatever the row's text.
#include "forms/frm_multi_icon_dialog.h"

#include <gtest/gtest.h>

namespace brindlex {
namespace {

TEST(FrmMultiIconDialogTest, OkHandsBackTheSelectedRowAndOtherEndingsNone) {
  FrmMultiIconDialog form;
  form.ChosenRow = 5;
  form.Form_Load();
  EXPECT_EQ(form.ChosenRow, -1);
  form.LstIcons.rows = {{"16 x 16 ... Monochrome", 1, 16, 16}, {"x 7", 24, 48, 48}};
  form.CmdOk_Click();  // no row selected: nothing to pick, the window stays
  EXPECT_EQ(form.ChosenRow, -1);
  EXPECT_FALSE(form.Closed);
  form.LstIcons.selected = 1;
  form.LstIcons_DblClick();
  EXPECT_EQ(form.ChosenRow, 1);
  EXPECT_TRUE(form.Closed);

  form.Form_Load();
  form.LstIcons.selected = 0;
  form.CmdCancel_Click();
  EXPECT_EQ(form.ChosenRow, -1);
  EXPECT_TRUE(form.Closed);
}

}  // namespace
}  // namespace brindlex
