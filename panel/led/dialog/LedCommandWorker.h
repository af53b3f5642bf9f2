#pragma once
// The LED settings dialog's command worker: a thread that sleeps on an auto-reset event and, 500 ms
// after each signal, sends the dialog's current mode with that mode's speed, so a moving speed bar
// does not flood the controller. Signals during a pass collapse into one more pass.
//
// One worker runs per showing of the dialog. Stop() asks it to end and joins it: a pass already
// signalled is still sent (the user's last speed reaches the controller), nothing after it. The
// worker never touches a window; it reads the dialog's shared state as one snapshot per pass.

#include "foundation/SignalledWorker.h"
#include "panel/led/dialog/LedDialogState.h"

namespace vorma::led {

class CLedCommandWorker {
public:
  explicit CLedCommandWorker(const CLedDialogState& state) : state_(state) {}
  CLedCommandWorker(const CLedCommandWorker&) = delete;
  CLedCommandWorker& operator=(const CLedCommandWorker&) = delete;

  // Creates a new event and starts the thread on it; false (nothing running) when either failed.
  // A worker still running is stopped first.
  bool Start() { return worker_.Start([this] { LEDCommandThread(); }); }
  bool Running() const { return worker_.Running(); }
  // Wakes the worker; nothing while none runs.
  void Signal() { worker_.Signal(); }
  // Ends the thread after any pass already signalled and waits for it. Nothing while none runs.
  void Stop() { worker_.Stop(); }

private:
  void LEDCommandThread();

  const CLedDialogState& state_;
  SignalledWorker worker_{L"CLedCommandWorker"};  // last: its thread ends before the state goes
};

}  // namespace vorma::led
