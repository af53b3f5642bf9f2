#pragma once
// The process's user-interface object: the hidden application window (class "TApplication",
// captioned with the title, which a second instance looks for), the main form, the message loop
// with its application-wide hook, and the dialog seam. Create one on the user-interface thread.

#include "forms/DialogPort.h"
#include "forms/GdiHandles.h"
#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <functional>
#include <string>

namespace vorma::forms {

class Form;

inline constexpr wchar_t kApplicationWindowClassName[] = L"TApplication";

class Application {
public:
  explicit Application(HINSTANCE instance);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Starts GDI+, registers the window classes and creates the hidden application window.
  bool Initialize();
  HINSTANCE Instance() const { return instance_; }
  HWND Handle() const { return window_.get(); }

  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& title);
  void SetIcon(UniqueIcon icon);
  HICON Icon() const { return icon_.get(); }

  // The first form created with Create() becomes the main form unless one is set; closing the
  // main form ends the message loop.
  Form* MainForm() const { return mainForm_; }
  void SetMainForm(Form& form) { mainForm_ = &form; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool show) { showMainForm_ = show; }

  // Every queued message passes the hook before it is dispatched; the hook cannot stop it.
  using MessageHook = std::function<void(const MSG& message)>;
  void SetMessageHook(MessageHook hook) { hook_ = std::move(hook); }

  // Shows the main form (when ShowMainForm) and runs messages until Terminate or WM_QUIT.
  // Returns the WM_QUIT exit code.
  int Run();
  // Handles the messages already queued and returns; reports false once WM_QUIT arrived.
  bool ProcessMessages();
  // Handles one message (waiting for it); false on WM_QUIT. Modal loops use it.
  bool HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Hides the main form (the tray icon brings it back) and restores it again.
  void Minimize();
  void Restore();
  // Run after the main form was hidden and after it came back (the tray icon's moments).
  std::function<void()> OnMinimize;
  std::function<void()> OnRestore;

  DialogPort& Dialogs() const { return *dialogs_; }
  // Tests put a scripted port here; the port must outlive its use.
  void SetDialogs(DialogPort& dialogs) { dialogs_ = &dialogs; }
  // A message box owned by the main form, captioned with the title when the caption is empty.
  int MessageBox(const std::wstring& text, const std::wstring& caption, UINT type);
  // The framework's error box for a failure that ends start-up (a strict conversion error).
  void ShowError(const std::wstring& text);

  // Internal: forms report their creation and destruction.
  void FormCreated(Form& form);
  void FormDestroyed(Form& form);

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Dispatch(MSG& message);

  HINSTANCE instance_;
  GdiplusSession gdiplus_;
  UniqueWindow window_;
  UniqueIcon icon_;
  std::wstring title_;
  Form* mainForm_ = nullptr;
  bool showMainForm_ = true;
  bool terminated_ = false;
  bool minimized_ = false;
  int exitCode_ = 0;
  MessageHook hook_;
  Win32Dialogs win32Dialogs_;
  DialogPort* dialogs_ = &win32Dialogs_;
};

}  // namespace vorma::forms
