#pragma once
// The main window's controls for the 7.1 page's tests: the shared stand-in over a real form, with
// the two-state buttons the page uses redrawn as the window does, and the page's host with the
// window state the tests set (the device state is the feature context's).

#include "forms/Application.h"
#include "panel/features/virtual7ch1/Virtual7ch1Host.h"
#include "tests/support/FormMainWindowControls.h"

namespace vorma::test {

class TestWindowControls final : public FormMainWindowControls {
public:
  using FormMainWindowControls::FormMainWindowControls;

  // Flips the state of a two-state button the page uses and redraws it (its skin record and label
  // colour are recorded); other Tags change nothing.
  void ToggleButtonState(int tag, int& state) override;

  // The image with that name; a failure when the form has none.
  forms::Image& Image(std::wstring_view name);
};

class TestPageHost final : public features::Virtual7ch1Host {
public:
  bool TestToneTicked() override { return testTone; }
  int GpioOnOff() override { return gpioOnOff; }
  bool GpioScanMode() override { return gpioScanMode; }
  void SetAnimationTimerEnabled(bool enabled) override { timerEnabled = enabled; }
  void SwitchThreeDOff() override { ++threeDSwitchedOff; }

  bool testTone = false;
  int gpioOnOff = 1;
  bool gpioScanMode = false;
  bool timerEnabled = false;  // as the form starts it
  int threeDSwitchedOff = 0;
};

}  // namespace vorma::test
