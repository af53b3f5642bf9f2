#pragma once
// What every feature page (equaliser, 3D, virtual 7.1, effects, microphone, test tone, ENC and voice
// effect, LED) may know of the device and the window: the window's controls, whether a device is
// active and in step with the panel, the active device's identity, its HID interface, the filter
// driver and the page on show. The SDK is the process-wide Sdk(). The main window implements it;
// a page's own host carries only what belongs to that page alone. Every call comes on the
// user-interface thread.

#include "panel/device/DevicePorts.h"
#include "panel/features/MainWindowControls.h"

#include <cstdint>
#include <memory>

namespace vorma {

class FeatureContext {
public:
  virtual MainWindowControls& Window() = 0;

  // m_bDeviceActive: a device was found, selected and answers.
  virtual bool DeviceActive() = 0;
  // The device-sync flag: curve, reset and slider writes go to the device only while it is set.
  // Every activation sets it, a removal clears it; a page may clear it when it finds no device.
  virtual bool DeviceSync() = 0;
  virtual void ClearDeviceSync() = 0;

  // The active device's USB vendor and product IDs (0 before the device was first searched).
  virtual std::uint16_t VendorId() = 0;
  virtual std::uint16_t ProductId() = 0;
  // The active device's HID interface opened for one transaction; none when it does not open.
  virtual std::unique_ptr<HidConnection> OpenHid() = 0;
  // The filter driver's control device.
  virtual FilterPort& Filter() = 0;

  // m_nCurrentPage: the page on show (1 EQ ... 8 voice effect).
  virtual int CurrentPage() = 0;

protected:
  ~FeatureContext() = default;
};

}  // namespace vorma
