#pragma once
// A timer of a form (SetTimer on the form's window). OnTimer runs on the user-interface thread
// from the form's WM_TIMER; a disabled timer or one with interval 0 does not run.

#include <windows.h>

#include <functional>
#include <string>

namespace vorma::forms {

class Form;
class Timer;

struct TimerArgs {
  std::wstring name;
  UINT interval = 1000;  // milliseconds
  bool enabled = true;
  std::function<void(Timer& sender)> onTimer;
};

class Timer {
public:
  Timer(Form& owner, UINT_PTR id, const TimerArgs& args);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::wstring& Name() const { return name_; }
  UINT_PTR Id() const { return id_; }
  UINT Interval() const { return interval_; }
  void SetInterval(UINT interval);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void(Timer& sender)> OnTimer;

  // The form calls these when its window appears or goes, and for its WM_TIMER.
  void Start();
  void Stop();
  void Fire();

private:
  void Update();

  Form& owner_;
  UINT_PTR id_;
  std::wstring name_;
  UINT interval_;
  bool enabled_;
  bool running_ = false;
};

}  // namespace vorma::forms
