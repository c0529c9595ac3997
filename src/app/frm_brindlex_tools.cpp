// The tool box: choosing a tool.
#include "app/frm_brindlex.h"
#include "document/tool_names.h"

namespace brindlex {

void FrmBrindlex::OptTool_Click(int index) {
  if (index < 0 || index >= 12) return;
  if (CurrentTool != kToolSelect && CurrentTool != kToolErase && CurrentTool != kToolSample)
    LastPaintTool = CurrentTool;
  CurrentTool = index;
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  CanvasPointerTool = (index >= kToolPencil && index <= kToolFlood) ? index : kToolSelect;
}

}  // namespace brindlex
