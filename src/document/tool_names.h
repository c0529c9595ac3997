#pragma once

#include <array>

namespace brindlex {

// The tools of the tool box, by their index in OptTool.
enum Tool : int {
  kToolSelect = 0,
  kToolPencil = 1,
  kToolErase = 2,
  kToolSample = 3,
  kToolFlood = 4,
  kToolLine = 5,
  kToolRectangle = 6,
  kToolEllipse = 7,
  kToolSolidRectangle = 8,
  kToolSolidEllipse = 9,
  kToolFilledRectangle = 10,
  kToolFilledEllipse = 11,
};

// Each tool button's text.
inline constexpr std::array<const char*, 12> kToolNames = {"Select",
                                                           "Pencil",
                                                           "Erase",
                                                           "Sample",
                                                           "Flood",
                                                           "Line",
                                                           "Rectangle",
                                                           "Ellipse",
                                                           "Solid Rectangle",
                                                           "Solid Ellipse",
                                                           "Filled Rectangle",
                                                           "Filled Ellipse"};

inline bool IsShapeTool(int tool) { return tool >= kToolLine && tool <= kToolFilledEllipse; }

}  // namespace brindlex
