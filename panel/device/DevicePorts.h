#pragma once
// The four ways the panel reaches the device's hardware, each behind a small interface of our own:
// the list of present devices, the HID interfaces and their reports, the filter driver's control
// device, and device-interface notifications. Each has a Win32 implementation (the real SetupAPI,
// hid.dll, DeviceIoControl and RegisterDeviceNotificationW calls) and a virtual one that talks to
// the virtual 72xx device.
//
// The virtual implementation and the choice between the two (CreateDevicePorts()) are a library
// of their own, panel/device/virtual/, so this one never links the virtual device's client.
//
// Failed calls are reported to the debug output by the implementations, as operation, Win32 error
// code and system text, and the error code is left in GetLastError.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace vorma {

// --- present devices (SetupAPI, all setup classes) ---
class DeviceEnumerationPort {
public:
  virtual ~DeviceEnumerationPort() = default;
  // Hands the first hardware ID of each present device to `visit`, in the system's device order,
  // until `visit` returns true; a device without a hardware ID is handed over as an empty text.
  // False when the device list could not be obtained.
  virtual bool ForEachFirstHardwareId(const std::function<bool(const std::wstring&)>& visit) = 0;
};

// --- HID interfaces ---
struct HidIdentity {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
};

struct HidReportSizes {
  std::uint16_t input = 0;
  std::uint16_t output = 0;
};

// One opened HID interface; destroying it closes the handle.
class HidConnection {
public:
  virtual ~HidConnection() = default;
  virtual bool GetAttributes(HidIdentity& identity) = 0;        // HidD_GetAttributes
  // The interface's report lengths. They cannot change while the handle is open, so the first
  // successful read is kept for the life of this connection; a failed read is tried again next time.
  bool GetReportSizes(HidReportSizes& sizes);
  // The whole report, report ID in byte 0, sized to the output report length.
  virtual bool SetOutputReport(std::span<const std::uint8_t> report) = 0;
  // In: report ID in byte 0, sized to the input report length. Out: the report.
  virtual bool GetInputReport(std::span<std::uint8_t> report) = 0;

protected:
  virtual bool ReadReportSizes(HidReportSizes& sizes) = 0;      // preparsed data and HidP_GetCaps

private:
  std::optional<HidReportSizes> reportSizes_;
};

class HidPort {
public:
  virtual ~HidPort() = default;
  // Hands the path of each present HID device interface to `visit`, in enumeration order, until
  // `visit` returns true or the enumeration fails or runs out of items.
  virtual void ForEachInterfacePath(const std::function<bool(const std::wstring&)>& visit) = 0;
  // Opens the interface for reading and writing, shared, existing only, overlapped; none on failure.
  virtual std::unique_ptr<HidConnection> Open(const std::wstring& path) = 0;
};

// --- the filter driver's control device ---
class FilterConnection {
public:
  virtual ~FilterConnection() = default;
  // DeviceIoControl; `bytesReturned` is set on success.
  virtual bool IoControl(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                         std::uint32_t& bytesReturned) = 0;
};

class FilterPort {
public:
  virtual ~FilterPort() = default;
  // Opens the control device for reading and writing, shared, existing only; none on failure.
  virtual std::unique_ptr<FilterConnection> Open(const std::wstring& controlName) = 0;
};

// --- device-interface notifications ---
// While it lives, the window receives WM_DEVICECHANGE for device-interface arrivals and removals;
// destroying it ends the registration.
class DeviceNotificationRegistration {
public:
  virtual ~DeviceNotificationRegistration() = default;
};

class DeviceNotificationPort {
public:
  virtual ~DeviceNotificationPort() = default;
  // RegisterDeviceNotificationW on the window with a device-interface filter of the class and the
  // flags (DEVICE_NOTIFY_ALL_INTERFACE_CLASSES widens it to every class); none on failure.
  virtual std::unique_ptr<DeviceNotificationRegistration> Register(HWND window, const GUID& interfaceClass,
                                                                   DWORD flags) = 0;
};

struct DevicePorts {
  std::unique_ptr<DeviceEnumerationPort> enumeration;
  std::unique_ptr<HidPort> hid;
  std::unique_ptr<FilterPort> filter;
  std::unique_ptr<DeviceNotificationPort> notifications;
};

inline constexpr wchar_t kDeviceSelectionVariable[] = L"VORMA_DEVICE";
inline constexpr wchar_t kVirtualDeviceSelection[] = L"virtual";

// True when the environment asks for the virtual device (VORMA_DEVICE=virtual).
bool VirtualDeviceSelected();

DevicePorts CreateWin32DevicePorts();

}  // namespace vorma
