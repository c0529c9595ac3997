#pragma once

#include <array>
#include <functional>
#include <string>

#include "effects/gradient.h"
#include "pixels/surface.h"
#include "platform/ui.h"

namespace brindlex {

// The transparency gradient dialog: a start and an end colour chosen through the colour
// dialog, a linear preview in one of eight directions and a spherical preview around a
// clicked point. Ok copies the chosen preview into the main window's staging picture and
// clears DialogCancelled; every other ending leaves DialogCancelled True.
class FrmGrad {
 public:
  static constexpr char kCaption[] = "grados de kolores";
  static constexpr char kStartCaption[] = "&Empezar:";
  static constexpr char kEndCaption[] = "&Terminar:";
  static constexpr char kHint[] = "Primero da klick en la kaja de kolores ";
  static constexpr char kClickCaption[] = "Click";
  static constexpr char kLinearCaption[] = "Linear";
  static constexpr char kSphericalCaption[] = "Sperical";
  static constexpr char kOkCaption[] = "&Ok";
  static constexpr char kCancelCaption[] = "&Cancelar";
  // The direction scroll bar: its value at the top end and at the bottom end, and the one
  // change an arrow or a click beside the thumb makes.
  static constexpr int kAngleTop = 360;
  static constexpr int kAngleBottom = 0;
  static constexpr int kAngleStep = 45;
  // The sunken edges drawn around the two previews, right and bottom edges exclusive.
  static constexpr int kLinearFrameLeft = 8, kSphericalFrameLeft = 103;
  static constexpr int kFrameTop = 8, kFrameSize = 54;
  // The colour the colour dialog opens on, whatever the box shows.
  static constexpr Color kChooserStart = kBlack;

  // size is the icon's edge (16, 32 or 48); Ok writes the chosen preview into pic_load.
  FrmGrad(Ui& ui, Surface& pic_load, int size);

  void Form_Load();
  // Paints the client area's background: button face and the sunken edges around the two
  // previews.
  void Form_Paint(Surface& client) const;
  // Recomputes the channels and steps from StartColor and EndColor.
  void SplitGradientColors();
  Color LevelColor(int n) const { return brindlex::LevelColor(colors_, n); }
  // Redraws PicLinear for the current VsbAngle.
  void DrawLinearGradient();
  float FarthestCornerDistance(double x, double y) const;
  // Draws the spherical preview around (x, y) for the left button; nothing otherwise.
  void PicSpherical_MouseDown(int button, int shift, double x, double y);
  void PicStartColor_Click() { ChooseBoxColor(StartColor, PicStartColor); }
  void PicEndColor_Click() { ChooseBoxColor(EndColor, PicEndColor); }
  void VsbAngle_Change(int value);
  void OptGradType_Click(int index) { OptGradType = index; }
  void CmdOk_Click();
  void CmdCancel_Click();
  // The close box or Esc.
  void Form_Unload() { Closed = true; }

  int GradSize;
  float SphereX = 0.0f, SphereY = 0.0f;
  Color StartColor = kBlack, EndColor = kWhite;
  std::array<Color, 16> CustomColors{};

  Surface PicLinear, PicSpherical, PicTempGrad;
  int PicLinearLeft = 0, PicLinearTop = 0, PicSphericalLeft = 0, PicSphericalTop = 0;
  // The colour boxes, filled with their colour.
  static constexpr int kColorBoxWidth = 37, kColorBoxHeight = 13;
  Surface PicStartColor{kColorBoxWidth, kColorBoxHeight, kBlack};
  Surface PicEndColor{kColorBoxWidth, kColorBoxHeight, kWhite};

  int VsbAngle = 0;
  std::string LblAngle = "000";
  int OptGradType = 0;  // 0 "Linear", 1 "Sperical"

  // Controls that refuse input while the spherical preview is drawn.
  bool PicSphericalEnabled = true;
  bool CmdOkEnabled = true;
  bool CmdCancelEnabled = true;

  bool DialogCancelled = true;
  bool Closed = false;

  // Runs after every circle of the spherical preview so that the window shows the growing
  // gradient at once; it must not run user input.
  std::function<void()> PreviewStep;

 private:
  void ChooseBoxColor(Color& color, Surface& box);
  void EnableControls(bool enabled);

  Ui& ui_;
  Surface& pic_load_;
  GradientColors colors_;
  bool drawing_ = false;
};

}  // namespace brindlex
