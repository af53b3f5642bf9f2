#pragma once
// The LED effect worker: a thread that sleeps on an auto-reset event and, each time the page
// signals it, loads the seven multi-breathe colours when that is still pending and sends the
// current effect's mode and speed again, after a settle time that keeps a moving slider from
// flooding the controller. Signals during a pass collapse into one more pass.
//
// The worker never touches a window. Stop() asks it to end, wakes it from any wait and joins it,
// so no command of the worker follows the return of Stop(); the owner stops it on device removal
// and before the window goes away.

#include "foundation/SignalledWorker.h"
#include "panel/led/LedEffectState.h"

namespace vorma::led {

class CLedEffectWorker {
public:
  explicit CLedEffectWorker(CLedEffectState& state) : state_(state) {}
  CLedEffectWorker(const CLedEffectWorker&) = delete;
  CLedEffectWorker& operator=(const CLedEffectWorker&) = delete;

  // Starts the thread (a running one keeps running); false (nothing running) when that failed.
  bool Start();
  bool Running() const { return worker_.Running(); }
  // Wakes the worker; nothing while none runs.
  void Signal() { worker_.Signal(); }
  // Ends the thread and waits for it. Nothing while none runs.
  void Stop() { worker_.Stop(); }

private:
  void LEDEffectThread();
  void Pass();

  CLedEffectState& state_;
  SignalledWorker worker_{L"CLedEffectWorker"};  // last: its thread ends before the state goes
};

}  // namespace vorma::led
