#pragma once
// The active device of the main window: found at start-up, followed through device-interface
// arrivals and removals, and polled every two seconds (Timer1) while no device is active. It owns
// the device-active and device-sync flags and tells the application through DeviceEvents what
// happened; it does not know the feature pages. The main window owns one instance and routes
// WM_DEVICECHANGE and Timer1 to it; everything runs on the window's thread.

#include "panel/device/DeviceEvents.h"
#include "panel/device/DevicePorts.h"

#include <dbt.h>

#include <cstdint>
#include <memory>
#include <string>

namespace vorma {

inline constexpr std::uint16_t kInitialVendorId = 0x1E4B;
inline constexpr std::uint16_t kInitialProductId = 0x721F;

class DeviceActivation {
public:
  // `configPath` is the configuration file whose USB_VID_PID section lists the accepted devices.
  DeviceActivation(DevicePorts& ports, DeviceEvents& events, std::wstring configPath);
  DeviceActivation(const DeviceActivation&) = delete;
  DeviceActivation& operator=(const DeviceActivation&) = delete;

  // Start-up: finds and selects the device, keeps its HID interface open (m_hDevice), asks the
  // filter driver whether it answers, shows the result and starts Timer1 when nothing is active.
  void ActivateAtStartup();
  // Registers the window for every device-interface notification; false when that failed.
  bool RegisterDeviceNotifications(HWND window);

  // WM_DEVICECHANGE; the window passes the message on to its default handling afterwards.
  void OnDeviceChange(WPARAM event, LPARAM data);
  void DeviceArrival1(const DEV_BROADCAST_DEVICEINTERFACE_W& broadcast);
  void DeviceRemoval(const DEV_BROADCAST_DEVICEINTERFACE_W& broadcast);
  void Timer1Timer();

  std::uint16_t VendorId() const { return m_wVendorId; }
  std::uint16_t ProductId() const { return m_wProductId; }
  bool DeviceActive() const { return m_bDeviceActive; }
  // The device-sync flag: set by every activation, cleared by a removal; the features' curve and
  // reset writes go out only while it is set (the equaliser's reset clears it without a device).
  bool DeviceSync() const { return m_bDeviceSync; }
  void ClearDeviceSync() { m_bDeviceSync = false; }
  // The HID interface held since start-up, or null.
  HidConnection* Device() const { return m_hDevice.get(); }
  void CloseDevice() { m_hDevice.reset(); }
  DevicePorts& Ports() { return ports_; }

private:
  // A fresh device-ID list from the configuration and one search; the IDs of the device found.
  bool FindConfiguredDevice(std::wstring& hardwareId);
  // True only when this call made the device ready; an interface that does not open marks the
  // device gone, probes that all fail change nothing.
  bool ActivateFoundDevice(ActivationPath path);
  void MarkNoDevice();
  void Activated(ActivationPath path);

  DevicePorts& ports_;
  DeviceEvents& events_;
  std::wstring configPath_;

  std::uint16_t m_wVendorId = kInitialVendorId;
  std::uint16_t m_wProductId = kInitialProductId;
  std::unique_ptr<HidConnection> m_hDevice;
  bool m_bDeviceActive = false;
  bool m_bDeviceSync = false;
  std::unique_ptr<DeviceNotificationRegistration> m_hDeviceNotify;
  bool m_bInTimer1 = false;
};

}  // namespace vorma
