#pragma once
// The button scan of DLLQZ_ScanButton_ById: a thread of the library that waits for the device's
// scan reports and hands each one to the caller's callback, in this process and in order.
//
// The thread holds a reference on the library's module and leaves through FreeLibraryAndExitThread,
// so the library is never unloaded under a running scan; stopping it (enable 0, or a new start)
// happens in an exported call, never in DllMain, where waiting for a thread would deadlock on the
// loader lock. At process exit the system ends the thread before the library's statics go.

#include "panel/device/SdkFunctions.h"
#include "outside/virtual72xx/Virtual72xxClient.h"

#include <cstdint>

namespace vorma::sdk {

struct ScanRequest {
  virtual72xx::DeviceNumber device = 0;
  WORD vendorId = 0;
  WORD productId = 0;
  SdkScanCallback callback = nullptr;
  BYTE deviceIndex = 0;
  std::uint64_t afterSequence = 0;  // reports after this one are delivered
};

// Starts the process's scan thread for the request, stopping a running one first. False when the
// thread could not be started.
bool StartButtonScan(const virtual72xx::Virtual72xxClient& client, const ScanRequest& request);

// Stops the scan thread and waits until it has ended, so that no callback runs after the return.
// Called from the callback itself, it only asks the thread to end after the callback returns.
void StopButtonScan();

}  // namespace vorma::sdk
