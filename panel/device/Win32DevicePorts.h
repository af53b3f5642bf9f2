#pragma once
// The Win32 implementations of the device ports: SetupAPI, hid.dll, the filter driver's control
// device through DeviceIoControl, and RegisterDeviceNotificationW.

#include "panel/device/DevicePorts.h"

#include <setupapi.h>

#include <optional>
#include <string>

namespace vorma {

std::unique_ptr<DeviceEnumerationPort> CreateWin32DeviceEnumeration();
std::unique_ptr<HidPort> CreateWin32HidPort();
std::unique_ptr<FilterPort> CreateWin32FilterPort();
std::unique_ptr<DeviceNotificationPort> CreateWin32DeviceNotifications();

// The first string of the device's hardware-ID property, or none when the device has none or the
// property cannot be read.
std::optional<std::wstring> GetDeviceHardwareId(HDEVINFO deviceList, SP_DEVINFO_DATA& device);

}  // namespace vorma
