#pragma once
// Hands the SDK's button scan reports to the user-interface thread. The SDK calls the scan callback
// on a thread of its own, with no context of ours; the callback copies the report's five bytes into
// a message posted to this process's receiver window, which lives on the thread that made the pump.
// There the reports are handled one after the other in the order they arrived, also when handling
// one runs a message loop (a warning box, processing pending messages): a report that arrives
// meanwhile waits until the one before it is done.

#include "foundation/UniqueHandles.h"
#include "panel/device/SdkFunctions.h"

#include <windows.h>

#include <array>
#include <deque>
#include <functional>

namespace vorma::buttons {

using ScanReport = std::array<BYTE, 5>;

class ScanReportPump {
public:
  using Handler = std::function<void(const ScanReport&)>;

  // Becomes the process's receiver of scan reports (one at a time; a newer pump replaces it).
  explicit ScanReportPump(Handler handler);
  ~ScanReportPump();
  ScanReportPump(const ScanReportPump&) = delete;
  ScanReportPump& operator=(const ScanReportPump&) = delete;

  // The callback given to DLLQZ_ScanButton_ById; any thread.
  static int WINAPI GpioScanCallback(WORD vendorId, WORD productId, BYTE* report, DWORD reportLength,
                                     DWORD deviceIndex);

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Receive(const ScanReport& report);

  Handler handler_;
  UniqueWindow window_;
  std::deque<ScanReport> queue_;
  bool draining_ = false;
};

}  // namespace vorma::buttons
