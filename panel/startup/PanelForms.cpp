#include "panel/startup/PanelForms.h"

#include "foundation/DebugOutput.h"

namespace vorma {

void RunPanelForms() {
  // The form framework and the main window are not part of the program yet; say so plainly rather
  // than let the process look as if a window had run.
  DebugWrite(L"===== Main window not built yet: the panel ends after taking the single-instance mutex =====\n");
}

}  // namespace vorma
