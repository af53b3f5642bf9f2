#include "outside/companions/CompanionWindow.h"

#include "foundation/DebugOutput.h"
#include "outside/companions/CompanionMessages.h"

namespace vorma::companion {
namespace {

struct CompanionState {
  UINT effectExitMessage = 0;
  std::wstring text;
};

LRESULT CALLBACK CompanionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  const auto* state = reinterpret_cast<const CompanionState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (state && message == state->effectExitMessage) {
    DebugWrite(L"===== Companion: WM_AUDIO_EFFECT_EXIT received =====\n");
    DestroyWindow(window);
    return 0;
  }
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      InflateRect(&client, -16, -16);
      SetBkMode(dc, TRANSPARENT);
      if (state) DrawTextW(dc, state->text.c_str(), -1, &client, DT_LEFT | DT_WORDBREAK);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void BroadcastResume() {
  const UINT resume = RegisterWindowMessageW(kExitResumeMessage);
  DebugWrite(L"===== Companion: broadcasting WM_APP_EXIT_RESUME =====\n");
  // Posted, not sent: a panel busy for a moment (painting its window as it comes out of the tray)
  // still gets it, where a send with a time limit would skip it and leave the panel in the tray.
  PostMessageW(HWND_BROADCAST, resume, 0, 0);
}

}  // namespace

int RunCompanion(HINSTANCE instance, const CompanionIdentity& identity) {
  CompanionState state;
  state.effectExitMessage = RegisterWindowMessageW(kEffectExitMessage);
  state.text = std::wstring(identity.title) +
               L"\n\nThis build's stand-in for the companion program. Close this window to go back to the "
               L"control panel.";

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = CompanionProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kCompanionWindowClass;
  if (!RegisterClassExW(&windowClass)) {
    DebugWin32Failure(L"RegisterClassExW", GetLastError());
    return 1;
  }
  const HWND window = CreateWindowExW(0, kCompanionWindowClass, identity.name,
                                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                                      CW_USEDEFAULT, 420, 200, nullptr, nullptr, instance, &state);
  if (!window) {
    DebugWin32Failure(L"CreateWindowExW", GetLastError());
    return 1;
  }
  // The panel starts companions with a hidden show state, which the first ShowWindow takes; the
  // second shows the window the companion is for.
  ShowWindow(window, SW_SHOWDEFAULT);
  ShowWindow(window, SW_SHOWNORMAL);
  DebugPrint(L"===== Companion %s running =====\n", identity.name);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // Ended by the exit message or by the user: either way the panel may show itself again.
  BroadcastResume();
  return 0;
}

}  // namespace vorma::companion
