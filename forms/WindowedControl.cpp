#include "forms/WindowedControl.h"

#include "foundation/DebugOutput.h"

namespace vorma::forms {

bool WindowedControl::CreateWindowOn(HWND parent) {
  if (window_) return true;
  if (!CreateControlWindow(parent)) return false;
  if (!Enabled()) EnableWindow(window_.get(), FALSE);
  return true;
}

HWND WindowedControl::MakeWindow(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                                 const RECT& bounds, DWORD exStyle) const {
  // WS_CLIPSIBLINGS: a group box declared first must not paint over the controls inside it.
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (Showing()) style |= WS_VISIBLE;
  const HWND window = CreateWindowExW(exStyle, windowClass, text.c_str(), style, bounds.left, bounds.top,
                                      bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                                      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  if (!window) {
    DebugPrint(L"***** CreateWindowExW %s FAIL! error %lu *****\n", windowClass, GetLastError());
    return nullptr;
  }
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return window;
}

void WindowedControl::WindowDestroyed() {
  if (!window_) return;
  SaveState();
  window_.release();
}

void WindowedControl::BoundsChanged() {
  if (window_) MoveWindow(window_.get(), Left(), Top(), Width(), Height(), TRUE);
}

void WindowedControl::VisibilityChanged() {
  if (window_) ShowWindow(window_.get(), Showing() ? SW_SHOW : SW_HIDE);
}

void WindowedControl::EnabledChanged() {
  if (window_) EnableWindow(window_.get(), Enabled() ? TRUE : FALSE);
}

}  // namespace vorma::forms
