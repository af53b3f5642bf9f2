#include "forms/Timer.h"

#include "forms/Form.h"
#include "foundation/DebugOutput.h"

namespace vorma::forms {

Timer::Timer(Form& owner, UINT_PTR id, const TimerArgs& args)
    : OnTimer(args.onTimer), owner_(owner), id_(id), name_(args.name), interval_(args.interval), enabled_(args.enabled) {}

Timer::~Timer() { Stop(); }

void Timer::SetInterval(UINT interval) {
  interval_ = interval;
  Update();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Update();
}

void Timer::Start() { Update(); }

void Timer::Stop() {
  if (running_ && owner_.Hwnd()) KillTimer(owner_.Hwnd(), id_);
  running_ = false;
}

void Timer::Update() {
  Stop();
  if (!enabled_ || interval_ == 0 || !owner_.Hwnd()) return;
  if (!SetTimer(owner_.Hwnd(), id_, interval_, nullptr)) {
    DebugWin32Failure(L"SetTimer", GetLastError());
    return;
  }
  running_ = true;
}

void Timer::Fire() {
  // A WM_TIMER already queued when the timer was switched off must not run it.
  if (running_ && OnTimer) OnTimer(*this);
}

}  // namespace vorma::forms
