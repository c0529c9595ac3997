#include "forms/frm_multi_icon_dialog.h"

#include <climits>

namespace brindlex {

int LeadingNumber(const std::string& text) {
  long long value = 0;
  bool negative = false, seen_sign = false, seen_digit = false;
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    if ((c == '-' || c == '+') && !seen_sign && !seen_digit) {
      seen_sign = true;
      negative = c == '-';
      continue;
    }
    if (c < '0' || c > '9') break;
    seen_digit = true;
    if (value < INT_MAX) value = value * 10 + (c - '0');
  }
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(negative ? -value : value);
}

void FrmMultiIconDialog::Form_Load() {
  state_.ChosenIndex = state_.ChosenBitCount = state_.ChosenWidth = state_.ChosenHeight = 0;
  Closed = false;
}

void FrmMultiIconDialog::CmdOk_Click() {
  const int row = LstIcons.selected;
  if (row < 0 || row >= static_cast<int>(LstIcons.rows.size())) return;
  const IconListRow& chosen = LstIcons.rows[row];
  state_.ChosenIndex = row;
  state_.ChosenBitCount = chosen.bit_count;
  state_.ChosenWidth = LeadingNumber(chosen.text);
  const std::size_t x = chosen.text.find('x');
  state_.ChosenHeight = x == std::string::npos ? 0 : LeadingNumber(chosen.text.substr(x + 1));
  Closed = true;
}

}  // namespace brindlex
