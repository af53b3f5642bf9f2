#pragma once
// The LED effect worker: a thread that sleeps on an auto-reset event and, each time the page
// signals it, loads the seven multi-breathe colours when that is still pending and sends the
// current effect's mode and speed again, after a settle time that keeps a moving slider from
// flooding the controller. Signals during a pass collapse into one more pass.
//
// The worker never touches a window. Stop() asks it to end, wakes it from any wait and joins it,
// so no command of the worker follows the return of Stop(); the owner stops it on device removal
// and before the window goes away.

#include "foundation/UniqueHandles.h"
#include "panel/led/LedEffectState.h"

namespace vorma::led {

class CLedEffectWorker {
public:
  explicit CLedEffectWorker(CLedEffectState& state) : state_(state) {}
  ~CLedEffectWorker() { Stop(); }
  CLedEffectWorker(const CLedEffectWorker&) = delete;
  CLedEffectWorker& operator=(const CLedEffectWorker&) = delete;

  // Creates the event and starts the thread; false (nothing running) when either failed.
  bool Start();
  bool Running() const { return static_cast<bool>(thread_); }
  // Sets the event; nothing while no worker runs.
  void Signal();
  // Ends the thread and waits for it; the events are closed after it. Nothing while none runs.
  void Stop();

private:
  static DWORD WINAPI LEDEffectThread(void* worker);
  void Run();
  void Pass();
  // Waits `ms` unless a stop is asked for first; true when the worker is to end.
  bool StopWithin(DWORD ms);

  CLedEffectState& state_;
  UniqueHandle wakeEvent_;
  UniqueHandle stopEvent_;
  UniqueHandle thread_;
};

}  // namespace vorma::led
