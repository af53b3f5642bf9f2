#pragma once
// Message boxes go through this seam so that tests can answer and record them instead of a user.
// Code that shows a message box takes a MessageBoxPort&; the programs pass Win32MessageBoxes(),
// tests pass a recorder. The form framework's application object will hand out its own port, which
// owns the boxes by its main window.

#include <windows.h>

#include <string>

namespace vorma {

class MessageBoxPort {
public:
  virtual ~MessageBoxPort() = default;
  // Shows the box like MessageBoxW and returns the button that closed it (IDOK, IDYES, ...).
  virtual int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) = 0;
};

// The real MessageBoxW. It holds no state, so one shared instance serves every caller.
class Win32MessageBoxPort final : public MessageBoxPort {
public:
  int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) override {
    return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
  }
};

inline MessageBoxPort& Win32MessageBoxes() {
  static Win32MessageBoxPort port;
  return port;
}

}  // namespace vorma
