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
  return worker_.Start([this] { LEDEffectThread(); });
}

void CLedEffectWorker::LEDEffectThread() {
  // The stop event comes first: when both are set, the worker ends rather than send once more.
  const HANDLE events[2] = {worker_.StopEvent(), worker_.WakeEvent()};
  for (;;) {
    DebugWrite(L"WaitForSingleObject");
    if (WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) return;
    if (worker_.StopWithin(kSettleMs)) return;
    Pass();
    if (worker_.StopWithin(0)) return;
  }
}

void CLedEffectWorker::Pass() {
  if (state_.TakeColourLoad()) {
    const LedEffectValues values = state_.Snapshot();
    for (int index = 1; index <= 7; ++index) {
      if (worker_.StopWithin(kColourPauseMs)) return;
      SendLedPaletteColourWithRetry(index, values.colours[index - 1]);
      if (worker_.StopWithin(kColourPauseMs)) return;
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
