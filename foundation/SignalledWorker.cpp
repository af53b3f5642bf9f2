#include "foundation/SignalledWorker.h"

#include "foundation/DebugOutput.h"

namespace vorma {

bool SignalledWorker::Start(std::function<void()> body) {
  Stop();
  wakeEvent_.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  stopEvent_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  body_ = std::move(body);
  if (wakeEvent_ && stopEvent_)
    thread_.reset(CreateThread(nullptr, 0, &SignalledWorker::ThreadEntry, this, 0, nullptr));
  if (!thread_) {
    DebugWin32Failure((name_ + L": CreateEvent or CreateThread").c_str(), GetLastError());
    wakeEvent_.reset();
    stopEvent_.reset();
    return false;
  }
  return true;
}

void SignalledWorker::Signal() {
  if (Running()) SetEvent(wakeEvent_.get());
}

void SignalledWorker::Stop() {
  if (!Running()) return;
  SetEvent(stopEvent_.get());
  WaitForSingleObject(thread_.get(), INFINITE);
  thread_.reset();
  wakeEvent_.reset();
  stopEvent_.reset();
  DebugPrint(L"[%ls::Stop] the worker ended\n", name_.c_str());
}

DWORD WINAPI SignalledWorker::ThreadEntry(void* worker) {
  static_cast<SignalledWorker*>(worker)->body_();
  return 0;
}

}  // namespace vorma
