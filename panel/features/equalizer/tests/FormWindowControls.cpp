#include "panel/features/equalizer/tests/FormWindowControls.h"

#include "panel/shell/FormBuilder.h"
#include "panel/shell/MainFormResource.h"

#include <utility>

namespace vorma::test {
namespace {

class NoEvents final : public shell::FormEventSource {
public:
  forms::MouseHandler MouseHandlerNamed(std::wstring_view) override { return {}; }
  forms::NotifyHandler NotifyHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view) override { return {}; }
};

}  // namespace

FormWindowControls::FormWindowControls(forms::Application& application)
    : form_(application, shell::FormArgsFor(shell::MainFormResource())) {
  NoEvents events;
  shell::AddResourceToForm(shell::MainFormResource(), form_, events);
}

std::vector<std::wstring> FormWindowControls::TakeRequests() { return std::exchange(requests_, {}); }

forms::Image* FormWindowControls::ImageNamed(std::wstring_view name) {
  forms::Control* control = form_.FindControlByName(name);
  return control && control->Kind() == forms::ControlKind::Image ? static_cast<forms::Image*>(control) : nullptr;
}

forms::Label* FormWindowControls::LabelNamed(std::wstring_view name) {
  forms::Control* control = form_.FindControlByName(name);
  return control && control->Kind() == forms::ControlKind::Label ? static_cast<forms::Label*>(control) : nullptr;
}

// The window searches from the last declared control to the first.
template <typename T>
T* FormWindowControls::FindByTag(forms::ControlKind kind, int tag) {
  const auto& controls = form_.Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it)
    if ((*it)->Kind() == kind && (*it)->Tag() == tag) return static_cast<T*>(it->get());
  return nullptr;
}

forms::Image* FormWindowControls::FindImageByTag(int tag) {
  return FindByTag<forms::Image>(forms::ControlKind::Image, tag);
}

forms::Label* FormWindowControls::FindLabelByTag(int tag) {
  return FindByTag<forms::Label>(forms::ControlKind::Label, tag);
}

void FormWindowControls::ChangeImageAttr(forms::Image& image, std::wstring_view skinKey) {
  requests_.push_back(image.Name() + L" " + std::wstring(skinKey));
}

void FormWindowControls::SetLabelColor(forms::Label& label, std::wstring_view languageKey, bool down) {
  requests_.push_back(label.Name() + L" " + std::wstring(languageKey) + (down ? L" down" : L" up"));
}

std::wstring FormWindowControls::LanguageText(std::wstring_view languageKey) { return std::wstring(languageKey); }

void FormWindowControls::ToggleButtonState(int tag, int& state) {
  state = state ? 0 : 1;
  requests_.push_back(L"toggle " + std::to_wstring(tag) + L" -> " + std::to_wstring(state));
}

}  // namespace vorma::test
