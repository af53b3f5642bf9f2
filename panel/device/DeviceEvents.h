#pragma once
// What device activation tells the application: the display of the device state, the poll timer,
// and what happened to the device (an interface arrived, a device became ready, the active device
// went away). The device layer decides when these happen; what the features do about them is the
// application's. All calls come on the window's thread.

#include <cstdint>

namespace vorma {

// The text DeviceActiveLabel shows (language keys LabelActive, LabelUnDriver, LabelUnactive).
enum class DeviceLabelKind { Active, DriverMissing, NoDevice };

// How a device was found ready: by an interface arrival or by the two-second poll.
enum class ActivationPath { Arrival, Poll };

class DeviceEvents {
public:
  virtual ~DeviceEvents() = default;

  // --- the device display and the poll ---
  virtual void ShowDeviceLabel(DeviceLabelKind kind) = 0;
  virtual void ShowDeviceIndicators(bool active) = 0;
  virtual void RefreshPage() = 0;  // the current page shown again for the new state
  virtual void SetPollRunning(bool running) = 0;  // Timer1, every 2000 ms
  virtual void ProcessPendingMessages() = 0;

  // --- what happened ---
  // An interface of some device arrived; it has not been looked at yet.
  virtual void InterfaceArrived() = 0;
  // The device with these IDs has just become ready (active, device-sync flag set): the features
  // are brought in line with it.
  virtual void DeviceActivated(ActivationPath path, std::uint16_t vendorId, std::uint16_t productId) = 0;
  // The active device went away; it is no longer active and the device-sync flag is clear.
  virtual void DeviceRemoved() = 0;
  // With that removal the HID interface held since start-up was closed.
  virtual void StartupInterfaceClosed() = 0;
};

}  // namespace vorma
