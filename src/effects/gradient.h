#pragma once

#include <cmath>
#include <functional>

#include "pixels/surface.h"

namespace brindlex {

// A two-colour gradient of levels 0 (the start colour) to 255 (the end colour): the
// channels of both colours and, per channel, the single-precision step |c0 − c1| / 255.
struct GradientColors {
  Color StartColor = kBlack;
  Color EndColor = kWhite;
  int start_red = 0, start_green = 0, start_blue = 0;
  int end_red = 255, end_green = 255, end_blue = 255;
  float red_step = 1.0f, green_step = 1.0f, blue_step = 1.0f;
};

GradientColors SplitGradientColors(Color start, Color end);

// The colour of level n: per channel c0 − n·s when the end channel is below the start
// channel, c0 + n·s otherwise, the sum rounded to the nearest integer (ties to even).
Color LevelColor(const GradientColors& colors, int n);

// The stepping loop of every preview: t starts at 0, the body runs while t <= end, and
// after each body t becomes the single-precision sum t + step. body(t, k) gets the running
// count k (0, 1, ...) and returns False to stop early. Returns the number of bodies run.
// A step that is not positive or finite, or that no longer moves t, ends the loop.
int RunGradientSteps(float end, float step, const std::function<bool(float, int)>& body);

// The linear preview for a direction in degrees, drawn over what the preview holds:
//   0 or 360: start colour at the left, end colour at the right; 90: start at the top;
//   180: start at the right; 270: start at the bottom; 45: top-left to bottom-right;
//   135: top-right to bottom-left; 225: bottom-right to top-left; 315: bottom-left to
//   top-right. Any other value draws nothing. The diagonals are drawn on temp (the same
//   size as linear) and copied. Fractional coordinates round to the nearest pixel and the
//   last figure drawn over a pixel gives its colour.
void DrawLinearGradient(int angle, const GradientColors& colors, Surface& linear, Surface& temp);

// The largest distance from (x, y) to the points (−1, −1), (S, −1), (S, S) and (−1, S),
// computed in double precision and returned in single precision.
float FarthestCornerDistance(double x, double y, int size);

// The spherical preview: circles of radius r = 0, R/255, 2R/255, ... up to R (the
// farthest corner distance) around the pixel nearest (x, y), circle k in level k. A circle
// is the pixels whose centres lie within half a pixel of r. after_circle runs after every
// circle and may stop the drawing by returning False. Returns the number of circles.
int DrawSphericalGradient(Surface& preview, const GradientColors& colors, double x, double y,
                          const std::function<bool()>& after_circle = {});

}  // namespace brindlex
