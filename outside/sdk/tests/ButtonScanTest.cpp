// DLLQZ_ScanButton_ById: the stand-in's scan thread hands the device's scan reports to the
// callback of this process, stops cleanly, and never lets the library be unloaded under it.

#include "outside/sdk/tests/SdkHostFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace vorma {
namespace {

using virtual72xx::kOk;

struct DeliveredReport {
  WORD vendorId = 0;
  WORD productId = 0;
  std::array<BYTE, 5> bytes{};
  DWORD length = 0;
  DWORD threadId = 0;
};

// What the callback received. The callback is a plain function, so its record is process-wide;
// each test starts it afresh.
struct ScanLog {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<DeliveredReport> reports;
  bool stopFromCallback = false;
  int stopResult = -1;
};
ScanLog g_log;

int WINAPI RecordReport(WORD vendorId, WORD productId, BYTE* report, DWORD length, DWORD) {
  DeliveredReport delivered{vendorId, productId, {}, length, GetCurrentThreadId()};
  for (size_t i = 0; i < delivered.bytes.size(); ++i) delivered.bytes[i] = report[i];
  bool stop = false;
  {
    std::lock_guard lock(g_log.mutex);
    g_log.reports.push_back(delivered);
    stop = g_log.stopFromCallback;
  }
  if (stop) {
    const int result = Sdk().DLLQZ_ScanButton_ById(vendorId, productId, nullptr, 0, 0);
    std::lock_guard lock(g_log.mutex);
    g_log.stopResult = result;
  }
  g_log.changed.notify_all();
  return 0;
}

class ButtonScanTest : public test::SdkHostFixture {
protected:
  void SetUp() override {
    std::lock_guard lock(g_log.mutex);
    g_log.reports.clear();
    g_log.stopFromCallback = false;
    g_log.stopResult = -1;
    test::SdkHostFixture::SetUp();
  }

  // Waits (bounded) until `count` reports were delivered; returns them all.
  std::vector<DeliveredReport> WaitForReports(size_t count) {
    std::unique_lock lock(g_log.mutex);
    g_log.changed.wait_for(lock, std::chrono::seconds(5), [&] { return g_log.reports.size() >= count; });
    return g_log.reports;
  }

  size_t ReportCount() {
    std::lock_guard lock(g_log.mutex);
    return g_log.reports.size();
  }

  // Releases the binding's library; true when no scan thread keeps it loaded (at once, or after
  // the thread has noticed on its own that it is to end).
  bool LibraryUnloads() {
    test::RecordingMessageBoxes ignored;
    LoadSdkLibrary(L"NoSuchSdkLibrary.dll", ignored);
    return GetModuleHandleW(kSdkLibraryFileName) == nullptr;
  }
  bool LibraryUnloadsWithinSeconds() {
    if (LibraryUnloads()) return true;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (GetModuleHandleW(kSdkLibraryFileName)) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
  }
};

TEST_F(ButtonScanTest, DeliversLevelChangesToTheCallbackAndStopsCleanly) {
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, RecordReport, 1, 0), 0);
  // Starting the scan reports the present levels: every button released (high).
  std::vector<DeliveredReport> reports = WaitForReports(1);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].bytes, (std::array<BYTE, 5>{0x00, 0x60, 0xFF, 0x03, 0x30}));
  EXPECT_EQ(reports[0].vendorId, kVendorId);
  EXPECT_EQ(reports[0].productId, kProductId);
  EXPECT_EQ(reports[0].length, 5u);
  EXPECT_NE(reports[0].threadId, GetCurrentThreadId());

  ASSERT_EQ(client.SetGpioLevel(device, 2, 0), kOk);
  ASSERT_EQ(client.SetGpioLevel(device, 9, 0), kOk);
  reports = WaitForReports(3);
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[1].bytes, (std::array<BYTE, 5>{0x00, 0x60, 0xFB, 0x03, 0x30}));
  EXPECT_EQ(reports[2].bytes, (std::array<BYTE, 5>{0x00, 0x60, 0xFB, 0x01, 0x30}));

  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, nullptr, 0, 0), 0);
  EXPECT_EQ(State("scan.running"), "0");
  // The thread is gone once the call returns: it no longer holds the library.
  EXPECT_TRUE(LibraryUnloads());
  EXPECT_EQ(ReportCount(), 3u);
}

TEST_F(ButtonScanTest, ReportsBeforeTheStartAreNotDelivered) {
  // An earlier scan's reports stay on the device; a new scan starts after them.
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, RecordReport, 1, 0), 0);
  ASSERT_EQ(client.SetGpioLevel(device, 1, 0), kOk);
  ASSERT_EQ(WaitForReports(2).size(), 2u);
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, nullptr, 0, 0), 0);
  {
    std::lock_guard lock(g_log.mutex);
    g_log.reports.clear();
  }
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, RecordReport, 1, 0), 0);
  const std::vector<DeliveredReport> reports = WaitForReports(1);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].bytes, (std::array<BYTE, 5>{0x00, 0x60, 0xFD, 0x03, 0x30}));
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, nullptr, 0, 0), 0);
}

TEST_F(ButtonScanTest, CallbackMayStopItsOwnScan) {
  {
    std::lock_guard lock(g_log.mutex);
    g_log.stopFromCallback = true;
  }
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, RecordReport, 1, 0), 0);
  {
    std::unique_lock lock(g_log.mutex);
    ASSERT_TRUE(g_log.changed.wait_for(lock, std::chrono::seconds(5), [] { return g_log.stopResult != -1; }));
    EXPECT_EQ(g_log.stopResult, 0);
  }
  EXPECT_TRUE(LibraryUnloadsWithinSeconds());
}

TEST_F(ButtonScanTest, ReleasingTheLibraryDuringAScanKeepsItLoadedUntilTheScanStops) {
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, RecordReport, 1, 0), 0);
  ASSERT_EQ(WaitForReports(1).size(), 1u);
  test::RecordingMessageBoxes ignored;
  ASSERT_EQ(LoadSdkLibrary(L"NoSuchSdkLibrary.dll", ignored), 1);
  // The scan thread's own reference keeps its code mapped, and it goes on delivering.
  EXPECT_NE(GetModuleHandleW(kSdkLibraryFileName), nullptr);
  ASSERT_EQ(client.SetGpioLevel(device, 0, 0), kOk);
  EXPECT_EQ(WaitForReports(2).size(), 2u);

  // Bound again, the same library instance still knows its scan and stops it.
  ASSERT_EQ(LoadSdkLibrary(kSdkLibraryFileName, boxes), 0);
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, nullptr, 0, 0), 0);
  EXPECT_TRUE(LibraryUnloads());
}

TEST_F(ButtonScanTest, ScanEndsByItselfWhenTheDeviceIsUnplugged) {
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, RecordReport, 1, 0), 0);
  ASSERT_EQ(WaitForReports(1).size(), 1u);
  ASSERT_EQ(client.Unplug(device), kOk);
  EXPECT_TRUE(LibraryUnloadsWithinSeconds());
}

TEST_F(ButtonScanTest, StartWithoutCallbackFailsAndStartsNothing) {
  EXPECT_NE(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, nullptr, 1, 0), 0);
  EXPECT_EQ(State("scan.running"), "0");
  EXPECT_TRUE(LibraryUnloads());
  EXPECT_EQ(ReportCount(), 0u);
}

TEST_F(ButtonScanTest, StartingAgainReplacesTheRunningScan) {
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, RecordReport, 1, 0), 0);
  ASSERT_EQ(WaitForReports(1).size(), 1u);
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, RecordReport, 1, 0), 0);
  ASSERT_EQ(WaitForReports(2).size(), 2u);
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(kVendorId, kProductId, nullptr, 0, 0), 0);
  // Each start reported once, and no thread of the first scan is left behind.
  EXPECT_EQ(ReportCount(), 2u);
  EXPECT_TRUE(LibraryUnloads());
}

}  // namespace
}  // namespace vorma
