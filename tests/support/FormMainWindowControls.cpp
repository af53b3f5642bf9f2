#include "tests/support/FormMainWindowControls.h"

#include "panel/shell/MainFormResource.h"
#include "tests/support/NoFormEvents.h"

#include <utility>

namespace vorma::test {
namespace {

template <typename T>
T* ControlOfKind(forms::Control* control, forms::ControlKind kind) {
  return control && control->Kind() == kind ? static_cast<T*>(control) : nullptr;
}

template <typename T>
T* LastWithTag(const forms::Form& form, forms::ControlKind kind, int tag) {
  const auto& controls = form.Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it)
    if ((*it)->Kind() == kind && (*it)->Tag() == tag) return static_cast<T*>(it->get());
  return nullptr;
}

}  // namespace

FormMainWindowControls::FormMainWindowControls(forms::Application& application)
    : form_(application, shell::FormArgsFor(shell::MainFormResource())) {
  NoFormEvents events;
  shell::AddResourceToForm(shell::MainFormResource(), form_, events);
}

std::vector<std::wstring> FormMainWindowControls::TakeRequests() { return std::exchange(requests_, {}); }

forms::Image* FormMainWindowControls::ImageNamed(std::wstring_view name) {
  return ControlOfKind<forms::Image>(form_.FindControlByName(name), forms::ControlKind::Image);
}

forms::Label* FormMainWindowControls::LabelNamed(std::wstring_view name) {
  return ControlOfKind<forms::Label>(form_.FindControlByName(name), forms::ControlKind::Label);
}

forms::Image* FormMainWindowControls::FindImageByTag(int tag) {
  return LastWithTag<forms::Image>(form_, forms::ControlKind::Image, tag);
}

forms::Label* FormMainWindowControls::FindLabelByTag(int tag) {
  return LastWithTag<forms::Label>(form_, forms::ControlKind::Label, tag);
}

void FormMainWindowControls::ChangeImageAttr(forms::Image& image, std::wstring_view skinKey) {
  Record(image.Name() + L"=" + std::wstring(skinKey));
}

void FormMainWindowControls::SetLabelColor(forms::Label& label, std::wstring_view languageKey, bool down) {
  Record(label.Name() + L":" + std::wstring(languageKey) + (down ? L":down" : L":up"));
}

void FormMainWindowControls::ToggleButtonState(int tag, int& state) {
  state = state ? 0 : 1;
  Record(L"toggle " + std::to_wstring(tag) + L" -> " + std::to_wstring(state));
}

}  // namespace vorma::test
