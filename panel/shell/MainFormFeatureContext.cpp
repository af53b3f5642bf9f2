#include "panel/shell/MainFormFeatureContext.h"

#include "panel/device/DeviceDiscovery.h"

namespace vorma::shell {

std::unique_ptr<HidConnection> MainFormFeatureContext::OpenHid() {
  if (!activation_) return nullptr;
  return OpenHidDevice(*ports_.hid, activation_->VendorId(), activation_->ProductId());
}

}  // namespace vorma::shell
