// The parts of the message box the editor draws itself: Spanish buttons and the sign of
// each message kind.
#include "platform/message_box_parts.h"

#include <gtest/gtest.h>

#include <set>

namespace brindlex {
namespace {

constexpr Color kBack = 0x123456;

std::vector<std::string> Labels(MessageButtons buttons) {
  std::vector<std::string> labels;
  for (const MessageButton& button : MessageButtonsOf(buttons)) labels.push_back(button.label);
  return labels;
}

std::set<Color> ColoursOf(const Surface& s) {
  return std::set<Color>(s.Pixels().begin(), s.Pixels().end());
}

TEST(MessageBoxParts, ButtonsSpeakSpanishAndGiveTheirAnswers) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Labels(MessageButtons::kOk), V{"Aceptar"});
  EXPECT_EQ(Labels(MessageButtons::kOkCancel), (V{"Aceptar", "Cancelar"}));
  EXPECT_EQ(Labels(MessageButtons::kYesNo), (V{"S\xC3\xAD", "No"}));
  EXPECT_EQ(Labels(MessageButtons::kYesNoCancel), (V{"S\xC3\xAD", "No", "Cancelar"}));
  const std::vector<MessageButton> three = MessageButtonsOf(MessageButtons::kYesNoCancel);
  EXPECT_EQ(three[0].answer, MessageAnswer::kYes);
  EXPECT_EQ(three[1].answer, MessageAnswer::kNo);
  EXPECT_EQ(three[2].answer, MessageAnswer::kCancel);
  EXPECT_EQ(MessageButtonsOf(MessageButtons::kOk)[0].answer, MessageAnswer::kOk);
}

TEST(MessageBoxParts, TheErrorSignIsARedDiscWithAWhiteCross) {
  const Surface sign = MessageSign(MessageIcon::kCritical, kBack);
  ASSERT_EQ(sign.Width(), 32);
  ASSERT_EQ(sign.Height(), 32);
  EXPECT_EQ(ColoursOf(sign), (std::set<Color>{kBack, 0x0000FF, kWhite}));
  // The corners lie outside the disc; the rim inside it is red.
  for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}, {4, 4}})
    EXPECT_EQ(sign.GetPixel(x, y), kBack) << x << "," << y;
  for (const auto& [x, y] : {std::pair{15, 0}, {0, 16}, {31, 15}, {16, 31}, {15, 5}, {5, 15}})
    EXPECT_EQ(sign.GetPixel(x, y), 0x0000FFu) << x << "," << y;
  // The cross: both diagonals from (8, 8) to (23, 23), three pixels thick, and red beside.
  for (int i = 8; i < 24; ++i) {
    EXPECT_EQ(sign.GetPixel(i, i), kWhite) << i;
    EXPECT_EQ(sign.GetPixel(31 - i, i), kWhite) << i;
  }
  EXPECT_EQ(sign.GetPixel(9, 8), kWhite);
  EXPECT_EQ(sign.GetPixel(10, 8), 0x0000FFu);
  EXPECT_EQ(sign.GetPixel(7, 7), 0x0000FFu);
  // Mirrored left to right and top to bottom.
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      ASSERT_EQ(sign.GetPixel(x, y), sign.GetPixel(31 - x, y)) << x << "," << y;
      ASSERT_EQ(sign.GetPixel(x, y), sign.GetPixel(x, 31 - y)) << x << "," << y;
    }
}

TEST(MessageBoxParts, EveryKindHasItsOwnSign) {
  EXPECT_EQ(MessageSign(MessageIcon::kNone, kBack).Width(), 0);
  const Surface warning = MessageSign(MessageIcon::kExclamation, kBack);
  EXPECT_EQ(ColoursOf(warning), (std::set<Color>{kBack, 0x00FFFF, kBlack}));
  EXPECT_EQ(warning.GetPixel(15, 0), kBack);       // above the tip
  EXPECT_EQ(warning.GetPixel(15, 1), 0x00FFFFu);   // the tip
  EXPECT_EQ(warning.GetPixel(0, 31), 0x00FFFFu);   // the base spans the whole width
  EXPECT_EQ(warning.GetPixel(15, 10), kBlack);     // the mark's bar
  EXPECT_EQ(warning.GetPixel(15, 18), 0x00FFFFu);  // the gap above its dot
  EXPECT_EQ(warning.GetPixel(15, 23), kBlack);     // the dot
  const Surface question = MessageSign(MessageIcon::kQuestion, kBack);
  const Surface information = MessageSign(MessageIcon::kInformation, kBack);
  EXPECT_EQ(ColoursOf(question), ColoursOf(information));
  EXPECT_EQ(ColoursOf(question).size(), 3u);
  EXPECT_FALSE(question.SamePixels(information));
  EXPECT_FALSE(question.SamePixels(MessageSign(MessageIcon::kCritical, kBack)));
  EXPECT_EQ(information.GetPixel(15, 9), kWhite);                         // the dot of the i
  EXPECT_EQ(information.GetPixel(15, 11), information.GetPixel(15, 30));  // the gap is blue
}

}  // namespace
}  // namespace brindlex
