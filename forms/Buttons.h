#pragma once
// The other BUTTON-class controls: push button, radio button and group box.

#include "forms/WindowedControl.h"

#include <string>

namespace vorma::forms {

struct ButtonArgs : ControlArgs {
  std::wstring caption;
  bool isDefault = false;  // drawn as the default button; Enter in the form presses it
};

class Button final : public WindowedControl {
public:
  Button(Form& owner, const ButtonArgs& args);
  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption);
  void HandleCommand(HWND from, WORD code) override;

private:
  bool CreateControlWindow(HWND parent) override;
  void SaveState() override;
  std::wstring caption_;
  bool isDefault_;
};

struct RadioButtonArgs : ControlArgs {
  std::wstring caption;
  bool checked = false;
  // Radio buttons with the same group number exclude each other (the container they share).
  int group = 0;
};

// A press on the button runs OnMouseDown (after the button took the press, before the click that
// the release makes), as it does for the form's own controls.
class RadioButton final : public WindowedControl {
public:
  RadioButton(Form& owner, const RadioButtonArgs& args);
  int Group() const { return group_; }
  bool Checked() const;
  // Checking unchecks the other radio buttons of the group; OnClick runs when the state changed.
  void SetChecked(bool checked);
  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption);
  void HandleCommand(HWND from, WORD code) override;

private:
  static LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
  bool CreateControlWindow(HWND parent) override;
  void SaveState() override;
  void ApplyCheck(bool checked);
  std::wstring caption_;
  bool checked_;
  int group_;
};

struct GroupBoxArgs : ControlArgs {
  std::wstring caption;
};

class GroupBox final : public WindowedControl {
public:
  GroupBox(Form& owner, const GroupBoxArgs& args);
  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption);
  void HandleCommand(HWND, WORD) override {}

private:
  bool CreateControlWindow(HWND parent) override;
  void SaveState() override;
  std::wstring caption_;
};

}  // namespace vorma::forms
