// Activation against the virtual device with the SDK stand-in: start-up, arrivals and removals
// delivered as real WM_DEVICECHANGE messages, the two-second poll on a real timer, and the order in
// which a new activation re-synchronises the features.

#include "panel/device/DeviceActivation.h"
#include "panel/device/FilterControl.h"
#include "panel/device/SdkLibrary.h"
#include "panel/device/tests/RecordingActivationHost.h"
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
  RecordingActivationHost host{client};
  DeviceActivation activation{ports, host, WriteDeviceConfig(folder, {kReferencePattern})};
};

TEST_F(DeviceActivationTest, StartUpHoldsTheDeviceAndAnArrivalThenOnlyResetsTheMeters) {
  const DeviceNumber device = PlugFollowed();
  activation.ActivateAtStartup();
  EXPECT_EQ(host.TakeLog(), (Lines{"  sdk DLLQZ_SetActive_Device 7755 29185 -> 0", "SetDeviceLabel Active",
                                   "SetDeviceIndicators 1"}));
  EXPECT_TRUE(activation.DeviceActive());
  EXPECT_TRUE(activation.DeviceSync());
  EXPECT_NE(activation.Device(), nullptr);
  EXPECT_EQ(activation.VendorId(), 0x1E4B);
  EXPECT_EQ(activation.ProductId(), 0x7201);
  EXPECT_EQ(FilterControlDeviceName(), L"\\\\.\\Class#UsbZurudOvoension&1E4B&7201");

  activation.SetEndpointReady(true);  // the window's construction looked the endpoint up
  ASSERT_TRUE(activation.RegisterDeviceNotifications(host.Window()));
  const DeviceNumber second = Plug("72xx", 0x7202);
  ASSERT_TRUE(WaitForDeviceChanges(2));  // its audio and HID interfaces
  EXPECT_EQ(host.TakeLog(), (Lines{"ResetMicMeters", "ProcessPendingMessages", "ResetMicMeters",
                                   "ProcessPendingMessages"}));
  EXPECT_EQ(CountLines(L"m_hDevice != NULL"), 2u);
  EXPECT_EQ(TakeJournal(second, {"sdk", "hid.out", "filter"}), Lines{});
  EXPECT_EQ(TakeJournal(device, {"sdk", "hid.out", "filter"}), Lines{});
  EXPECT_EQ(activation.ProductId(), 0x7201);
}

TEST_F(DeviceActivationTest, OnlyTheRemovalOfTheActiveDevicesHidInterfaceDeactivates) {
  const DeviceNumber device = PlugFollowed();
  activation.ActivateAtStartup();
  activation.SetEndpointReady(true);
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
  EXPECT_EQ(host.TakeLog(), (Lines{"SetDeviceLabel NoDevice", "ClearStartScanGPIO", "SetDeviceIndicators 0",
                                   "ResetFeatureButtons", "RefreshPage", "MarkCaptureMonitorClosed",
                                   "CloseLEDWorkerHandle", "ProcessPendingMessages"}));
  EXPECT_FALSE(activation.DeviceActive());
  EXPECT_FALSE(activation.DeviceSync());
  EXPECT_FALSE(activation.EndpointReady());
  EXPECT_EQ(activation.Device(), nullptr);
  EXPECT_FALSE(host.Timer1Running());  // the next device announces itself
}

TEST_F(DeviceActivationTest, WithoutADeviceTheTimerPollsUntilOneIsPluggedThenStops) {
  activation.ActivateAtStartup();
  EXPECT_EQ(host.TakeLog(), (Lines{"SetDeviceLabel NoDevice", "SetDeviceIndicators 0", "StartTimer1"}));
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
  host.whilePendingMessagesRun = [&] {
    ++ticks;
    activation.Timer1Timer();
  };
  activation.Timer1Timer();
  host.whilePendingMessagesRun = nullptr;
  ASSERT_EQ(ticks, 1);
  EXPECT_TRUE(activation.DeviceActive());
  const Lines log = host.TakeLog();
  EXPECT_EQ(std::count(log.begin(), log.end(), "  sdk DLLQZ_SetActive_Device 7755 29185 -> 0"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "StartLEDWorker"), 1);
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

TEST_F(DeviceActivationTest, AnArrivalActivatesAndReSynchronisesInOrder) {
  host.settings = {.endpointFound = true, .osClass = kCoreAudioOsClass, .currentPage = kVirtual7ch1Page,
                   .gpioRead = true, .switchMode = false, .setEncGpioMode = 0, .encEnabled = true,
                   .encButtonMode = 1, .eqFromEeprom = true, .defaultEqEnable = 1, .threeDFromEeprom = false,
                   .default3DEnable = 1, .defaultVirtual7ch1 = 1, .exclusive3DV7ch1 = true, .scalar = 1.5f,
                   .lastProfileVirtual7ch1 = true};
  PlugFollowed();
  activation.DeviceArrival1(AnyBroadcast());
  EXPECT_EQ(host.TakeLog(), (Lines{
      // endpoint work while the endpoint-ready flag is clear; the monitor stays open only on page 3
      "LookUpAudioEndpoint", "OpenCaptureMonitor", "RefreshMicDisplay", "CloseCaptureMonitor", "ResetMicMeters",
      "  sdk DLLQZ_SetActive_Device 7755 29185 -> 0",
      "  sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 0",  // readiness: ENC off
      "SetDeviceIndicators 1", "RefreshPage",
      // re-synchronisation: GPIO pass (GPIO-read setting on)
      "  hid.out 00 60 00 00 30 -> gpio read 1111111111", "  hid.in 00 60 ff 03 30 -> gpio",
      "  hid.out 00 00 00 00 00 -> end",
      "ReleaseAudioEndpoint",
      "InitEnc", "ShowEnc", "SetEncGpioMode", "ScanENCGPIO",
      "InitVoiceEffect", "ShowVoiceEffect", "RefreshPage", "ProcessPendingMessages",
      "SyncEqFromDevice", "SyncEqFromDevice", "Set3DEnable 1", "Apply3DOnOff 1",
      // 7.1 from the default profile, forced off by 3D; then on again for the shown 7.1 page
      "SetVirtual7ch1Enable 0", "Update7ch1UI",
      "  filter.ioctl 0x223190 query-state [01 00 00 00 00 00 00 00] cap 8 -> 0 out [01 00 00 00 01 00 00 00]",
      "  sdk DLLQZ_SetVirtual7ch1_OnOff 0 -> 0", "SendVirtual7ch1 0", "  sdk DLLQZ_SetVirtual7ch1_Scalar 1.5 -> 0",
      "SetVirtual7ch1Enable 1", "ShowVirtual7ch1Button", "  sdk DLLQZ_SetVirtual7ch1_OnOff 1 -> 0",
      "  filter.ioctl 0x223028 query-value [01 00 00 00 00 00 00 00] cap 8 -> 0 out [01 00 00 00 00 00 00 00]",
      "StartLEDWorker", "RefreshPage", "SetDeviceLabel Active"}));
  EXPECT_TRUE(debug.Contains(L"***** KVX_Set_DEVICE_SYMBOLIC_NAME Success *****"));
  EXPECT_TRUE(debug.Contains(L"[DeviceArrival1][ScanENCGPIO]"));
  EXPECT_TRUE(activation.DeviceActive());
  EXPECT_TRUE(activation.EndpointReady());
  EXPECT_EQ(activation.Device(), nullptr);
  EXPECT_EQ(activation.ActivationCount(), 1);

  // Every further interface arrival activates again; the LED worker starts on the first only.
  activation.DeviceArrival1(AnyBroadcast());
  const Lines again = host.TakeLog();
  EXPECT_EQ(std::count(again.begin(), again.end(), "StartLEDWorker"), 0);
  EXPECT_EQ(std::count(again.begin(), again.end(), "LookUpAudioEndpoint"), 0);
  EXPECT_EQ(activation.ActivationCount(), 2);
}

TEST_F(DeviceActivationTest, ThePollWaitsLongerForReadinessAndReSynchronisesItsOwnWay) {
  host.settings = {.endpointFound = false, .osClass = 4, .currentPage = kMicPage, .gpioRead = false,
                   .switchMode = true, .eqFromEeprom = false, .defaultEqEnable = 1, .threeDFromEeprom = true,
                   .defaultVirtual7ch1 = 0};
  const DeviceNumber device = PlugFollowed();
  // Six failed probes: more than an arrival's five attempts, fewer than the poll's ten.
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_AudioCommand", 6), virtual72xx::kOk);
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_SetVirtual7ch1_OnOff", 1), virtual72xx::kOk);
  TakeJournal(device);
  activation.Timer1Timer();
  Lines expected = {"  sdk DLLQZ_SetActive_Device 7755 29185 -> 0"};
  for (int i = 0; i < 6; ++i) expected.push_back("  sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 1 (fault)");
  const Lines rest = {
      "  sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 0", "SetDeviceIndicators 1", "RefreshPage",
      // the poll does the endpoint work and the meter reset here; no endpoint on a mixer system still counts
      "LookUpAudioEndpoint", "OpenCaptureMonitor", "RefreshMicDisplay", "ResetMicMeters",
      "  hid.out 00 60 00 ff 3c -> gpio write 0000000000", "  hid.out 00 00 00 00 00 -> end",
      // switch mode or not, the poll only initialises and shows ENC
      "InitEnc", "ShowEnc",
      "InitVoiceEffect", "ShowVoiceEffect", "RefreshPage", "ProcessPendingMessages",
      "SetEqEnable 1", "ApplyEqOnOff 1", "Sync3DFromDevice", "Sync3DFromDevice",
      "SetVirtual7ch1Enable 0", "Update7ch1UI",
      "  filter.ioctl 0x223190 query-state [01 00 00 00 00 00 00 00] cap 8 -> 0 out [01 00 00 00 01 00 00 00]",
      "  sdk DLLQZ_SetVirtual7ch1_OnOff 0 -> 1 (fault)", "  sdk DLLQZ_SetVirtual7ch1_OnOff 0 -> 0",
      "SendVirtual7ch1 0", "  sdk DLLQZ_SetVirtual7ch1_Scalar 2 -> 0",
      "  filter.ioctl 0x223028 query-value [01 00 00 00 00 00 00 00] cap 8 -> 0 out [01 00 00 00 00 00 00 00]",
      "StartLEDWorker", "RefreshPage", "SetDeviceLabel Active", "StopTimer1"};
  expected.insert(expected.end(), rest.begin(), rest.end());
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
// probe fails, the active device stays as it was: no second re-synchronisation, no poll started or
// stopped.
TEST_F(DeviceActivationTest, ProbesThatAllFailLeaveAnActiveDeviceAsItWas) {
  const DeviceNumber device = PlugFollowed();
  activation.DeviceArrival1(AnyBroadcast());
  ASSERT_TRUE(activation.DeviceActive());
  host.TakeLog();
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_AudioCommand", 15), virtual72xx::kOk);
  const auto expectUnchanged = [&](long probes) {
    const Lines log = host.TakeLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "  sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 1 (fault)"), probes);
    for (const char* step : {"ReleaseAudioEndpoint", "InitEnc", "StartTimer1", "StopTimer1", "SetDeviceIndicators 0"})
      EXPECT_EQ(std::count(log.begin(), log.end(), step), 0) << step;
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
