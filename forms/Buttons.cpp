#include "forms/Buttons.h"

#include "forms/Form.h"
#include "forms/WindowText.h"

#include <commctrl.h>
#include <windowsx.h>

namespace vorma::forms {

Button::Button(Form& owner, const ButtonArgs& args)
    : WindowedControl(owner, ControlKind::Button, args), caption_(args.caption), isDefault_(args.isDefault) {}

bool Button::CreateControlWindow(HWND parent) {
  const DWORD style = WS_TABSTOP | (isDefault_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  window_.reset(MakeWindow(parent, L"BUTTON", caption_, style, BoundsRect()));
  return static_cast<bool>(window_);
}

void Button::SaveState() { caption_ = Caption(); }
std::wstring Button::Caption() const { return window_ ? WindowText(window_.get()) : caption_; }

void Button::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  if (window_) SetWindowTextW(window_.get(), caption.c_str());
}

void Button::HandleCommand(HWND, WORD code) {
  if (code == BN_CLICKED && OnClick) OnClick(*this);
}

RadioButton::RadioButton(Form& owner, const RadioButtonArgs& args)
    : WindowedControl(owner, ControlKind::RadioButton, args),
      caption_(args.caption),
      checked_(args.checked),
      group_(args.group) {}

bool RadioButton::CreateControlWindow(HWND parent) {
  // Not BS_AUTORADIOBUTTON: Windows would group by window order, the form groups by number.
  window_.reset(MakeWindow(parent, L"BUTTON", caption_, WS_TABSTOP | BS_RADIOBUTTON, BoundsRect()));
  if (!window_) return false;
  SendMessageW(window_.get(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
  // The BUTTON class keeps its presses to itself; the subclass passes them on as mouse-down.
  SetWindowSubclass(window_.get(), &RadioButton::ButtonProc, 0, reinterpret_cast<DWORD_PTR>(this));
  return true;
}

LRESULT CALLBACK RadioButton::ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &RadioButton::ButtonProc, 0);
    return DefSubclassProc(window, message, wParam, lParam);
  }
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  MouseButton button = MouseButton::Left;
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: button = MouseButton::Left; break;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: button = MouseButton::Right; break;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: button = MouseButton::Middle; break;
    default: return result;
  }
  auto& radio = *reinterpret_cast<RadioButton*>(self);
  if (radio.OnMouseDown) {
    const MouseEventArgs args{button, static_cast<UINT>(GET_KEYSTATE_WPARAM(wParam)), GET_X_LPARAM(lParam),
                              GET_Y_LPARAM(lParam)};
    radio.OnMouseDown(radio, args);
  }
  return result;
}

void RadioButton::SaveState() {
  checked_ = Checked();
  caption_ = Caption();
}

bool RadioButton::Checked() const {
  if (!window_) return checked_;
  return SendMessageW(window_.get(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::ApplyCheck(bool checked) {
  checked_ = checked;
  if (window_) SendMessageW(window_.get(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButton::SetChecked(bool checked) {
  if (checked == Checked()) return;
  ApplyCheck(checked);
  if (checked) {
    for (const auto& control : Owner().Controls()) {
      if (control.get() == this || control->Kind() != ControlKind::RadioButton) continue;
      auto& other = static_cast<RadioButton&>(*control);
      if (other.group_ == group_) other.ApplyCheck(false);
    }
  }
  if (OnClick) OnClick(*this);
}

std::wstring RadioButton::Caption() const { return window_ ? WindowText(window_.get()) : caption_; }

void RadioButton::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  if (window_) SetWindowTextW(window_.get(), caption.c_str());
}

void RadioButton::HandleCommand(HWND, WORD code) {
  if (code == BN_CLICKED) SetChecked(true);
}

GroupBox::GroupBox(Form& owner, const GroupBoxArgs& args)
    : WindowedControl(owner, ControlKind::GroupBox, args), caption_(args.caption) {}

bool GroupBox::CreateControlWindow(HWND parent) {
  // A group box draws only its frame and caption. Transparent, the form still paints the figures
  // and pictures inside it; at the bottom of the order, the windows inside it lie over it.
  window_.reset(MakeWindow(parent, L"BUTTON", caption_, BS_GROUPBOX, BoundsRect(), WS_EX_TRANSPARENT));
  if (!window_) return false;
  SetWindowPos(window_.get(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void GroupBox::SaveState() { caption_ = Caption(); }
std::wstring GroupBox::Caption() const { return window_ ? WindowText(window_.get()) : caption_; }

void GroupBox::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  if (window_) SetWindowTextW(window_.get(), caption.c_str());
}

}  // namespace vorma::forms
