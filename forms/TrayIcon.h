#pragma once
// The notification-area icon. It has its own hidden top-level window (a message-only window would
// not receive the "TaskbarCreated" broadcast after Explorer restarts, when the icon is added again).
// The right button's release shows the popup menu; a double click runs OnDblClick.

#include "forms/PopupMenu.h"
#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <functional>
#include <string>

namespace vorma::forms {

class Application;

class TrayIcon {
public:
  explicit TrayIcon(Application& application);
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // The icon is shown, not owned; keep it alive while shown.
  void SetIcon(HICON icon);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);
  // Adds the icon to the notification area or removes it.
  bool SetVisible(bool visible);
  bool Visible() const { return visible_; }
  HWND Hwnd() const { return window_.get(); }

  PopupMenu* Menu() const { return menu_; }
  void SetMenu(PopupMenu* menu) { menu_ = menu; }
  std::function<void(TrayIcon& sender)> OnDblClick;

  // Message number of the icon's callback to its window.
  static constexpr UINT kCallbackMessage = WM_APP + 0x2A0;

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool Notify(DWORD action);

  Application& application_;
  UniqueWindow window_;
  UINT taskbarCreated_ = 0;
  HICON icon_ = nullptr;
  std::wstring hint_;
  bool visible_ = false;
  PopupMenu* menu_ = nullptr;
};

}  // namespace vorma::forms
