#pragma once
// A thread that sleeps until it is signalled, and the two events it waits on: an auto-reset wake
// event (signals during a pass collapse into one more pass) and a manual-reset stop event. The
// owner gives the body; the body decides in which order it looks at the two events. Stop() sets
// the stop event and joins the thread, so nothing of the body runs after it returns; the events
// are closed after the thread has ended.

#include "foundation/UniqueHandles.h"

#include <functional>
#include <string>
#include <utility>

namespace vorma {

class SignalledWorker {
public:
  // `name` goes into the debug output of failures and of the end.
  explicit SignalledWorker(std::wstring name) : name_(std::move(name)) {}
  ~SignalledWorker() { Stop(); }
  SignalledWorker(const SignalledWorker&) = delete;
  SignalledWorker& operator=(const SignalledWorker&) = delete;

  // Creates new events and starts `body` on a thread of its own; false (nothing running) when
  // either failed. A worker still running is stopped first.
  bool Start(std::function<void()> body);
  bool Running() const { return static_cast<bool>(thread_); }
  // Sets the wake event; nothing while no worker runs.
  void Signal();
  // Ends the thread and waits for it. Nothing while none runs.
  void Stop();

  // For the body.
  HANDLE WakeEvent() const { return wakeEvent_.get(); }
  HANDLE StopEvent() const { return stopEvent_.get(); }
  // Waits `ms` unless a stop is asked for first; true when the body is to end.
  bool StopWithin(DWORD ms) const { return WaitForSingleObject(stopEvent_.get(), ms) != WAIT_TIMEOUT; }

private:
  static DWORD WINAPI ThreadEntry(void* worker);

  std::wstring name_;
  std::function<void()> body_;
  UniqueHandle wakeEvent_;
  UniqueHandle stopEvent_;
  UniqueHandle thread_;
};

}  // namespace vorma
