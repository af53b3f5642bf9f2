#pragma once
// The main window's feature context: its controls, its page, and the device as device activation
// has it. Device activation is created after the features, so while the window's activation is
// still null no device is active, the sync flag is clear and no HID interface opens.

#include "panel/device/DeviceActivation.h"
#include "panel/device/DevicePorts.h"
#include "panel/features/FeatureContext.h"

#include <memory>

namespace vorma::shell {

class MainFormFeatureContext final : public FeatureContext {
public:
  // `activation` and `currentPage` are the window's members, read at every call.
  MainFormFeatureContext(MainWindowControls& window, DevicePorts& ports,
                         const std::unique_ptr<DeviceActivation>& activation, const int& currentPage)
      : window_(window), ports_(ports), activation_(activation), currentPage_(currentPage) {}
  MainFormFeatureContext(const MainFormFeatureContext&) = delete;
  MainFormFeatureContext& operator=(const MainFormFeatureContext&) = delete;

  MainWindowControls& Window() override { return window_; }
  bool DeviceActive() override { return activation_ && activation_->DeviceActive(); }
  bool DeviceSync() override { return activation_ && activation_->DeviceSync(); }
  void ClearDeviceSync() override {
    if (activation_) activation_->ClearDeviceSync();
  }
  std::uint16_t VendorId() override { return activation_ ? activation_->VendorId() : 0; }
  std::uint16_t ProductId() override { return activation_ ? activation_->ProductId() : 0; }
  std::unique_ptr<HidConnection> OpenHid() override;
  FilterPort& Filter() override { return *ports_.filter; }
  int CurrentPage() override { return currentPage_; }

private:
  MainWindowControls& window_;
  DevicePorts& ports_;
  const std::unique_ptr<DeviceActivation>& activation_;
  const int& currentPage_;
};

}  // namespace vorma::shell
