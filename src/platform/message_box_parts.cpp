#include "platform/message_box_parts.h"

#include <cstdlib>

namespace brindlex {
namespace {

constexpr Color kSignRed = 0x0000FF;
constexpr Color kSignYellow = 0x00FFFF;
constexpr Color kSignBlue = 0xCC3300;

// The marks drawn on a sign, six columns by eight rows, each cell two pixels square, with
// the top-left corner at (10, 8).
using Mark = const char* const[8];
constexpr Mark kExclamationMark = {"  ##  ", "  ##  ", "  ##  ", "  ##  ",
                                   "  ##  ", "      ", "  ##  ", "  ##  "};
constexpr Mark kQuestionMark = {" #### ", "##  ##", "    ##", "   ## ",
                                "  ##  ", "  ##  ", "      ", "  ##  "};
constexpr Mark kInformationMark = {"  ##  ", "      ", " ###  ", "  ##  ",
                                   "  ##  ", "  ##  ", "  ##  ", " #### "};
constexpr int kMarkLeft = 10, kMarkTop = 8, kMarkCell = 2;

void DrawMark(Surface& sign, const Mark& mark, Color color) {
  for (int row = 0; row < 8; ++row)
    for (int column = 0; mark[row][column] != '\0'; ++column)
      if (mark[row][column] == '#')
        sign.Box(kMarkLeft + kMarkCell * column, kMarkTop + kMarkCell * row,
                 kMarkLeft + kMarkCell * column + kMarkCell - 1,
                 kMarkTop + kMarkCell * row + kMarkCell - 1, true, color);
}

// Twice a pixel's distance from the sign's middle line, in each direction.
int Twice(int coordinate) { return 2 * coordinate - (kMessageSignEdge - 1); }

void FillDisc(Surface& sign, Color color) {
  const int radius = kMessageSignEdge;  // twice 16 pixels
  for (int y = 0; y < kMessageSignEdge; ++y)
    for (int x = 0; x < kMessageSignEdge; ++x)
      if (Twice(x) * Twice(x) + Twice(y) * Twice(y) <= radius * radius) sign.SetPixel(x, y, color);
}

// A triangle standing on the bottom row with its tip at the top middle: one pixel wider on
// each side for every row down.
void FillTriangle(Surface& sign, Color color) {
  for (int y = 1; y < kMessageSignEdge; ++y)
    for (int x = 0; x < kMessageSignEdge; ++x)
      if (std::abs(Twice(x)) <= y + 1) sign.SetPixel(x, y, color);
}

// A cross of two three-pixel diagonals through the middle, 16 pixels across.
void DrawCross(Surface& sign, Color color) {
  for (int y = 8; y < 24; ++y)
    for (int x = 8; x < 24; ++x)
      if (std::abs(x - y) <= 1 || std::abs(x + y - (kMessageSignEdge - 1)) <= 1)
        sign.SetPixel(x, y, color);
}

}  // namespace

std::vector<MessageButton> MessageButtonsOf(MessageButtons buttons) {
  const MessageButton ok{"Aceptar", MessageAnswer::kOk};
  const MessageButton cancel{"Cancelar", MessageAnswer::kCancel};
  const MessageButton yes{"S\xC3\xAD", MessageAnswer::kYes};
  const MessageButton no{"No", MessageAnswer::kNo};
  switch (buttons) {
    case MessageButtons::kOkCancel:
      return {ok, cancel};
    case MessageButtons::kYesNo:
      return {yes, no};
    case MessageButtons::kYesNoCancel:
      return {yes, no, cancel};
    case MessageButtons::kOk:
      break;
  }
  return {ok};
}

Surface MessageSign(MessageIcon icon, Color background) {
  if (icon == MessageIcon::kNone) return Surface();
  Surface sign(kMessageSignEdge, kMessageSignEdge, background);
  switch (icon) {
    case MessageIcon::kCritical:
      FillDisc(sign, kSignRed);
      DrawCross(sign, kWhite);
      break;
    case MessageIcon::kExclamation:
      FillTriangle(sign, kSignYellow);
      DrawMark(sign, kExclamationMark, kBlack);
      break;
    case MessageIcon::kQuestion:
      FillDisc(sign, kSignBlue);
      DrawMark(sign, kQuestionMark, kWhite);
      break;
    case MessageIcon::kInformation:
      FillDisc(sign, kSignBlue);
      DrawMark(sign, kInformationMark, kWhite);
      break;
    case MessageIcon::kNone:
      break;
  }
  return sign;
}

}  // namespace brindlex
