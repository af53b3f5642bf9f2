#pragma once
// The fixed identifiers of device discovery: the reference hardware ID whose length selects the
// candidate devices, the two device-interface classes, and the poll interval.

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace vorma {

// Only devices whose first hardware ID is exactly as long as this one are compared with the
// device-ID patterns: the audio function node of a composite 72xx device.
inline constexpr std::wstring_view kReferenceHardwareId = L"USB\\VID_1E4B&PID_72XX&REV_0100&MI_00";
static_assert(kReferenceHardwareId.size() == 36);

// {6994AD04-93EF-11D0-A3CC-00A0C9223196}: audio device interfaces (KSCATEGORY_AUDIO).
inline constexpr GUID kAudioInterfaceClass = {0x6994AD04, 0x93EF, 0x11D0, {0xA3, 0xCC, 0x00, 0xA0, 0xC9, 0x22, 0x31, 0x96}};
// {4D1E55B2-F16F-11CF-88CB-001111000030}: HID device interfaces, the value HidD_GetHidGuid returns.
inline constexpr GUID kHidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

inline constexpr UINT kDevicePollIntervalMs = 2000;  // Timer1

}  // namespace vorma
