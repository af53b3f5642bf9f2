#include "panel/features/virtual7ch1/tests/TestWindowControls.h"

#include "panel/shell/FormBuilder.h"
#include "panel/shell/MainFormResource.h"

#include <gtest/gtest.h>

#include <utility>

namespace vorma::test {

namespace {

// The window's handlers are not under test: every name stays unbound.
class NoEvents final : public shell::FormEventSource {
public:
  forms::MouseHandler MouseHandlerNamed(std::wstring_view) override { return {}; }
  forms::NotifyHandler NotifyHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view) override { return {}; }
};

struct TwoStateButton {
  const wchar_t* up;
  const wchar_t* down;
  const wchar_t* language;
};

const std::map<int, TwoStateButton> kTwoStateButtons = {
    {8, {L"EQ3DENImageUp", L"EQ3DENImageDown", L"LableEQ3DEnable"}},
    {47, {L"VirtualEnableImageUp", L"VirtualEnableImageDown", L"Label7ch1Enable"}},
    {49, {L"VirtualClockwiseUpImage", L"VirtualClockwiseDownImage", L"LabelVirtualClockwise"}},
    {50, {L"VirtualCounterclockwiseUpImage", L"VirtualCounterclockwiseDownImage", L"LabelVirtualCounterclockwise"}},
    {52, {L"VirtualNarrowUpImage", L"VirtualNarrowDownImage", L"LabelVirtualNarrow"}},
    {53, {L"VirtualEnlargeUpImage", L"VirtualEnlargeDownImage", L"LabelVirtualEnlarge"}},
};

}  // namespace

TestWindowControls::TestWindowControls(forms::Application& application)
    : form_(application, shell::FormArgsFor(shell::MainFormResource())) {
  NoEvents events;
  shell::AddResourceToForm(shell::MainFormResource(), form_, events);
}

forms::Image* TestWindowControls::ImageNamed(std::wstring_view name) {
  forms::Control* control = form_.FindControlByName(name);
  return control && control->Kind() == forms::ControlKind::Image ? static_cast<forms::Image*>(control) : nullptr;
}

forms::Label* TestWindowControls::LabelNamed(std::wstring_view name) {
  forms::Control* control = form_.FindControlByName(name);
  return control && control->Kind() == forms::ControlKind::Label ? static_cast<forms::Label*>(control) : nullptr;
}

forms::Image* TestWindowControls::FindImageByTag(int tag) {
  const auto& controls = form_.Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it)
    if ((*it)->Kind() == forms::ControlKind::Image && (*it)->Tag() == tag) return static_cast<forms::Image*>(it->get());
  return nullptr;
}

forms::Label* TestWindowControls::FindLabelByTag(int tag) {
  const auto& controls = form_.Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it)
    if ((*it)->Kind() == forms::ControlKind::Label && (*it)->Tag() == tag) return static_cast<forms::Label*>(it->get());
  return nullptr;
}

void TestWindowControls::ChangeImageAttr(forms::Image& image, std::wstring_view skinKey) {
  applied_.push_back(image.Name() + L"=" + std::wstring(skinKey));
}

void TestWindowControls::SetLabelColor(forms::Label& label, std::wstring_view languageKey, bool down) {
  applied_.push_back(label.Name() + L":" + std::wstring(languageKey) + (down ? L":down" : L":up"));
}

void TestWindowControls::ToggleButtonState(int tag, int& state) {
  const auto button = kTwoStateButtons.find(tag);
  if (button == kTwoStateButtons.end()) return;
  state = state ? 0 : 1;
  if (forms::Image* image = FindImageByTag(tag)) ChangeImageAttr(*image, state ? button->second.down : button->second.up);
  if (forms::Label* label = FindLabelByTag(tag)) SetLabelColor(*label, button->second.language, state != 0);
}

std::vector<std::wstring> TestWindowControls::TakeApplied() { return std::exchange(applied_, {}); }

forms::Image& TestWindowControls::Image(std::wstring_view name) {
  forms::Image* image = ImageNamed(name);
  EXPECT_NE(image, nullptr) << std::string(name.begin(), name.end());
  return *image;
}

}  // namespace vorma::test
