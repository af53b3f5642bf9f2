#pragma once
// The base of controls that are real child windows of the form (BUTTON, LISTBOX, trackbar). The
// window is made when the form has its own; until then, and after the form's window went, the
// control keeps its state in members so nothing set early is lost.

#include "forms/Control.h"
#include "foundation/UniqueHandles.h"

namespace vorma::forms {

class WindowedControl : public Control {
public:
  HWND Hwnd() const { return window_.get(); }
  bool IsWindowed() const override { return true; }
  void Paint(HDC) const override {}

  // Creates the window once the form has its window.
  bool CreateWindowOn(HWND parent);
  // The form's window went away and took this one with it.
  void WindowDestroyed();
  // Whether a notification from this window belongs to the control.
  virtual bool OwnsWindow(HWND window) const { return window != nullptr && window == window_.get(); }
  // WM_COMMAND notification codes and WM_HSCROLL/WM_VSCROLL requests the form forwards.
  virtual void HandleCommand(HWND from, WORD code) = 0;
  virtual void HandleScroll(WORD) {}

protected:
  WindowedControl(Form& owner, ControlKind kind, const ControlArgs& args) : Control(owner, kind, args) {}
  // Makes the window with the given class and the common styles; the kinds add their own.
  HWND MakeWindow(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                  const RECT& bounds, DWORD exStyle = 0) const;
  virtual bool CreateControlWindow(HWND parent) = 0;
  // Copies the window's state into members before the window goes.
  virtual void SaveState() {}
  void BoundsChanged() override;
  void VisibilityChanged() override;
  void EnabledChanged() override;

  UniqueWindow window_;
};

}  // namespace vorma::forms
