#include "panel/device/DevicePorts.h"

#include "panel/device/Win32DevicePorts.h"

#include <array>

namespace vorma {

bool VirtualDeviceSelected() {
  std::array<wchar_t, 16> value{};
  const DWORD length = GetEnvironmentVariableW(kDeviceSelectionVariable, value.data(), static_cast<DWORD>(value.size()));
  return length > 0 && length < value.size() && std::wstring(value.data(), length) == kVirtualDeviceSelection;
}

bool HidConnection::GetReportSizes(HidReportSizes& sizes) {
  if (!reportSizes_) {
    HidReportSizes read;
    if (!ReadReportSizes(read)) return false;
    reportSizes_ = read;
  }
  sizes = *reportSizes_;
  return true;
}

DevicePorts CreateWin32DevicePorts() {
  DevicePorts ports;
  ports.enumeration = CreateWin32DeviceEnumeration();
  ports.hid = CreateWin32HidPort();
  ports.filter = CreateWin32FilterPort();
  ports.notifications = CreateWin32DeviceNotifications();
  return ports;
}

}  // namespace vorma
