// The tool box: choosing a tool.
#include "app/frm_brindlex.h"
#include "document/tools.h"

namespace brindlex {

void FrmBrindlex::OptTool_Click(int index) {
  if (!IsToolIndex(index)) return;
  if (FactsOf(CurrentTool).remembered) LastPaintTool = CurrentTool;
  CurrentTool = static_cast<Tool>(index);
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  CanvasPointerShown = FactsOf(CurrentTool).pointer;
}

}  // namespace brindlex
