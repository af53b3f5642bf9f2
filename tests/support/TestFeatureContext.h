#pragma once
// The feature context of the feature pages' tests and benchmarks: the window's controls the test
// built, device state the test sets, and, while the test gives it device ports (the virtual
// device's), the HID interface of the device with `vendorId` and `productId` and the filter driver
// behind them. Without ports no HID interface opens and the filter driver's control device does
// not answer.

#include "panel/features/FeatureContext.h"

#include <cstdint>
#include <memory>

namespace vorma::test {

class TestFeatureContext final : public FeatureContext {
public:
  explicit TestFeatureContext(MainWindowControls& window, DevicePorts* ports = nullptr);

  MainWindowControls& Window() override { return window_; }
  bool DeviceActive() override { return deviceActive; }
  bool DeviceSync() override { return deviceSync; }
  void ClearDeviceSync() override { deviceSync = false; }
  std::uint16_t VendorId() override { return vendorId; }
  std::uint16_t ProductId() override { return productId; }
  std::unique_ptr<HidConnection> OpenHid() override;
  FilterPort& Filter() override;
  int CurrentPage() override { return currentPage; }

  bool deviceActive = true;
  bool deviceSync = true;
  std::uint16_t vendorId = 0x1E4B;
  std::uint16_t productId = 0x7201;
  int currentPage = 1;
  DevicePorts* ports;

private:
  MainWindowControls& window_;
  std::unique_ptr<FilterPort> noFilter_;
};

}  // namespace vorma::test
