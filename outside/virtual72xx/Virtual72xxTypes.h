#pragma once
// Values that travel between the virtual 72xx device and its clients: device nodes, interfaces,
// plug events, scan reports and the LED controller requests. Results of the HID, filter and bus
// calls are Win32 error codes (0 = success), so a port can hand them to SetLastError unchanged.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vorma::virtual72xx {

// Devices on the bus are numbered from 1 in plug order; a number is never reused. 0 names the bus
// itself (its journal holds plug, unplug and the calls that found no device).
using DeviceNumber = int;
inline constexpr DeviceNumber kBusJournal = 0;

// An open HID interface or filter control device; 0 is never a valid handle.
using VirtualHandle = std::uint32_t;

// Win32 error codes the bus answers with.
inline constexpr unsigned long kOk = 0;                       // ERROR_SUCCESS
inline constexpr unsigned long kErrorNotFound = 2;            // ERROR_FILE_NOT_FOUND: no such path or name
inline constexpr unsigned long kErrorInvalidHandle = 6;       // ERROR_INVALID_HANDLE
inline constexpr unsigned long kErrorGenFailure = 31;         // ERROR_GEN_FAILURE: an injected fault
inline constexpr unsigned long kErrorInvalidParameter = 87;   // ERROR_INVALID_PARAMETER: wrong report length
inline constexpr unsigned long kErrorNotSupported = 50;       // ERROR_NOT_SUPPORTED: unknown request
inline constexpr unsigned long kErrorTimeout = 1460;          // ERROR_TIMEOUT: a wait ended without news
inline constexpr unsigned long kErrorNotConnected = 1167;     // ERROR_DEVICE_NOT_CONNECTED: unplugged
inline constexpr unsigned long kErrorTransport = 233;         // ERROR_PIPE_NOT_CONNECTED: no server
inline constexpr unsigned long kErrorBadReply = 13;           // ERROR_INVALID_DATA: a reply that does not parse
inline constexpr unsigned long kErrorInsufficientBuffer = 122;  // ERROR_INSUFFICIENT_BUFFER
inline constexpr unsigned long kErrorInvalidFunction = 1;     // ERROR_INVALID_FUNCTION: unknown control code

// SDK-level calls answer like the vendor SDK: 0 success, non-zero failure.
inline constexpr int kSdkOk = 0;
inline constexpr int kSdkFailed = 1;           // the device refused the call or a fault was injected
inline constexpr int kSdkNoDevice = 2;         // the device number is not plugged
inline constexpr int kSdkTransportFailed = -1; // the server could not be reached

enum class InterfaceClass { Audio, Hid };

// One device node as SetupAPI lists it among all present devices: its hardware IDs in order
// (the first one is what the panel's search compares).
struct DeviceNode {
  DeviceNumber device = 0;
  std::vector<std::wstring> hardwareIds;
};

// One device interface: the path SetupAPI gives for it (lower-case, as the interface detail reports
// it) and the name the arrival and removal broadcasts carry (upper-case device part).
struct DeviceInterface {
  DeviceNumber device = 0;
  InterfaceClass interfaceClass = InterfaceClass::Hid;
  std::wstring path;
  std::wstring broadcastName;
};

// What one plugged device is, as the bus lists it.
struct DeviceSummary {
  DeviceNumber device = 0;
  std::string kind;  // "72xx", "short-id", "long-id", "unrelated-hid"
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::wstring firstHardwareId;       // of the device's function node the panel looks for
  std::wstring hidPath;               // empty when the device has no HID interface
  std::wstring filterControlName;     // "\\.\Class#UsbZurudOvoension&1E4B&7201"; empty: no filter
  std::wstring captureDescription;    // the DirectSound description of its capture device
  std::wstring captureFriendlyName;   // the Core Audio endpoint name (contains the description)
  std::wstring captureInterfacePath;  // "\\?\USB#VID_1E4B&PID_7201&MI_00#..."
};

enum class DeviceEventKind { Arrival, Removal };

// A device-interface arrival or removal, numbered in the order the bus produced them.
struct DeviceEvent {
  std::uint64_t sequence = 0;
  DeviceEventKind kind = DeviceEventKind::Arrival;
  InterfaceClass interfaceClass = InterfaceClass::Hid;
  DeviceNumber device = 0;
  std::wstring name;  // the broadcast's device name, e.g. "\\?\HID#VID_1E4B&PID_7201&MI_03#...#{4d1e55b2-...}"
};

// A 5-byte button scan report: bytes 2 and 3 carry the levels of GPIO 0-7 and 8-9.
struct ScanReport {
  std::uint64_t sequence = 0;
  std::array<std::uint8_t, 5> bytes{};
};

struct HidAttributes {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::uint16_t versionNumber = 0;
};

struct HidReportLengths {
  std::uint16_t input = 0;
  std::uint16_t output = 0;
  std::uint16_t feature = 0;
};

// The answer of a DeviceIoControl on the filter control device.
struct FilterReply {
  std::vector<std::uint8_t> output;  // bytesReturned = output.size()
};

// The LED controller is reached through three families of SDK functions: the plain ("Master")
// functions with a controller ID, their _ById forms with a device index, and the USB HID slave
// ("Slave") functions that address the slave controller and carry no controller ID.
enum class RgbForm { Master, ById, Slave };
enum class RgbCommand { Mode, Color, SingleColor, Brightness, Step };

// One LED controller command with its arguments in SDK order:
//   Mode:        controllerId, led, mode, speed, timeout [, deviceIndex]
//   Color:       controllerId, led, slot, r, g, b, timeout [, deviceIndex]
//   SingleColor: controllerId, led, mode, r, g, b, timeout [, deviceIndex]
//   Brightness:  controllerId, led, level, timeout [, deviceIndex]
//   Step:        controllerId, count, timeout [, deviceIndex]
// Slave forms drop controllerId; only _ById forms carry deviceIndex.
struct RgbRequest {
  RgbForm form = RgbForm::ById;
  RgbCommand command = RgbCommand::Mode;
  std::uint8_t controllerId = 0x3A;
  std::uint8_t led = 0;     // 0 all, 1 LED1, 2 LED2 (the _ById "group")
  std::uint8_t value = 0;   // mode, slot, level or count
  std::uint8_t speed = 0;   // Mode only
  std::uint8_t red = 0, green = 0, blue = 0;
  std::uint32_t timeout = 0;
  std::uint8_t deviceIndex = 0;
};

// The SDK function name of an LED controller request ("DLLQZ_SetRGB_Mode_ById", ...).
const char* RgbFunctionName(RgbForm form, RgbCommand command);

// One "key value" line of a device's state dump.
struct StateEntry {
  std::string key;
  std::string value;
};

}  // namespace vorma::virtual72xx
