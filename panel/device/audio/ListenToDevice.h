#pragma once
// Windows' per-endpoint "listen to this device" setting, kept in the capture endpoints' registry
// properties, and the restart of the Windows audio service that makes it take effect.

#include <windows.h>

#include <cstdint>

namespace vorma {

inline constexpr wchar_t kCaptureEndpointsKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\MMDevices\\Audio\\Capture";
inline constexpr wchar_t kEndpointDevicePathValue[] = L"{233164c8-1b2c-4c7d-bc68-b671687a2567},1";
inline constexpr wchar_t kListenValue1[] = L"{24dbb0fc-9311-4b3d-9cf0-18ff155639d4},1";
inline constexpr wchar_t kListenValue4[] = L"{24dbb0fc-9311-4b3d-9cf0-18ff155639d4},4";
inline constexpr DWORD kListenValueSize = 16;

enum ListenResult : int {
  kListenDone = 0,            // every endpoint of the device was written (there may be none)
  kListenNoCaptureKey = 1,    // the Capture key could not be opened
  kListenWriteFailed = 2,     // an endpoint of the device could not be written
};

// The 16-byte REG_BINARY value: words 0x000B, 0, 1, 0, 0xFFFF (on) or 0 (off), 0, then 4 zero bytes.
void ListenValueBytes(bool on, BYTE (&bytes)[kListenValueSize]);

// Writes the listen value to both listen properties of every capture endpoint (HKLM, 64-bit view)
// whose device path holds the vendor and the product ID ("%x", past the first character).
// `written` (optional) counts the endpoints written.
int SetListenToDevice(bool on, std::uint16_t vendorId, std::uint16_t productId, int* written = nullptr);

enum AudioServiceResult : int {
  kAudioServiceRestarted = 0,
  kAudioServiceStopRefused = 1,
  kAudioServiceDidNotStop = 2,
  kAudioServiceStartFailed = 3,  // also: the service control manager or the service cannot be opened
};

inline constexpr wchar_t kAudioServiceName[] = L"audiosrv";

// Stops the Windows audio service when it runs (waiting up to 1000 status queries, 10 ms apart)
// and starts it; a service that was not running is only started.
int RestartAudioService();

}  // namespace vorma
