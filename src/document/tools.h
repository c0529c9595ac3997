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
inline constexpr int kToolCount = 12;

// What a stroke of the tool does on the canvas.
enum class ToolKind {
  kSelect,     // marks or moves a selection
  kFreehand,   // paints the cell under the pointer at every step (Pencil, Erase)
  kSample,     // takes the colour under the pointer for its button
  kFlood,      // fills the region under the press
  kLine,       // a rubber-band line, drawn on release
  kRectangle,  // a rubber-band box, drawn on release
  kEllipse,    // a rubber-band ellipse inscribed in its box, drawn on release
};

// How a rectangle or ellipse is painted: its outline in the button's colour, solid in that
// colour, or outlined in it and filled with the other button's colour.
enum class ToolFill { kOutline, kSolid, kFilled };

// The pointer shown over the canvas.
enum class CanvasPointer { kCrossHairs, kPencil, kEraser, kDropper, kBucket, kMove };

// Everything the editor needs to know about one tool.
struct ToolFacts {
  const char* name;  // the tool button's text
  ToolKind kind;
  ToolFill fill;  // for rectangles and ellipses
  CanvasPointer pointer;
  // A stroke is one undo step: the redo list is discarded at the press and the stroke
  // committed at the release.
  bool records_step;
  // Choosing another tool remembers this one as the last painting tool, which the colour
  // sampler hands back to.
  bool remembered;
};

inline constexpr std::array<ToolFacts, kToolCount> kToolTable = {{
    {"Select", ToolKind::kSelect, ToolFill::kOutline, CanvasPointer::kCrossHairs, false, false},
    {"Pencil", ToolKind::kFreehand, ToolFill::kSolid, CanvasPointer::kPencil, true, true},
    {"Erase", ToolKind::kFreehand, ToolFill::kSolid, CanvasPointer::kEraser, true, false},
    {"Sample", ToolKind::kSample, ToolFill::kSolid, CanvasPointer::kDropper, false, false},
    {"Flood", ToolKind::kFlood, ToolFill::kSolid, CanvasPointer::kBucket, true, true},
    {"Line", ToolKind::kLine, ToolFill::kOutline, CanvasPointer::kCrossHairs, true, true},
    {"Rectangle", ToolKind::kRectangle, ToolFill::kOutline, CanvasPointer::kCrossHairs, true, true},
    {"Ellipse", ToolKind::kEllipse, ToolFill::kOutline, CanvasPointer::kCrossHairs, true, true},
    {"Solid Rectangle", ToolKind::kRectangle, ToolFill::kSolid, CanvasPointer::kCrossHairs, true,
     true},
    {"Solid Ellipse", ToolKind::kEllipse, ToolFill::kSolid, CanvasPointer::kCrossHairs, true, true},
    {"Filled Rectangle", ToolKind::kRectangle, ToolFill::kFilled, CanvasPointer::kCrossHairs, true,
     true},
    {"Filled Ellipse", ToolKind::kEllipse, ToolFill::kFilled, CanvasPointer::kCrossHairs, true,
     true},
}};

// The facts of a tool; `tool` must be one of the enum's values.
constexpr const ToolFacts& FactsOf(Tool tool) { return kToolTable[tool]; }

// The line, rectangle and ellipse tools: dragged as a rubber band, drawn on release.
constexpr bool IsShapeKind(ToolKind kind) {
  return kind == ToolKind::kLine || kind == ToolKind::kRectangle || kind == ToolKind::kEllipse;
}

// The tool of button index `index`, or nothing for an index outside the tool box.
constexpr bool IsToolIndex(int index) { return index >= 0 && index < kToolCount; }

}  // namespace brindlex
