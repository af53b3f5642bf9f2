#pragma once
// The main window's controls for the feature pages' tests and benchmarks: a real form built from
// the main window's resource (no handlers bound), and a MainWindowControls over it that records
// what a page asks of the window instead of loading skin and language files.

#include "forms/Application.h"
#include "forms/Form.h"
#include "panel/features/MainWindowControls.h"

#include <string>
#include <utility>
#include <vector>

namespace vorma::test {

class FormMainWindowControls : public MainWindowControls {
public:
  explicit FormMainWindowControls(forms::Application& application);

  forms::Form& Form() { return form_; }
  // What the page asked of the window since the last call, one line each: "EQS1Image=EQS1ImageDown"
  // (a skin record applied), "EQS1Label:LabelEQS1:down" (a label colour), "toggle 7 -> 1" (a
  // two-state button flipped).
  std::vector<std::wstring> TakeRequests();

  // The geometry the skin would give; a test may change it.
  SliderRange eqTrack{200, 120};
  SliderRange micTrack{208, 120};
  SpeakerCircle circle;

  forms::Image* ImageNamed(std::wstring_view name) override;
  forms::Label* LabelNamed(std::wstring_view name) override;
  // From the last declared control to the first, as the window searches.
  forms::Image* FindImageByTag(int tag) override;
  forms::Label* FindLabelByTag(int tag) override;
  void ChangeImageAttr(forms::Image& image, std::wstring_view skinKey) override;
  void SetLabelColor(forms::Label& label, std::wstring_view languageKey, bool down) override;
  // The key itself stands for the caption.
  std::wstring LanguageText(std::wstring_view languageKey) override { return std::wstring(languageKey); }
  // Flips the state and records it; the button is not redrawn.
  void ToggleButtonState(int tag, int& state) override;
  SliderRange EqSliderRange() override { return eqTrack; }
  SliderRange MicSliderRange() override { return micTrack; }
  SpeakerCircle VirtualCenter() override { return circle; }
  void ProcessPendingMessages() override {}

private:
  void Record(std::wstring request) { requests_.push_back(std::move(request)); }

  forms::Form form_;
  std::vector<std::wstring> requests_;
};

}  // namespace vorma::test
