#pragma once
// A real BUTTON window with BS_AUTOCHECKBOX, a child of the form. OnClick runs after the user
// (or SetChecked) changed its state.

#include "forms/Control.h"
#include "foundation/UniqueHandles.h"

#include <string>

namespace vorma::forms {

struct CheckBoxArgs : ControlArgs {
  std::wstring caption;
  bool checked = false;
};

class CheckBox final : public Control {
public:
  CheckBox(Form& owner, const CheckBoxArgs& args);

  HWND Hwnd() const { return window_.get(); }
  bool Checked() const;
  // Changes the state; OnClick runs when it changed, as it does for a click.
  void SetChecked(bool checked);
  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption);

  bool IsWindowed() const override { return true; }
  void Paint(HDC) const override {}

  // The form forwards the button's BN_CLICKED notification here.
  void HandleClicked();
  // Creates the BUTTON window once the form has its window.
  bool CreateWindowOn(HWND parent);
  // The form's window went away and took the button with it.
  void WindowDestroyed();

private:
  void BoundsChanged() override;
  void VisibilityChanged() override;

  UniqueWindow window_;
  std::wstring initialCaption_;
  bool initialChecked_;
};

}  // namespace vorma::forms
