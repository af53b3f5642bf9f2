#include "panel/led/dialog/LedCommandWorker.h"

#include "foundation/DebugOutput.h"

namespace vorma::led {
namespace {

constexpr DWORD kSettleMs = 500;

}  // namespace

void CLedCommandWorker::LEDCommandThread() {
  // The wake event comes first: a signal that is pending when the stop arrives still gets its pass.
  const HANDLE events[2] = {worker_.WakeEvent(), worker_.StopEvent()};
  for (;;) {
    if (WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0) return;
    Sleep(kSettleMs);
    DebugWrite(L"LEDCommandThread");
    // Mode, speed and address of one moment: a bar moved meanwhile is taken by the next pass.
    const LedDialogValues values = state_.Snapshot();
    DialogMode(values.address, values.mode, values.SpeedOfMode());
  }
}

}  // namespace vorma::led
