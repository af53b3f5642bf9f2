// Activation against the virtual device with the SDK stand-in: start-up, arrivals and removals
// delivered as real WM_DEVICECHANGE messages, the two-second poll on a real timer, and the events
// activation reports to the application, in order with what the device was asked.

#include "panel/device/DeviceActivation.h"
#include "panel/device/FilterControl.h"
#include "panel/device/SdkLibrary.h"
#include "panel/device/tests/RecordingDeviceEvents.h"
#include "panel/device/tests/VirtualDeviceEnvironment.h"
#include "tests/support/DebugLines.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/TestWindows.h"

#include <algorithm>

namespace vorma::test {
namespace {

using Lines = std::vector<std::string>;

class DeviceActivationTest : public VirtualDeviceTest {
protected:
  void SetUp() override {
    VirtualDeviceTest::SetUp();
    ASSERT_EQ(LoadSdkLibrary(kSdkLibraryFileName, boxes), 0);
    host.Attach(&activation);
  }

  DeviceNumber PlugFollowed(std::uint16_t productId = 0x7201) {
    const DeviceNumber device = Plug("72xx", productId);
    host.Follow(device);
    TakeJournal(device);
    return device;
  }

  // Log lines that start with `prefix`.
  static long CountStarting(const Lines& log, std::string_view prefix) {
    return std::count_if(log.begin(), log.end(), [&](const std::string& line) { return line.starts_with(prefix); });
  }

  size_t CountLines(std::wstring_view line) const {
    const auto lines = debug.Lines();
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
  }

  // Dispatches messages until `count` more WM_DEVICECHANGE messages were handled.
  bool WaitForDeviceChanges(int count) {
    const int target = host.DeviceChangeCount() + count;
    return PumpMessagesUntil([&] { return host.DeviceChangeCount() >= target; }, 10000);
  }

  DebugLineRecorder debug;
  RecordingMessageBoxes boxes;
  TempFolder folder;
  RecordingDeviceEvents host{client};
  DeviceActivation activation{ports, host, WriteDeviceConfig(folder, {kReferencePattern})};
};

TEST_F(DeviceActivationTest, StartUpHoldsTheDeviceAndAnArrivalThenOnlyResetsTheMeters) {
  const DeviceNumber device = PlugFollowed();
  activation.ActivateAtStartup();
  EXPECT_EQ(host.TakeLog(), (Lines{"  sdk DLLQZ_SetActive_Device 7755 29185 -> 0", "ShowDeviceLabel Active",
                                   "ShowDeviceIndicators 1"}));
  EXPECT_TRUE(activation.DeviceActive());
  EXPECT_TRUE(activation.DeviceSync());
  EXPECT_NE(activation.Device(), nullptr);
  EXPECT_EQ(activation.VendorId(), 0x1E4B);
  EXPECT_EQ(activation.ProductId(), 0x7201);
  EXPECT_EQ(FilterControlDeviceName(), L"\\\\.\\Class#UsbZurudOvoension&1E4B&7201");

  ASSERT_TRUE(activation.RegisterDeviceNotifications(host.Window()));
  const DeviceNumber second = Plug("72xx", 0x7202);
  ASSERT_TRUE(WaitForDeviceChanges(2));  // its audio and HID interfaces
  EXPECT_EQ(host.TakeLog(), (Lines{"InterfaceArrived", "ProcessPendingMessages", "InterfaceArrived",
                                   "ProcessPendingMessages"}));
  EXPECT_EQ(CountLines(L"m_hDevice != NULL"), 2u);
  EXPECT_EQ(TakeJournal(second, {"sdk", "hid.out", "filter"}), Lines{});
  EXPECT_EQ(TakeJournal(device, {"sdk", "hid.out", "filter"}), Lines{});
  EXPECT_EQ(activation.ProductId(), 0x7201);
}

TEST_F(DeviceActivationTest, OnlyTheRemovalOfTheActiveDevicesHidInterfaceDeactivates) {
  const DeviceNumber device = PlugFollowed();
  activation.ActivateAtStartup();
  ASSERT_TRUE(activation.RegisterDeviceNotifications(host.Window()));
  const DeviceNumber other = Plug("unrelated-hid");
  ASSERT_TRUE(WaitForDeviceChanges(1));
  host.TakeLog();

  ASSERT_EQ(client.Unplug(other), virtual72xx::kOk);
  ASSERT_TRUE(WaitForDeviceChanges(1));
  ASSERT_EQ(client.RemoveInterface(device, virtual72xx::InterfaceClass::Audio), virtual72xx::kOk);
  ASSERT_TRUE(WaitForDeviceChanges(1));
  EXPECT_EQ(host.TakeLog(), (Lines{"ProcessPendingMessages", "ProcessPendingMessages"}));
  EXPECT_TRUE(activation.DeviceActive());
  EXPECT_NE(activation.Device(), nullptr);

  ASSERT_EQ(client.RemoveInterface(device, virtual72xx::InterfaceClass::Hid), virtual72xx::kOk);
  ASSERT_TRUE(WaitForDeviceChanges(1));
  EXPECT_EQ(host.TakeLog(), (Lines{"ShowDeviceLabel NoDevice", "DeviceRemoved", "StartupInterfaceClosed",
                                   "ProcessPendingMessages"}));
  EXPECT_FALSE(activation.DeviceActive());
  EXPECT_FALSE(activation.DeviceSync());
  EXPECT_EQ(activation.Device(), nullptr);
  EXPECT_FALSE(host.Timer1Running());  // the next device announces itself
}

TEST_F(DeviceActivationTest, WithoutADeviceTheTimerPollsUntilOneIsPluggedThenStops) {
  activation.ActivateAtStartup();
  EXPECT_EQ(host.TakeLog(), (Lines{"ShowDeviceLabel NoDevice", "ShowDeviceIndicators 0", "StartTimer1"}));
  EXPECT_EQ(activation.VendorId(), 0);
  EXPECT_EQ(activation.ProductId(), 0);
  // No notification registration: only the poll can find the device.
  ASSERT_TRUE(PumpMessagesUntil([&] { return CountLines(L"SearchDevicePresent = 0") >= 2; }, 10000));
  EXPECT_FALSE(activation.DeviceActive());

  PlugFollowed();
  ASSERT_TRUE(PumpMessagesUntil([&] { return !host.Timer1Running(); }, 10000));
  EXPECT_TRUE(activation.DeviceActive());
  EXPECT_EQ(activation.Device(), nullptr);  // only the start-up device is held
  EXPECT_EQ(host.label, DeviceLabelKind::Active);
  EXPECT_EQ(CountLines(L"DeviceArrivalforTimer1"), CountLines(L"SearchDevicePresent = 0") + 1);
  // The host interleaved the device's journal with its operations.
  const Lines log = host.TakeLog();
  const auto selected = std::find(log.begin(), log.end(), "  sdk DLLQZ_SetActive_Device 7755 29185 -> 0");
  ASSERT_NE(selected, log.end());
  EXPECT_EQ(*std::next(selected), "  sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 0");
  EXPECT_EQ(log.back(), "StopTimer1");
}

TEST_F(DeviceActivationTest, APollTickDuringThePollsOwnReSynchronisationIsSkipped) {
  PlugFollowed();
  int ticks = 0;
  // The features' re-synchronisation lets pending messages run, and a tick may come then.
  host.whileActivated = [&] {
    ++ticks;
    activation.Timer1Timer();
  };
  activation.Timer1Timer();
  host.whileActivated = nullptr;
  ASSERT_EQ(ticks, 1);
  EXPECT_TRUE(activation.DeviceActive());
  const Lines log = host.TakeLog();
  EXPECT_EQ(std::count(log.begin(), log.end(), "  sdk DLLQZ_SetActive_Device 7755 29185 -> 0"), 1);
  EXPECT_EQ(CountStarting(log, "DeviceActivated"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "StopTimer1"), 1);
  EXPECT_EQ(CountLines(L"DeviceArrivalforTimer1"), 1u);
  // Once the poll has ended, a tick runs again.
  activation.Timer1Timer();
  EXPECT_EQ(CountLines(L"DeviceArrivalforTimer1"), 2u);
}

DEV_BROADCAST_DEVICEINTERFACE_W AnyBroadcast() {
  DEV_BROADCAST_DEVICEINTERFACE_W broadcast{};
  broadcast.dbcc_size = sizeof(broadcast);
  broadcast.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  return broadcast;
}

TEST_F(DeviceActivationTest, AnArrivalActivatesTheDeviceAndReportsIt) {
  PlugFollowed();
  activation.DeviceArrival1(AnyBroadcast());
  EXPECT_EQ(host.TakeLog(), (Lines{"InterfaceArrived", "  sdk DLLQZ_SetActive_Device 7755 29185 -> 0",
                                   "  sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 0",  // readiness: ENC off
                                   "ShowDeviceIndicators 1", "RefreshPage", "DeviceActivated Arrival 7755 29185",
                                   "ShowDeviceLabel Active"}));
  EXPECT_TRUE(debug.Contains(L"***** KVX_Set_DEVICE_SYMBOLIC_NAME Success *****"));
  EXPECT_TRUE(activation.DeviceActive());
  EXPECT_TRUE(activation.DeviceSync());
  EXPECT_EQ(activation.Device(), nullptr);

  // Every further interface arrival probes and activates again.
  activation.DeviceArrival1(AnyBroadcast());
  EXPECT_EQ(CountStarting(host.TakeLog(), "DeviceActivated Arrival"), 1);
}

TEST_F(DeviceActivationTest, ThePollWaitsLongerForReadinessAndKeepsTheControlDeviceName) {
  const DeviceNumber device = PlugFollowed();
  // Six failed probes: more than an arrival's five attempts, fewer than the poll's ten.
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_AudioCommand", 6), virtual72xx::kOk);
  TakeJournal(device);
  activation.Timer1Timer();
  Lines expected = {"  sdk DLLQZ_SetActive_Device 7755 29185 -> 0"};
  for (int i = 0; i < 6; ++i) expected.push_back("  sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 1 (fault)");
  for (const char* line : {"  sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 0", "ShowDeviceIndicators 1", "RefreshPage",
                           "DeviceActivated Poll 7755 29185", "ShowDeviceLabel Active", "StopTimer1"})
    expected.push_back(line);
  EXPECT_EQ(host.TakeLog(), expected);
  EXPECT_TRUE(debug.Contains(L"DeviceArrivalforTimer1"));
  EXPECT_FALSE(debug.Contains(L"***** KVX_Set_DEVICE_SYMBOLIC_NAME Success *****"));
}

TEST_F(DeviceActivationTest, AnArrivalGivesUpAfterFiveProbesAndLeavesThePollRunning) {
  const DeviceNumber device = PlugFollowed();
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_AudioCommand", 6), virtual72xx::kOk);
  TakeJournal(device);
  activation.DeviceArrival1(AnyBroadcast());
  const Lines log = host.TakeLog();
  EXPECT_EQ(std::count(log.begin(), log.end(), "  sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 1 (fault)"), 5);
  EXPECT_EQ(log.back(), "StartTimer1");
  EXPECT_FALSE(activation.DeviceActive());
  EXPECT_TRUE(host.Timer1Running());
}

// An arrival (of any device) or a poll tick while our device is active probes it again; when every
// probe fails, the active device stays as it was: no second activation reported, no poll started
// or stopped.
TEST_F(DeviceActivationTest, ProbesThatAllFailLeaveAnActiveDeviceAsItWas) {
  const DeviceNumber device = PlugFollowed();
  activation.DeviceArrival1(AnyBroadcast());
  ASSERT_TRUE(activation.DeviceActive());
  host.TakeLog();
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_AudioCommand", 15), virtual72xx::kOk);
  const auto expectUnchanged = [&](long probes) {
    const Lines log = host.TakeLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "  sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 1 (fault)"), probes);
    for (const char* step : {"DeviceActivated", "StartTimer1", "StopTimer1", "ShowDeviceIndicators"})
      EXPECT_EQ(CountStarting(log, step), 0) << step;
    EXPECT_TRUE(activation.DeviceActive());
    EXPECT_TRUE(activation.DeviceSync());
  };
  activation.DeviceArrival1(AnyBroadcast());
  expectUnchanged(5);
  activation.Timer1Timer();
  expectUnchanged(10);
  EXPECT_FALSE(host.Timer1Running());
}

}  // namespace
}  // namespace vorma::test
