// The handler names the main window's form resource binds, resolved to the window's operations.

#include "panel/shell/AudioMainForm.h"

#include "panel/shell/MainFormFeatures.h"

namespace vorma::shell {

forms::MouseHandler TAudioMainForm::MouseHandlerNamed(std::wstring_view name) {
  using Args = forms::MouseEventArgs;
  if (name == L"OnImageMouseDown") return [this](forms::Control& c, const Args& a) { OnImageMouseDown(c, a); };
  if (name == L"OnImageMouseUp") return [this](forms::Control& c, const Args& a) { OnImageMouseUp(c, a); };
  if (name == L"OnLabelMouseDown") return [this](forms::Control& c, const Args& a) { OnLabelMouseDown(c, a); };
  if (name == L"OnLabelMouseUp") return [this](forms::Control& c, const Args& a) { OnLabelMouseUp(c, a); };
  if (name == L"OnLabelPageMouseDown") return [this](forms::Control& c, const Args& a) { OnLabelPageMouseDown(c, a); };
  if (name == L"FormMouseDown") return [this](forms::Control&, const Args& a) { FormMouseDown(a); };
  return {};
}

forms::NotifyHandler TAudioMainForm::NotifyHandlerNamed(std::wstring_view name) {
  if (name == L"CloseImageClick") return [this](forms::Control&) { CloseImageClick(); };
  if (name == L"MinimizeImageClick") return [this](forms::Control&) { MinimizeImageClick(); };
  if (name == L"EQResetImageClick" || name == L"EQResetLabelClick")
    return [this](forms::Control&) {
      if (features_) features_->Eq().ResetEq();
    };
  if (name == L"D3ResetImageClick" || name == L"D3ResetLabelClick")
    return [this](forms::Control&) {
      if (features_) features_->ThreeD().D3ResetImageClick();
    };
  if (name == L"VirtualResetImageClick" || name == L"VirtualResetLabelClick")
    return [this](forms::Control&) {
      // RESET follows the switch lock and stands still while the test tone plays.
      if (features_) features_->Virtual7ch1().ResetClick();
    };
  return {};
}

std::function<void(forms::Timer&)> TAudioMainForm::TimerHandlerNamed(std::wstring_view name) {
  if (name == L"TimerTimer") return [this](forms::Timer&) { TimerTimer(); };
  if (name == L"Timer1Timer") return [this](forms::Timer&) {
    if (activation_) activation_->Timer1Timer();
  };
  return {};
}

std::function<void(forms::MenuItem&)> TAudioMainForm::MenuHandlerNamed(std::wstring_view name) {
  if (name == L"CloseMenuClick") return [this](forms::MenuItem&) { CloseMenuClick(); };
  return {};
}

}  // namespace vorma::shell
