#include "panel/buttons/ScanReportPump.h"

#include "foundation/DebugOutput.h"

#include <atomic>
#include <utility>

namespace vorma::buttons {
namespace {

constexpr wchar_t kReceiverClassName[] = L"VormaScanReportReceiver";
constexpr UINT kScanReportMessage = WM_APP + 0x72;

// The receiver window of this process: the callback has no context of its own to find it by.
std::atomic<HWND> g_receiver{nullptr};

// Five bytes travel in one posted message: bytes 0-3 in wParam, byte 4 in lParam (wParam is only
// 32 bits wide on 32-bit Windows).
WPARAM PackFirstFour(const BYTE* report) {
  return static_cast<WPARAM>(report[0]) | static_cast<WPARAM>(report[1]) << 8 | static_cast<WPARAM>(report[2]) << 16 |
         static_cast<WPARAM>(report[3]) << 24;
}

ScanReport Unpack(WPARAM wParam, LPARAM lParam) {
  return {static_cast<BYTE>(wParam), static_cast<BYTE>(wParam >> 8), static_cast<BYTE>(wParam >> 16),
          static_cast<BYTE>(wParam >> 24), static_cast<BYTE>(lParam)};
}

bool RegisterReceiverClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kReceiverClassName;
  if (RegisterClassExW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS) return true;
  DebugWin32Failure(L"RegisterClassExW scan report receiver", GetLastError());
  return false;
}

}  // namespace

ScanReportPump::ScanReportPump(Handler handler) : handler_(std::move(handler)) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterReceiverClass(instance, &WindowProc)) return;
  window_.reset(CreateWindowExW(0, kReceiverClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr));
  if (!window_) {
    DebugWin32Failure(L"CreateWindowExW scan report receiver", GetLastError());
    return;
  }
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  g_receiver.store(window_.get());
}

ScanReportPump::~ScanReportPump() {
  HWND mine = window_.get();
  g_receiver.compare_exchange_strong(mine, nullptr);
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

int WINAPI ScanReportPump::GpioScanCallback(WORD, WORD, BYTE* report, DWORD reportLength, DWORD) {
  if (!report || reportLength < 5) return 0;
  const HWND receiver = g_receiver.load();
  if (!receiver) return 0;
  if (!PostMessageW(receiver, kScanReportMessage, PackFirstFour(report), report[4]))
    DebugWin32Failure(L"PostMessage scan report", GetLastError());
  return 0;
}

LRESULT CALLBACK ScanReportPump::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kScanReportMessage) {
    if (auto* pump = reinterpret_cast<ScanReportPump*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
      pump->Receive(Unpack(wParam, lParam));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void ScanReportPump::Receive(const ScanReport& report) {
  queue_.push_back(report);
  if (draining_) return;  // a report being handled ran a message loop: this one waits its turn
  draining_ = true;
  while (!queue_.empty()) {
    const ScanReport next = queue_.front();
    queue_.pop_front();
    if (handler_) handler_(next);
  }
  draining_ = false;
}

}  // namespace vorma::buttons
