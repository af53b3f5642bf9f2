#include "tests/support/TestWindows.h"

#include <algorithm>

namespace vorma::test {
namespace {

constexpr wchar_t kApplicationClass[] = L"TApplication";

void RegisterApplicationClass() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kApplicationClass;
  RegisterClassW(&windowClass);  // fails harmlessly when a previous window registered it
}

}  // namespace

UniqueWindow CreateApplicationWindow(const std::wstring& caption) {
  RegisterApplicationClass();
  UniqueWindow window(CreateWindowExW(0, kApplicationClass, caption.c_str(), WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (window) ShowWindow(window.get(), SW_SHOWNORMAL);
  return window;
}

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    // Sent messages from other threads are delivered while waiting here too.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 20)),
                              QS_ALLINPUT);
  }
}

}  // namespace vorma::test
