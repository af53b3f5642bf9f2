// The bus: enumeration order, device kinds, plug and unplug events, stale handles, button scan.

#include "outside/virtual72xx/tests/VirtualDeviceFixture.h"

#include <windows.h>

#include <thread>

namespace vorma::virtual72xx::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

class BusTest : public VirtualDeviceFixture {
protected:
  std::vector<DeviceEvent> EventsAfter(std::uint64_t sequence) {
    std::vector<DeviceEvent> events;
    DeviceEvent event;
    while (client.WaitDeviceEvent(sequence, 0, event) == kOk) {
      events.push_back(event);
      sequence = event.sequence;
    }
    return events;
  }

  std::uint64_t Latest() {
    std::uint64_t sequence = 0;
    EXPECT_EQ(client.LatestEventSequence(sequence), kOk);
    return sequence;
  }
};

TEST_F(BusTest, PlugAnnouncesAudioThenHidAndUnplugRemovesHidFirst) {
  const std::uint64_t start = Latest();
  const DeviceNumber device = Plug();
  ASSERT_EQ(client.Unplug(device), kOk);
  std::vector<DeviceEvent> events = EventsAfter(start);
  ASSERT_EQ(events.size(), 4u);
  const std::wstring audioName =
      L"\\\\?\\USB#VID_1E4B&PID_7201&MI_00#7&2A4F0001&0&0000#{6994ad04-93ef-11d0-a3cc-00a0c9223196}\\global";
  const std::wstring hidName =
      L"\\\\?\\HID#VID_1E4B&PID_7201&MI_03#8&3B5E0001&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
  const struct {
    DeviceEventKind kind;
    InterfaceClass interfaceClass;
    std::wstring name;
  } expected[] = {{DeviceEventKind::Arrival, InterfaceClass::Audio, audioName},
                  {DeviceEventKind::Arrival, InterfaceClass::Hid, hidName},
                  {DeviceEventKind::Removal, InterfaceClass::Hid, hidName},
                  {DeviceEventKind::Removal, InterfaceClass::Audio, audioName}};
  for (size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(events[i].kind, expected[i].kind);
    EXPECT_EQ(events[i].interfaceClass, expected[i].interfaceClass);
    EXPECT_EQ(events[i].name, expected[i].name);
    EXPECT_EQ(events[i].device, device);
  }
  DeviceEvent none;
  EXPECT_EQ(client.WaitDeviceEvent(events.back().sequence, 50, none), kErrorTimeout);
}

TEST_F(BusTest, TwoDevicesEnumerateInPlugOrder) {
  const DeviceNumber first = Plug("72xx", 0x7201);
  const DeviceNumber second = Plug("72xx", 0x7202);
  std::vector<DeviceNode> nodes;
  ASSERT_EQ(client.ListDeviceNodes(nodes), kOk);
  std::vector<std::wstring> functionIds;
  for (const DeviceNode& node : nodes)
    if (node.hardwareIds.at(0).find(L"&MI_00") != std::wstring::npos) functionIds.push_back(node.hardwareIds[0]);
  EXPECT_EQ(functionIds, (std::vector<std::wstring>{L"USB\\VID_1E4B&PID_7201&REV_0100&MI_00",
                                                     L"USB\\VID_1E4B&PID_7202&REV_0100&MI_00"}));
  std::vector<DeviceInterface> hid;
  ASSERT_EQ(client.ListInterfaces(InterfaceClass::Hid, hid), kOk);
  ASSERT_EQ(hid.size(), 2u);
  EXPECT_EQ(hid[0].device, first);
  EXPECT_EQ(hid[0].path,
            L"\\\\?\\hid#vid_1e4b&pid_7201&mi_03#8&3b5e0001&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}");
  EXPECT_EQ(hid[1].device, second);

  DeviceNumber found = 0;
  EXPECT_EQ(client.FindDevice(0x1E4B, 0x7202, found), kOk);
  EXPECT_EQ(found, second);
  EXPECT_EQ(client.FindDevice(0x1E4B, 0x7203, found), kErrorNotFound);
}

TEST_F(BusTest, SdkSelectsTheFirstMatchingDevice) {
  const DeviceNumber first = Plug();
  Plug();
  DeviceNumber active = 0;
  EXPECT_EQ(client.SdkSetActiveDevice(0x1E4B, 0x7201, active), kSdkOk);
  EXPECT_EQ(active, first);
  EXPECT_EQ(client.SdkSetActiveDevice(0x1E4B, 0x7209, active), kSdkFailed);
  std::vector<std::string> bus;
  ASSERT_EQ(client.ReadJournal(kBusJournal, bus), kOk);
  EXPECT_EQ(bus.back(), "sdk DLLQZ_SetActive_Device 7755 29193 -> 1 (no device)");
}

TEST_F(BusTest, KindsDifferInTheirIdentity) {
  struct Case {
    const char* kind;
    size_t firstIdLength;
    bool audio;
    int sdkResult;
  };
  const Case cases[] = {{"72xx", 36, true, kSdkOk},
                        {"short-id", 27, true, kSdkOk},
                        {"long-id", 42, true, kSdkOk},
                        {"unrelated-hid", 30, false, kSdkFailed}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    const std::uint64_t start = Latest();
    const DeviceNumber device = Plug(c.kind);
    std::vector<DeviceSummary> devices;
    ASSERT_EQ(client.ListDevices(devices), kOk);
    EXPECT_EQ(devices.back().firstHardwareId.size(), c.firstIdLength) << testing::PrintToString(devices.back().kind);
    EXPECT_EQ(EventsAfter(start).size(), c.audio ? 2u : 1u);
    EXPECT_EQ(client.SdkConfigEq(device, 0), c.sdkResult);
    EXPECT_EQ(devices.back().filterControlName.empty(), !c.audio);
  }
}

TEST_F(BusTest, HandlesOfAnUnpluggedDeviceFailButItsJournalStays) {
  const DeviceNumber device = Plug();
  const VirtualHandle hid = OpenHid(device);
  ASSERT_EQ(client.Unplug(device), kOk);
  EXPECT_EQ(client.HidSetOutputReport(hid, Report({0, 0, 0, 0, 0})), kErrorNotConnected);
  EXPECT_EQ(client.SdkSetEqOnOff(device, 1, 0), kSdkNoDevice);
  EXPECT_EQ(client.Close(hid), kOk);
  EXPECT_EQ(client.Close(hid), kErrorInvalidHandle);
  EXPECT_EQ(TakeJournal(device), (std::vector<std::string>{"plug 1 72xx 1E4B 7201", "hid.open -> 0", "unplug",
                                                           "hid.close"}));
  std::vector<DeviceSummary> devices;
  ASSERT_EQ(client.ListDevices(devices), kOk);
  EXPECT_TRUE(devices.empty());
}

TEST_F(BusTest, RemovingTheAudioInterfaceAloneKeepsTheHidInterface) {
  const DeviceNumber device = Plug();
  const VirtualHandle hid = OpenHid(device);
  const std::uint64_t start = Latest();
  ASSERT_EQ(client.RemoveInterface(device, InterfaceClass::Audio), kOk);
  std::vector<DeviceEvent> events = EventsAfter(start);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, DeviceEventKind::Removal);
  EXPECT_EQ(events[0].interfaceClass, InterfaceClass::Audio);
  EXPECT_EQ(client.HidSetOutputReport(hid, Report({0, 0, 0, 0, 0})), kOk);
  std::vector<DeviceInterface> audio;
  ASSERT_EQ(client.ListInterfaces(InterfaceClass::Audio, audio), kOk);
  EXPECT_TRUE(audio.empty());
}

TEST_F(BusTest, ScanReportsFollowLevelChangesWhileScanning) {
  const DeviceNumber device = Plug();
  ScanReport report;
  ASSERT_EQ(client.SetGpioLevel(device, 2, 0), kOk);  // no scan yet: no report
  EXPECT_EQ(client.WaitScanReport(device, 0, 0, report), kErrorTimeout);

  ASSERT_EQ(client.SdkScanButton(device, 0x1E4B, 0x7201, true, 1, 0), kSdkOk);
  ASSERT_EQ(client.WaitScanReport(device, 0, 1000, report), kOk);
  EXPECT_EQ(report.bytes, (std::array<std::uint8_t, 5>{0x00, 0x60, 0xFB, 0x03, 0x30})) << "the baseline";

  ASSERT_EQ(client.SetGpioLevel(device, 9, 0), kOk);
  ASSERT_EQ(client.SetGpioLevel(device, 9, 0), kOk);  // unchanged: no report
  ScanReport next;
  ASSERT_EQ(client.WaitScanReport(device, report.sequence, 1000, next), kOk);
  EXPECT_EQ(next.bytes, (std::array<std::uint8_t, 5>{0x00, 0x60, 0xFB, 0x01, 0x30}));
  EXPECT_EQ(client.WaitScanReport(device, next.sequence, 50, report), kErrorTimeout);

  EXPECT_EQ(client.SdkScanButton(device, 0x1E4B, 0x7202, true, 0, 0), kSdkFailed) << "another device's IDs";
  ASSERT_EQ(client.SdkScanButton(device, 0x1E4B, 0x7201, false, 0, 0), kSdkOk);
  ASSERT_EQ(client.SetGpioLevel(device, 9, 1), kOk);
  EXPECT_EQ(client.WaitScanReport(device, next.sequence, 50, report), kErrorTimeout);
}

TEST_F(BusTest, WaitersWakeOnChangesFromOtherThreads) {
  const DeviceNumber device = Plug();
  ASSERT_EQ(client.SdkScanButton(device, 0x1E4B, 0x7201, true, 1, 0), kSdkOk);
  const std::uint64_t start = Latest();
  unsigned long eventResult = 0, scanResult = 0;
  DeviceEvent event;
  ScanReport report;
  std::thread eventWaiter([&] { eventResult = host.Client().WaitDeviceEvent(start, 10000, event); });
  std::thread scanWaiter([&] { scanResult = host.Client().WaitScanReport(device, 1, 10000, report); });
  Sleep(50);
  Plug();
  ASSERT_EQ(client.SetGpioLevel(device, 0, 0), kOk);
  eventWaiter.join();
  scanWaiter.join();
  EXPECT_EQ(eventResult, kOk);
  EXPECT_EQ(event.device, device + 1);
  EXPECT_EQ(scanResult, kOk);
  EXPECT_EQ(report.bytes[2], 0xFE);
  // An unplug ends a scan wait at once.
  ASSERT_EQ(client.Unplug(device), kOk);
  EXPECT_EQ(client.WaitScanReport(device, report.sequence, 10000, report), kErrorNotConnected);
}

}  // namespace
}  // namespace vorma::virtual72xx::test
