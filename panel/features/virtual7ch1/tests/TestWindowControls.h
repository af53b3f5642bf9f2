#pragma once
// The main window's controls for the 7.1 page's tests: a real form built from the main window's
// resource, with the skin and language calls recorded instead of loading files, and the page's
// host with the window state the tests set.

#include "forms/Application.h"
#include "forms/Form.h"
#include "panel/features/virtual7ch1/Virtual7ch1Host.h"
#include "panel/shell/MainWindowControls.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vorma::test {

class TestWindowControls final : public MainWindowControls {
public:
  explicit TestWindowControls(forms::Application& application);

  forms::Image* ImageNamed(std::wstring_view name) override;
  forms::Label* LabelNamed(std::wstring_view name) override;
  forms::Image* FindImageByTag(int tag) override;
  forms::Label* FindLabelByTag(int tag) override;
  void ChangeImageAttr(forms::Image& image, std::wstring_view skinKey) override;
  void SetLabelColor(forms::Label& label, std::wstring_view languageKey, bool down) override;
  std::wstring LanguageText(std::wstring_view languageKey) override { return std::wstring(languageKey); }
  void ToggleButtonState(int tag, int& state) override;
  SliderRange EqSliderRange() override { return {200, 120}; }
  SliderRange MicSliderRange() override { return {208, 120}; }
  SpeakerCircle VirtualCenter() override { return circle; }
  void ProcessPendingMessages() override {}

  // "Name=Key" for every skin record applied, "Name:Key:down|up" for every label colour.
  std::vector<std::wstring> TakeApplied();
  forms::Image& Image(std::wstring_view name);

  SpeakerCircle circle;

private:
  forms::Form form_;
  std::vector<std::wstring> applied_;
};

class TestPageHost final : public features::Virtual7ch1Host {
public:
  bool DeviceActive() override { return deviceActive; }
  bool TestToneTicked() override { return testTone; }
  int GpioOnOff() override { return gpioOnOff; }
  bool GpioScanMode() override { return gpioScanMode; }
  void SetAnimationTimerEnabled(bool enabled) override { timerEnabled = enabled; }
  void SwitchThreeDOff() override { ++threeDSwitchedOff; }

  bool deviceActive = true;
  bool testTone = false;
  int gpioOnOff = 1;
  bool gpioScanMode = false;
  bool timerEnabled = true;
  int threeDSwitchedOff = 0;
};

}  // namespace vorma::test
