#pragma once
// The main window's controls for the equaliser's tests and benchmark: a real form built from the
// main window's resource (no handlers bound), and a MainWindowControls over it that records the
// skin keys, label colours and two-state presses the page asks for.

#include "forms/Application.h"
#include "forms/Form.h"
#include "panel/shell/MainWindowControls.h"

#include <string>
#include <vector>

namespace vorma::test {

class FormWindowControls final : public MainWindowControls {
public:
  explicit FormWindowControls(forms::Application& application);

  forms::Form& Form() { return form_; }
  // What the page asked of the window since the last call, one line each:
  //   "EQS1Image EQS1ImageDown", "EQS1Label LabelEQS1 down", "toggle 7 -> 1".
  std::vector<std::wstring> TakeRequests();

  SliderRange eqTrack{200, 120};

  forms::Image* ImageNamed(std::wstring_view name) override;
  forms::Label* LabelNamed(std::wstring_view name) override;
  forms::Image* FindImageByTag(int tag) override;
  forms::Label* FindLabelByTag(int tag) override;
  void ChangeImageAttr(forms::Image& image, std::wstring_view skinKey) override;
  void SetLabelColor(forms::Label& label, std::wstring_view languageKey, bool down) override;
  std::wstring LanguageText(std::wstring_view languageKey) override;
  void ToggleButtonState(int tag, int& state) override;
  SliderRange EqSliderRange() override { return eqTrack; }
  SliderRange MicSliderRange() override { return {208, 120}; }
  SpeakerCircle VirtualCenter() override { return {}; }
  void ProcessPendingMessages() override {}

private:
  template <typename T>
  T* FindByTag(forms::ControlKind kind, int tag);

  forms::Form form_;
  std::vector<std::wstring> requests_;
};

}  // namespace vorma::test
