#include "forms/CheckBox.h"

#include "forms/Form.h"
#include "foundation/DebugOutput.h"

namespace vorma::forms {

CheckBox::CheckBox(Form& owner, const CheckBoxArgs& args)
    : Control(owner, ControlKind::CheckBox, args), initialCaption_(args.caption), initialChecked_(args.checked) {}

bool CheckBox::CreateWindowOn(HWND parent) {
  if (window_) return true;
  DWORD style = WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX;
  if (Visible()) style |= WS_VISIBLE;
  if (!Enabled()) style |= WS_DISABLED;
  window_.reset(CreateWindowExW(0, L"BUTTON", initialCaption_.c_str(), style, Left(), Top(), Width(), Height(), parent,
                                nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr));
  if (!window_) {
    DebugWin32Failure(L"CreateWindowExW BUTTON", GetLastError());
    return false;
  }
  SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SendMessageW(window_.get(), BM_SETCHECK, initialChecked_ ? BST_CHECKED : BST_UNCHECKED, 0);
  return true;
}

void CheckBox::WindowDestroyed() {
  // Keep the state for a window made again later.
  initialChecked_ = Checked();
  initialCaption_ = Caption();
  window_.release();
}

bool CheckBox::Checked() const {
  if (!window_) return initialChecked_;
  return SendMessageW(window_.get(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
  if (checked == Checked()) return;
  initialChecked_ = checked;
  if (window_) SendMessageW(window_.get(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  HandleClicked();
}

std::wstring CheckBox::Caption() const {
  if (!window_) return initialCaption_;
  const int length = GetWindowTextLengthW(window_.get());
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window_.get(), text.data(), length + 1)));
  return text;
}

void CheckBox::SetCaption(const std::wstring& caption) {
  initialCaption_ = caption;
  if (window_) SetWindowTextW(window_.get(), caption.c_str());
}

void CheckBox::HandleClicked() {
  if (OnClick) OnClick(*this);
}

void CheckBox::BoundsChanged() {
  if (window_) MoveWindow(window_.get(), Left(), Top(), Width(), Height(), TRUE);
}

void CheckBox::VisibilityChanged() {
  if (window_) ShowWindow(window_.get(), Visible() ? SW_SHOW : SW_HIDE);
}

}  // namespace vorma::forms
