#pragma once
// A real BUTTON window with BS_AUTOCHECKBOX, a child of the form. OnClick runs after the user
// (or SetChecked) changed its state.

#include "forms/WindowedControl.h"

#include <string>

namespace vorma::forms {

struct CheckBoxArgs : ControlArgs {
  std::wstring caption;
  bool checked = false;
};

class CheckBox final : public WindowedControl {
public:
  CheckBox(Form& owner, const CheckBoxArgs& args);

  bool Checked() const;
  // Changes the state; OnClick runs when it changed, as it does for a click.
  void SetChecked(bool checked);
  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption);

  void HandleCommand(HWND from, WORD code) override;
  // What a click on the button runs.
  void HandleClicked();

private:
  bool CreateControlWindow(HWND parent) override;
  void SaveState() override;

  std::wstring caption_;
  bool checked_;
};

}  // namespace vorma::forms
