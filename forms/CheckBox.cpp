#include "forms/CheckBox.h"

#include "forms/WindowText.h"

namespace vorma::forms {

CheckBox::CheckBox(Form& owner, const CheckBoxArgs& args)
    : WindowedControl(owner, ControlKind::CheckBox, args), caption_(args.caption), checked_(args.checked) {}

bool CheckBox::CreateControlWindow(HWND parent) {
  window_.reset(MakeWindow(parent, L"BUTTON", caption_, WS_TABSTOP | BS_AUTOCHECKBOX, BoundsRect()));
  if (!window_) return false;
  SendMessageW(window_.get(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
  return true;
}

void CheckBox::SaveState() {
  checked_ = Checked();
  caption_ = Caption();
}

bool CheckBox::Checked() const {
  if (!window_) return checked_;
  return SendMessageW(window_.get(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
  if (checked == Checked()) return;
  checked_ = checked;
  if (window_) SendMessageW(window_.get(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  HandleClicked();
}

std::wstring CheckBox::Caption() const { return window_ ? WindowText(window_.get()) : caption_; }

void CheckBox::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  if (window_) SetWindowTextW(window_.get(), caption.c_str());
}

void CheckBox::HandleCommand(HWND, WORD code) {
  if (code == BN_CLICKED) HandleClicked();
}

void CheckBox::HandleClicked() {
  if (OnClick) OnClick(*this);
}

}  // namespace vorma::forms
