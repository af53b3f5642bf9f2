#pragma once
// The filter driver's control device, "\\.\Class#UsbZurudOvoension&VVVV&PPPP" with the active
// device's vendor and product IDs. Its name is one process-wide text, set by
// KVX_Set_DEVICE_SYMBOLIC_NAME at a device activation and empty until then, so every request before
// the first activation fails to open the device (result 1). Each request opens the control device,
// sends one DeviceIoControl and closes it again.

#include "panel/device/DevicePorts.h"

#include <cstdint>
#include <string>

namespace vorma {

inline constexpr std::uint32_t kFilterQueryValueCode = 0x223028;
inline constexpr std::uint32_t kFilterSetEffectCode = 0x8232008;
inline constexpr std::uint32_t kFilterSetSwitchCode = 0x8232000;
inline constexpr std::uint32_t kFilterQueryStateCode = 0x223190;

enum FilterRequestResult : int {
  kFilterDone = 0,
  kFilterNotOpened = 1,
  kFilterFailed = 2,
  kFilterNoBytesReturned = 3,  // QueryFilterValue only
};

// 8 bytes in: 16-bit 1, 16-bit selector, 32-bit value; the value comes back in bytes 4-7 of the
// same layout. `value` is replaced only on success; an answer shorter than 8 bytes gives 3.
int QueryFilterValue(FilterPort& filter, std::uint16_t selector, std::uint32_t& value);
int SetFilterEffect(FilterPort& filter, std::uint32_t number);
int SetFilterSwitch(FilterPort& filter, std::uint32_t value);
// 8 bytes in: 32-bit 1, 32-bit 0; the state comes back in bytes 4-7. `value` is replaced only on
// success; an answer shorter than 8 bytes counts as a failed request.
int QueryFilterState(FilterPort& filter, std::uint32_t& value);

// Formats the control-device name with the IDs into the process-wide name, tries to open it and
// closes it again: 0 when it opened, 1 when it did not.
int KVX_Set_DEVICE_SYMBOLIC_NAME(FilterPort& filter, std::uint16_t vendorId, std::uint16_t productId);

// The process-wide control-device name as it is now.
std::wstring FilterControlDeviceName();

}  // namespace vorma
