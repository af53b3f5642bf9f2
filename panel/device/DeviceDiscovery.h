#pragma once
// Finding the device: the search among the present devices, the IDs in a hardware ID or interface
// name, and the HID interface with given IDs.

#include "foundation/DeviceIdManager.h"
#include "panel/device/DevicePorts.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vorma {

// True when a present device's first hardware ID has the reference length and matches a pattern of
// the manager; the first such device in the system's order wins and its ID is copied to `hardwareId`.
bool SearchDevicePresent(DeviceEnumerationPort& enumeration, const CDeviceIdMgr& deviceIds, std::wstring& hardwareId);

// The four hexadecimal digits after "VID_" (else "Vid_") and after "PID_" (else "Pid_"); an ID that
// is not found leaves 0 (and no product ID is looked for when the vendor ID is missing).
void ParseVidPid(std::wstring_view text, std::uint16_t& vendorId, std::uint16_t& productId);

// The first present HID interface whose attributes carry the IDs, opened; none when there is none.
std::unique_ptr<HidConnection> OpenHidDevice(HidPort& hid, std::uint16_t vendorId, std::uint16_t productId);

}  // namespace vorma
