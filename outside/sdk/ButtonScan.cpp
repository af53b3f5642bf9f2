#include "outside/sdk/ButtonScan.h"

#include "foundation/UniqueHandles.h"

#include <memory>
#include <mutex>
#include <utility>

namespace vorma::sdk {
namespace {

using virtual72xx::kErrorNotConnected;
using virtual72xx::kErrorNotFound;
using virtual72xx::kErrorTimeout;
using virtual72xx::kOk;
using virtual72xx::ScanReport;
using virtual72xx::Virtual72xxClient;

// A wait for a report is cut into slices so that a stop request is seen within one slice.
constexpr unsigned long kWaitSliceMs = 100;
// Pause before asking again when the server could not be reached (it may be restarting).
constexpr DWORD kRetryPauseMs = 250;

struct ScanJob {
  Virtual72xxClient client;
  ScanRequest request;
  UniqueHandle stopEvent;  // the thread's own handle of the scanner's stop event
  HMODULE module;          // the thread's own reference on this library
};

// The scan thread as its starter holds it.
struct RunningScan {
  UniqueHandle thread;
  DWORD threadId = 0;
  UniqueHandle stopEvent;
};

struct Scanner {
  std::mutex mutex;
  RunningScan running;
};
// Nothing here waits at destruction: by then the thread has either ended or been ended by the system.
Scanner g_scanner;

// Asks the scan to end and waits until its thread has ended.
void EndScan(RunningScan scan) {
  if (!scan.thread) return;
  SetEvent(scan.stopEvent.get());
  // The callback stopping its own scan cannot wait for itself: its thread ends once it returns.
  if (scan.threadId != GetCurrentThreadId()) WaitForSingleObject(scan.thread.get(), INFINITE);
}

bool StopRequested(const UniqueHandle& stopEvent, DWORD waitMs = 0) {
  return WaitForSingleObject(stopEvent.get(), waitMs) == WAIT_OBJECT_0;
}

UniqueHandle DuplicateOwnHandle(HANDLE handle) {
  HANDLE copy = nullptr;
  const HANDLE process = GetCurrentProcess();
  if (!DuplicateHandle(process, handle, process, &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)) return {};
  return UniqueHandle(copy);
}

void RunScan(ScanJob& job) {
  std::uint64_t after = job.request.afterSequence;
  while (!StopRequested(job.stopEvent)) {
    ScanReport report;
    const unsigned long result = job.client.WaitScanReport(job.request.device, after, kWaitSliceMs, report);
    if (result == kOk) {
      after = report.sequence;
      // A report that arrives together with the stop request is not delivered any more.
      if (StopRequested(job.stopEvent)) break;
      BYTE bytes[5];
      for (size_t i = 0; i < 5; ++i) bytes[i] = report.bytes[i];
      job.request.callback(job.request.vendorId, job.request.productId, bytes, sizeof bytes,
                           job.request.deviceIndex);
    } else if (result == kErrorNotConnected || result == kErrorNotFound) {
      break;  // the device is gone; the panel starts a new scan when it arrives again
    } else if (result != kErrorTimeout) {
      if (StopRequested(job.stopEvent, kRetryPauseMs)) break;
    }
  }
}

DWORD WINAPI ScanThread(void* parameter) {
  std::unique_ptr<ScanJob> job(static_cast<ScanJob*>(parameter));
  RunScan(*job);
  HMODULE module = job->module;
  job.reset();
  FreeLibraryAndExitThread(module, 0);
}

// This library's module, with one more reference for the caller to release.
HMODULE ReferenceOwnModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&ScanThread), &module);
  return module;
}

}  // namespace

bool StartButtonScan(const Virtual72xxClient& client, const ScanRequest& request) {
  StopButtonScan();
  RunningScan scan;
  scan.stopEvent.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!scan.stopEvent) return false;
  UniqueHandle threadStopEvent = DuplicateOwnHandle(scan.stopEvent.get());
  if (!threadStopEvent) return false;
  HMODULE module = ReferenceOwnModule();
  if (!module) return false;
  auto job = std::make_unique<ScanJob>(ScanJob{client, request, std::move(threadStopEvent), module});
  scan.thread.reset(CreateThread(nullptr, 0, ScanThread, job.get(), 0, &scan.threadId));
  if (!scan.thread) {
    FreeLibrary(module);
    return false;
  }
  job.release();  // the thread owns it now
  RunningScan replaced;
  {
    std::lock_guard lock(g_scanner.mutex);
    replaced = std::exchange(g_scanner.running, std::move(scan));
  }
  // Another thread of the caller's may have started a scan meanwhile; only one may run.
  EndScan(std::move(replaced));
  return true;
}

void StopButtonScan() {
  RunningScan scan;
  {
    std::lock_guard lock(g_scanner.mutex);
    scan = std::exchange(g_scanner.running, RunningScan{});
  }
  EndScan(std::move(scan));
}

}  // namespace vorma::sdk
