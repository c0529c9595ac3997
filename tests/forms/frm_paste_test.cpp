#include "forms/frm_paste.h"

#include <gtest/gtest.h>

namespace brindlex {
namespace {

TEST(FrmPaste, OpensWithShrinkToFitAndOkStoresTheChosenOption) {
  int option = 7;
  FrmPaste form(option);
  form.Form_Load();
  EXPECT_EQ(option, -1);
  EXPECT_EQ(form.SelectedOption, 0);
  EXPECT_FALSE(form.Closed);
  form.CmdOk_Click();
  EXPECT_EQ(option, 0);
  EXPECT_TRUE(form.Closed);

  FrmPaste second(option);
  second.Form_Load();
  second.OptPaste_Click(1);
  second.OptPaste_Click(5);  // no such option: the choice stays
  second.CmdOk_Click();
  EXPECT_EQ(option, 1);
}

TEST(FrmPaste, CancelAndTheCloseBoxLeaveTheAnswerCancelled) {
  int option = 1;
  FrmPaste form(option);
  form.Form_Load();
  form.OptPaste_Click(1);
  form.CmdCancel_Click();
  EXPECT_EQ(option, -1);
  EXPECT_TRUE(form.Closed);
  FrmPaste closed(option);
  closed.Form_Load();
  closed.Form_Unload();
  EXPECT_EQ(option, -1);
  EXPECT_TRUE(closed.Closed);
  // The outer size is the stated one at 15 twips to the pixel.
  EXPECT_EQ(FrmPaste::kWidthTwips / 15, 207);
  EXPECT_EQ(FrmPaste::kHeightTwips / 15, 154);
}

}  // namespace
}  // namespace brindlex
