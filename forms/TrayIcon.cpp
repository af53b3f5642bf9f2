#include "forms/TrayIcon.h"

#include "forms/Application.h"
#include "foundation/DebugOutput.h"

#include <shellapi.h>

namespace vorma::forms {
namespace {

constexpr wchar_t kTrayWindowClass[] = L"VormaTrayIconWindow";
constexpr UINT kIconId = 1;

}  // namespace

TrayIcon::TrayIcon(Application& application) : application_(application) {
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = application_.Instance();
  windowClass.lpszClassName = kTrayWindowClass;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    DebugWin32Failure(L"RegisterClassExW tray", GetLastError());
    return;
  }
  window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kTrayWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                application_.Instance(), this));
  if (!window_) DebugWin32Failure(L"CreateWindowExW tray", GetLastError());
}

TrayIcon::~TrayIcon() {
  SetVisible(false);
  window_.reset();
}

bool TrayIcon::Notify(DWORD action) {
  if (!window_) return false;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window_.get();
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_;
  lstrcpynW(data.szTip, hint_.c_str(), static_cast<int>(std::size(data.szTip)));
  if (!Shell_NotifyIconW(action, &data)) {
    DebugPrint(L"***** Shell_NotifyIconW %lu FAIL! *****\n", action);
    return false;
  }
  return true;
}

void TrayIcon::SetIcon(HICON icon) {
  icon_ = icon;
  if (visible_) Notify(NIM_MODIFY);
}

void TrayIcon::SetHint(const std::wstring& hint) {
  hint_ = hint;
  if (visible_) Notify(NIM_MODIFY);
}

bool TrayIcon::SetVisible(bool visible) {
  if (visible == visible_) return true;
  visible_ = visible;
  return Notify(visible ? NIM_ADD : NIM_DELETE);
}

LRESULT TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kCallbackMessage) {
    switch (static_cast<UINT>(lParam)) {
      case WM_RBUTTONUP:
        if (menu_) {
          POINT cursor{};
          GetCursorPos(&cursor);
          menu_->Popup(window_.get(), cursor);
        }
        break;
      case WM_LBUTTONDBLCLK:
        if (OnDblClick) OnDblClick(*this);
        break;
      default:
        break;
    }
    return 0;
  }
  // Explorer started again and forgot every icon: add ours once more.
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    if (visible_) Notify(NIM_ADD);
    return 0;
  }
  return DefWindowProcW(window_.get(), message, wParam, lParam);
}

LRESULT CALLBACK TrayIcon::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* tray = reinterpret_cast<TrayIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!tray || !tray->window_) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    tray->window_.release();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return tray->HandleMessage(message, wParam, lParam);
}

}  // namespace vorma::forms
