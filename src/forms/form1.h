#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace brindlex {

// One line of the credits: its text and its place in twips. The top moves; it is kept in
// twips so that the 50-twip steps never gather rounding errors.
struct CreditsLabel {
  const char* name;
  std::string text;
  std::int64_t top;
  int left, width, height;
};

// The credits window: seven lines that scroll upwards, 50 twips every 50 ms, until the
// window is clicked beside them.
class Form1 {
 public:
  static constexpr int kClientWidthTwips = 5775;
  static constexpr int kClientHeightTwips = 1020;
  static constexpr int kTwipsPerPixel = 15;
  static constexpr int kTimerMilliseconds = 50;
  static constexpr int kStepTwips = 50;

  Form1();

  // Starts the scroll timer.
  void Form_Load();
  // Moves every line 50 twips up.
  void Timer1_Timer();
  // A click on the window's background closes it.
  void Form_Click();
  // A click at a client position, rounded to the nearest pixel (halves to even): on a line
  // it does nothing, beside the lines it is Form_Click.
  void ClickAt(double x, double y);

  // A place in twips as a client pixel (rounded down, also above the window's top).
  static int Pixels(std::int64_t twips);

  // The lines from top to bottom: Label1, Label3, Label4, Label5, Label2, Label6, Label7.
  std::array<CreditsLabel, 7> Labels;
  bool Timer1Enabled = false;
  bool Closed = false;
};

}  // namespace brindlex
