#include "forms/form1.h"

#include <cmath>
#include <utility>

namespace brindlex {
namespace {

constexpr char kGroupLine[] = "TeAm Quorvane 2001";
// The signature tag that follows every nickname.
constexpr char kTag[] = "-=(Qv)=-";
constexpr char kClosingLine[] = "PARA CERRAR LA VENTANA DALE CLICK";
constexpr char kEditorLine[] = "EdItOr De iKOnoS v2.0 hecho por el TeAm Quorvane";
// The blanks that push the closing line onto a line of its own.
constexpr char kBlankRun[] = "                              ";

// The lines' horizontal place and height, in twips.
constexpr int kLeft = 600;
constexpr int kWidth = 4575;
constexpr int kHeight = 375;
constexpr int kLastHeight = 1695;

CreditsLabel Line(const char* name, std::string text, int top, int height = kHeight) {
  return {name, std::move(text), top, kLeft, kWidth, height};
}

std::string Signed(const char* nickname) { return std::string(nickname) + " " + kTag; }

}  // namespace

Form1::Form1()
    : Labels{{
          Line("Label1", kGroupLine, 360),
          Line("Label3", Signed("~*PiKsEl KoYoTe*~"), 1080),
          Line("Label4", Signed("~*LaNzA BiTs*~"), 1680),
          Line("Label5", Signed("~*MoRsA AzUl*~"), 2280),
          Line("Label2", Signed("~*El TuKaN NeGrO*~"), 2880),
          Line("Label6", std::string(kTag) + " 2001", 3960),
          Line("Label7", std::string(kEditorLine) + kBlankRun + kClosingLine, 4560, kLastHeight),
      }} {}

void Form1::Form_Load() { Timer1Enabled = true; }

void Form1::Timer1_Timer() {
  if (Closed) return;
  for (CreditsLabel& label : Labels) label.top -= kStepTwips;
}

void Form1::Form_Click() {
  Closed = true;
  Timer1Enabled = false;
}

void Form1::ClickAt(double x_position, double y_position) {
  if (!std::isfinite(x_position) || !std::isfinite(y_position)) return;
  // A click is at a whole pixel, as every mouse position is.
  const double x = std::nearbyint(x_position), y = std::nearbyint(y_position);
  for (const CreditsLabel& label : Labels) {
    const int left = Pixels(label.left), top = Pixels(label.top);
    if (x >= left && x < left + Pixels(label.width) && y >= top && y < top + Pixels(label.height))
      return;
  }
  Form_Click();
}

int Form1::Pixels(std::int64_t twips) {
  return static_cast<int>(std::floor(static_cast<double>(twips) / kTwipsPerPixel));
}

}  // namespace brindlex
