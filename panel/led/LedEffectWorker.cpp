#include "panel/led/LedEffectWorker.h"

#include "foundation/DebugOutput.h"
#include "panel/led/LedCommands.h"

namespace vorma::led {
namespace {

constexpr DWORD kSettleMs = 100;
constexpr DWORD kColourPauseMs = 10;

}  // namespace

bool CLedEffectWorker::Start() {
  if (Running()) return true;
  wakeEvent_.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  stopEvent_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!wakeEvent_ || !stopEvent_) {
    DebugWin32Failure(L"CLedEffectWorker: CreateEvent", GetLastError());
    wakeEvent_.reset();
    stopEvent_.reset();
    return false;
  }
  thread_.reset(CreateThread(nullptr, 0, &CLedEffectWorker::LEDEffectThread, this, 0, nullptr));
  if (!thread_) {
    DebugWin32Failure(L"CLedEffectWorker: CreateThread", GetLastError());
    wakeEvent_.reset();
    stopEvent_.reset();
    return false;
  }
  return true;
}

void CLedEffectWorker::Signal() {
  if (Running()) SetEvent(wakeEvent_.get());
}

void CLedEffectWorker::Stop() {
  if (!Running()) return;
  SetEvent(stopEvent_.get());
  WaitForSingleObject(thread_.get(), INFINITE);
  thread_.reset();
  wakeEvent_.reset();
  stopEvent_.reset();
  DebugWrite(L"[CLedEffectWorker::Stop] the worker ended\n");
}

DWORD WINAPI CLedEffectWorker::LEDEffectThread(void* worker) {
  static_cast<CLedEffectWorker*>(worker)->Run();
  return 0;
}

bool CLedEffectWorker::StopWithin(DWORD ms) { return WaitForSingleObject(stopEvent_.get(), ms) != WAIT_TIMEOUT; }

void CLedEffectWorker::Run() {
  // The stop event comes first: when both are set, the worker ends rather than send once more.
  const HANDLE events[2] = {stopEvent_.get(), wakeEvent_.get()};
  for (;;) {
    DebugWrite(L"WaitForSingleObject");
    if (WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) return;
    if (StopWithin(kSettleMs)) return;
    Pass();
    if (StopWithin(0)) return;
  }
}

void CLedEffectWorker::Pass() {
  if (state_.TakeColourLoad()) {
    const LedEffectValues values = state_.Snapshot();
    for (int index = 1; index <= 7; ++index) {
      if (StopWithin(kColourPauseMs)) return;
      SendLedPaletteColourWithRetry(index, values.colours[index - 1]);
      if (StopWithin(kColourPauseMs)) return;
    }
  }
  DebugWrite(L"LEDEffectThread");
  // Mode and speed of one moment: a slider released meanwhile is taken by the next pass.
  const LedEffectValues values = state_.Snapshot();
  switch (values.deviceMode) {
    case kLedModeBreathe: SendLedModeWithRetry(kLedModeBreathe, values.breatheSpeed); break;
    case kLedModeRainbow: SendLedModeWithRetry(kLedModeRainbow, values.rainbowSpeed); break;
    case kLedModeMultiBreathe: SendLedModeWithRetry(kLedModeMultiBreathe, values.multiBreatheSpeed); break;
    default: break;  // off, static colour: nothing to keep running
  }
}

}  // namespace vorma::led
