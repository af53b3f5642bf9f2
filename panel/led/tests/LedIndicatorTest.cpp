// The LED indicator output on GPIO 0 of the virtual device, its GPIO sync, and the three failures.

#include "panel/led/LedIndicator.h"

#include "outside/sdk/tests/SdkHostFixture.h"
#include "panel/device/DeviceDiscovery.h"
#include "panel/device/virtual/VirtualDevicePorts.h"

namespace vorma::test {
namespace {

using Lines = std::vector<std::string>;

class LedIndicatorTest : public SdkHostFixture {
protected:
  std::unique_ptr<HidConnection> Open() { return OpenHidDevice(*ports.hid, kVendorId, kProductId); }
  Lines HidLines() {
    Lines kept;
    for (const std::string& line : TakeJournal())
      if (line.starts_with("hid.out") || line.starts_with("hid.in")) kept.push_back(line);
    return kept;
  }
  DevicePorts ports = CreateVirtualDevicePorts(client);
};

TEST_F(LedIndicatorTest, OnAndOffReachGpioZeroAndAreClosedWithTheZeroReport) {
  EXPECT_EQ(led::SendLedIndicator(Open(), 1), led::kLedIndicatorDone);
  EXPECT_EQ(HidLines(), (Lines{"hid.out 00 60 01 ff 3c -> gpio write 1000000000", "hid.out 00 00 00 00 00 -> end"}));
  EXPECT_EQ(led::SendLedIndicator(Open(), 0), led::kLedIndicatorDone);
  EXPECT_EQ(HidLines(), (Lines{"hid.out 00 60 00 ff 3c -> gpio write 0000000000", "hid.out 00 00 00 00 00 -> end"}));
}

TEST_F(LedIndicatorTest, SyncReadsForAnIndicatorThatIsOnAndClearsForOneThatIsOff) {
  EXPECT_EQ(led::SyncLedIndicator(Open(), 1), led::kLedIndicatorDone);
  const Lines on = HidLines();
  ASSERT_EQ(on.size(), 3u);
  EXPECT_TRUE(on[0].starts_with("hid.out 00 60 00 00 30 -> gpio read")) << on[0];
  EXPECT_TRUE(on[1].starts_with("hid.in")) << on[1];
  EXPECT_EQ(on[2], "hid.out 00 00 00 00 00 -> end");
  EXPECT_EQ(led::SyncLedIndicator(Open(), 0), led::kLedIndicatorDone);
  EXPECT_EQ(HidLines(), (Lines{"hid.out 00 60 00 ff 3c -> gpio write 0000000000", "hid.out 00 00 00 00 00 -> end"}));
}

TEST_F(LedIndicatorTest, FailuresAreReportedByTheirStep) {
  EXPECT_EQ(led::SendLedIndicator(nullptr, 1), led::kLedIndicatorNoDevice);
  EXPECT_EQ(led::SyncLedIndicator(nullptr, 0), led::kLedIndicatorNoDevice);
  // The GPIO write fails: nothing more is sent.
  auto hid = Open();
  ASSERT_TRUE(hid);
  HidLines();
  ASSERT_EQ(client.InjectFault(device, "hid.out", -1), virtual72xx::kOk);
  EXPECT_EQ(led::SendLedIndicator(std::move(hid), 1), led::kLedIndicatorReportFailed);
  ASSERT_EQ(client.InjectFault(device, "hid.out", 0), virtual72xx::kOk);
  // A device whose reports are too short for the GPIO bits.
  ASSERT_EQ(client.SetReportLengths(device, 4, 4), virtual72xx::kOk);
  EXPECT_EQ(led::SendLedIndicator(Open(), 1), led::kLedIndicatorReportFailed);
  EXPECT_EQ(led::SyncLedIndicator(Open(), 1), led::kLedIndicatorReportFailed);
}

}  // namespace
}  // namespace vorma::test
