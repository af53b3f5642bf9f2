// The Win32 ports on a machine without the device (Wine): every search comes back empty and the
// panel takes its no-device paths; the notification registration itself works.

#include "panel/device/DeviceDiscovery.h"
#include "panel/device/DeviceIdentifiers.h"
#include "panel/device/FilterControl.h"
#include "panel/device/Win32DevicePorts.h"
#include "panel/device/tests/VirtualDeviceEnvironment.h"
#include "panel/device/virtual/PortSelection.h"
#include "tests/support/TestWindows.h"

namespace vorma::test {
namespace {

TEST(Win32Ports, FindNoDeviceAndOpenNothing) {
  DevicePorts ports = CreateWin32DevicePorts();
  TempFolder folder;
  CDeviceIdMgr deviceIds;
  ASSERT_EQ(deviceIds.LoadFromConfig(WriteDeviceConfig(folder, {kReferencePattern, kShortPattern}), kUsbDeviceIdSection),
            kDeviceIdConfigLoaded);
  bool listed = false;
  EXPECT_TRUE(ports.enumeration->ForEachFirstHardwareId([&](const std::wstring&) { return listed = true; }));
  std::wstring found;
  EXPECT_FALSE(SearchDevicePresent(*ports.enumeration, deviceIds, found));
  EXPECT_EQ(found, L"");
  EXPECT_EQ(OpenHidDevice(*ports.hid, 0x1E4B, 0x7201), nullptr);
  EXPECT_EQ(KVX_Set_DEVICE_SYMBOLIC_NAME(*ports.filter, 0x1E4B, 0x7201), 1);
  std::uint32_t value = 0xBDBDBDBD;
  EXPECT_EQ(QueryFilterValue(*ports.filter, 0, value), kFilterNotOpened);
  EXPECT_EQ(value, 0xBDBDBDBDu);
}

TEST(Win32Ports, RegisterTheWindowForDeviceInterfaceNotifications) {
  DevicePorts ports = CreateWin32DevicePorts();
  UniqueWindow window = CreateApplicationWindow(L"device notifications");
  ASSERT_TRUE(window);
  EXPECT_NE(ports.notifications->Register(window.get(), kAudioInterfaceClass, DEVICE_NOTIFY_ALL_INTERFACE_CLASSES),
            nullptr);
}

TEST(DevicePortSelection, OnlyVormaDeviceVirtualSelectsTheVirtualDevice) {
  struct Case {
    const wchar_t* value;  // null: the variable is not set
    bool selected;
  };
  for (const Case& c : {Case{nullptr, false}, Case{L"", false}, Case{L"1", false}, Case{L"virtual2", false},
                        Case{L"virtual", true}}) {
    SCOPED_TRACE(c.value ? testing::PrintToString(std::wstring(c.value)) : "unset");
    SetEnvironmentVariableW(kDeviceSelectionVariable, c.value);
    EXPECT_EQ(VirtualDeviceSelected(), c.selected);
  }
  SetEnvironmentVariableW(kDeviceSelectionVariable, nullptr);
}

TEST(DevicePortSelection, WithoutTheChoiceAPluggedVirtualDeviceIsNotSeen) {
  virtual72xx::VirtualHost host;
  ASSERT_EQ(host.Start(), virtual72xx::kOk);
  DeviceNumber device = 0;
  ASSERT_EQ(host.Client().Plug({}, device), virtual72xx::kOk);
  SetEnvironmentVariableW(kDeviceSelectionVariable, nullptr);
  DevicePorts ports = CreateDevicePorts();
  EXPECT_EQ(OpenHidDevice(*ports.hid, 0x1E4B, 0x7201), nullptr);
  SetEnvironmentVariableW(kDeviceSelectionVariable, kVirtualDeviceSelection);
  DevicePorts virtualPorts = CreateDevicePorts();
  EXPECT_NE(OpenHidDevice(*virtualPorts.hid, 0x1E4B, 0x7201), nullptr);
  SetEnvironmentVariableW(kDeviceSelectionVariable, nullptr);
}

}  // namespace
}  // namespace vorma::test
