#include "forms/Application.h"

#include "forms/Form.h"
#include "foundation/DebugOutput.h"

#include <commctrl.h>

namespace vorma::forms {
namespace {

constexpr UINT kHideApplicationWindow = WM_APP + 0x2A1;

}  // namespace

Application::Application(HINSTANCE instance) : instance_(instance) {}

Application::~Application() { window_.reset(); }

bool Application::Initialize() {
  if (window_) return true;
  if (!gdiplus_) {
    DebugWrite(L"***** GdiplusStartup FAIL! *****\n");
    return false;
  }
  // The track bar's window class comes from the common controls.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  if (!InitCommonControlsEx(&controls)) DebugWrite(L"***** InitCommonControlsEx FAIL! *****\n");
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance_;
  windowClass.lpszClassName = kApplicationWindowClassName;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    DebugWin32Failure(L"RegisterClassExW TApplication", GetLastError());
    return false;
  }
  // A zero-sized tool window: never seen, but found by its class and caption, and iconic while
  // the panel sits in the tray.
  window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kApplicationWindowClassName, title_.c_str(),
                                WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr, nullptr,
                                instance_, this));
  if (!window_) {
    DebugWin32Failure(L"CreateWindowExW TApplication", GetLastError());
    return false;
  }
  return true;
}

void Application::SetTitle(const std::wstring& title) {
  title_ = title;
  if (window_) SetWindowTextW(window_.get(), title_.c_str());
}

void Application::SetIcon(UniqueIcon icon) {
  icon_ = std::move(icon);
  if (window_) SendMessageW(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
}

void Application::FormCreated(Form& form) {
  if (!mainForm_) mainForm_ = &form;
}

void Application::FormDestroyed(Form& form) {
  if (mainForm_ != &form) return;
  mainForm_ = nullptr;
  // The application lives as long as its main window.
  Terminate();
}

void Application::Dispatch(MSG& message) {
  // The hook sees the message first and cannot keep it from its window.
  if (hook_) hook_(message);
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool Application::HandleMessage() {
  MSG message;
  const BOOL result = GetMessageW(&message, nullptr, 0, 0);
  if (result == -1) {
    DebugWin32Failure(L"GetMessageW", GetLastError());
    return false;
  }
  if (result == 0) {
    terminated_ = true;
    exitCode_ = static_cast<int>(message.wParam);
    return false;
  }
  Dispatch(message);
  return true;
}

bool Application::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
      exitCode_ = static_cast<int>(message.wParam);
      // The loop that called us may be waiting in GetMessage (a message sent from another thread,
      // a device notification for one, is handled inside that wait) and must see the quit too.
      PostQuitMessage(exitCode_);
      return false;
    }
    Dispatch(message);
  }
  return !terminated_;
}

int Application::Run() {
  if (mainForm_ && showMainForm_) mainForm_->Show();
  while (!terminated_ && HandleMessage()) {
  }
  return exitCode_;
}

void Application::Terminate() {
  if (terminated_) return;
  PostQuitMessage(0);
}

void Application::Minimize() {
  if (mainForm_) mainForm_->Hide();
  if (!window_) {
    if (OnMinimize) OnMinimize();
    return;
  }
  // The hidden application window turns iconic, which tells a second instance to restore us.
  minimized_ = true;
  ShowWindow(window_.get(), SW_MINIMIZE);
  ShowWindow(window_.get(), SW_HIDE);
  if (OnMinimize) OnMinimize();
}

void Application::Restore() {
  minimized_ = false;
  if (window_ && IsIconic(window_.get())) ShowWindow(window_.get(), SW_RESTORE);
  // A restore from another process shows the window after our WM_SIZE handling; hide it once
  // that call has finished.
  if (window_) PostMessageW(window_.get(), kHideApplicationWindow, 0, 0);
  if (mainForm_) {
    mainForm_->Show();
    mainForm_->BringToFront();
  }
  if (OnRestore) OnRestore();
}

int Application::MessageBox(const std::wstring& text, const std::wstring& caption, UINT type) {
  const HWND owner = mainForm_ ? mainForm_->Hwnd() : window_.get();
  return dialogs_->Show(owner, text, caption.empty() ? title_ : caption, type);
}

void Application::ShowError(const std::wstring& text) { MessageBox(text, title_, MB_OK | MB_ICONSTOP); }

LRESULT CALLBACK Application::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* application = reinterpret_cast<Application*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!application) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_SIZE:
      // Another instance restored the iconic application window: bring the main form back.
      if (wParam == SIZE_RESTORED && application->minimized_) application->Restore();
      return 0;
    case WM_ACTIVATE:
      // Activation of the invisible window is passed on to the main form.
      if (LOWORD(wParam) != WA_INACTIVE && application->mainForm_ && application->mainForm_->Visible()) {
        application->mainForm_->BringToFront();
      }
      return 0;
    case kHideApplicationWindow:
      ShowWindow(window, SW_HIDE);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      application->window_.release();
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace vorma::forms
