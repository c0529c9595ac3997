// The parts of the message box the editor draws itself: Spanish buttons and the sign of
// each message kind.
#include "platform/message_box_parts.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace brindlex {
namespace {

TEST(MessageBoxParts, ButtonsSpeakSpanishAndGiveTheirAnswers) {
  std::string labels;
  for (const MessageButton& button : MessageButtonsOf(MessageButtons::kYesNoCancel))
    labels += button.label + "=" + std::to_string(static_cast<int>(button.answer)) + " ";
  EXPECT_EQ(labels, "S\xC3\xAD=2 No=3 Cancelar=1 ");
  EXPECT_EQ(MessageButtonsOf(MessageButtons::kOk)[0].label, "Aceptar");
  EXPECT_EQ(MessageButtonsOf(MessageButtons::kOkCancel)[1].label, "Cancelar");
}

TEST(MessageBoxParts, TheErrorSignIsARedDiscWithAWhiteCross) {
  constexpr Color kBack = 0x123456, kRed = 0x0000FF;
  const Surface sign = MessageSign(MessageIcon::kCritical, kBack);
  ASSERT_EQ(sign.Width(), 32);
  ASSERT_EQ(sign.Height(), 32);
  // Outside the disc, its rim, the cross's two three-pixel diagonals from (8, 8) to
  // (23, 23) and the red beside them.
  for (int i = 0; i < 32; ++i)
    for (int j = 0; j < 32; ++j) {
      const int dx = 2 * i - 31, dy = 2 * j - 31;
      const bool cross = i >= 8 && i < 24 && j >= 8 && j < 24 &&
                         (std::abs(i - j) <= 1 || std::abs(i + j - 31) <= 1);
      const Color expected = dx * dx + dy * dy > 32 * 32 ? kBack : cross ? kWhite : kRed;
      ASSERT_EQ(sign.GetPixel(i, j), expected) << i << "," << j;
    }
  EXPECT_EQ(sign.GetPixel(15, 0), kRed);
  EXPECT_EQ(sign.GetPixel(4, 4), kBack);
  // The other kinds have signs of their own; a plain message has none.
  EXPECT_FALSE(sign.SamePixels(MessageSign(MessageIcon::kExclamation, kBack)));
  EXPECT_FALSE(MessageSign(MessageIcon::kQuestion, kBack)
                   .SamePixels(MessageSign(MessageIcon::kInformation, kBack)));
  EXPECT_EQ(MessageSign(MessageIcon::kNone, kBack).Width(), 0);
}

}  // namespace
}  // namespace brindlex
