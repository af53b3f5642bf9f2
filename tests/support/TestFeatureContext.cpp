#include "tests/support/TestFeatureContext.h"

#include "panel/device/DeviceDiscovery.h"

namespace vorma::test {
namespace {

// A filter driver that is not installed: its control device never opens.
class AbsentFilterPort final : public FilterPort {
public:
  std::unique_ptr<FilterConnection> Open(const std::wstring&) override { return nullptr; }
};

}  // namespace

TestFeatureContext::TestFeatureContext(MainWindowControls& window, DevicePorts* devicePorts)
    : ports(devicePorts), window_(window) {}

std::unique_ptr<HidConnection> TestFeatureContext::OpenHid() {
  if (!ports || !ports->hid) return nullptr;
  return OpenHidDevice(*ports->hid, vendorId, productId);
}

FilterPort& TestFeatureContext::Filter() {
  if (ports && ports->filter) return *ports->filter;
  if (!noFilter_) noFilter_ = std::make_unique<AbsentFilterPort>();
  return *noFilter_;
}

}  // namespace vorma::test
