#include "panel/led/dialog/LedCommandWorker.h"

#include "foundation/DebugOutput.h"

namespace vorma::led {
namespace {

constexpr DWORD kSettleMs = 500;

}  // namespace

bool CLedCommandWorker::Start() {
  Stop();
  wakeEvent_.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  stopEvent_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!wakeEvent_ || !stopEvent_) {
    DebugWin32Failure(L"CLedCommandWorker: CreateEvent", GetLastError());
    wakeEvent_.reset();
    stopEvent_.reset();
    return false;
  }
  thread_.reset(CreateThread(nullptr, 0, &CLedCommandWorker::LEDCommandThread, this, 0, nullptr));
  if (!thread_) {
    DebugWin32Failure(L"CLedCommandWorker: CreateThread", GetLastError());
    wakeEvent_.reset();
    stopEvent_.reset();
    return false;
  }
  return true;
}

void CLedCommandWorker::Signal() {
  if (Running()) SetEvent(wakeEvent_.get());
}

void CLedCommandWorker::Stop() {
  if (!Running()) return;
  SetEvent(stopEvent_.get());
  WaitForSingleObject(thread_.get(), INFINITE);
  thread_.reset();
  wakeEvent_.reset();
  stopEvent_.reset();
  DebugWrite(L"[CLedCommandWorker::Stop] the worker ended\n");
}

DWORD WINAPI CLedCommandWorker::LEDCommandThread(void* worker) {
  static_cast<CLedCommandWorker*>(worker)->Run();
  return 0;
}

void CLedCommandWorker::Run() {
  // The wake event comes first: a signal that is pending when the stop arrives still gets its pass.
  const HANDLE events[2] = {wakeEvent_.get(), stopEvent_.get()};
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
